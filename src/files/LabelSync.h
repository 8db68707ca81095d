#pragma once

#include "LabelFile.h"

#include <QVector>

class DataModel;

// Labels between the device model and the label file: what the model holds, and applying a
// file's labels to the model and the device, label by label, only where they differ.
class LabelSync
{
public:
    enum Kind { Input, Output, TouchScreen };

    struct Change
    {
        Kind kind;
        int channel;
    };

    static int width(Kind kind);

    static LabelFile::Labels fromModel(const DataModel &model, int channels);
    static QString stored(const DataModel &model, Kind kind, int channel);

    // Stores the label in the model and sends its label message (channel, then the label's
    // bytes without terminator, at most the field width).
    static void apply(DataModel &model, Kind kind, int channel, const QString &label);

    // Applies every label of the file that differs from the model, inputs first, then outputs,
    // then the touch-screen labels; returns what changed in that order.
    static QVector<Change> applyAll(DataModel &model, const LabelFile::Labels &labels,
                                    int channels);
};
