#pragma once

#include "CancellationGeneration.h"

#include <QWidget>

#include <optional>

class CancellationEditor;
class DataModel;

// The "AEC" or "ANC" page: holds the editor of the generation that fits the connected device
// and swaps it when the reported DSP firmware calls for another one.
class CancellationPage : public QWidget
{
    Q_OBJECT

public:
    enum Block { Aec, Anc };

    CancellationPage(DataModel *model, Block block,
                     CancellationGeneration::Generation generation, QWidget *parent = nullptr);

    Block block() const { return m_block; }
    CancellationGeneration::Generation generation() const { return m_generation; }
    void setGeneration(CancellationGeneration::Generation generation);
    CancellationEditor *editor() const { return m_editor; }

    void refresh();
    void refreshLabels();
    void applyChannelConfig(quint32 inputMask, quint32 outputMask);

signals:
    // The block's inputs, output mix or enable changed: the matrix shows them.
    void matrixChanged();

private:
    void build();

    DataModel *m_model;
    Block m_block;
    CancellationGeneration::Generation m_generation;
    CancellationEditor *m_editor = nullptr;
    std::optional<std::pair<quint32, quint32>> m_channelConfig;
};
