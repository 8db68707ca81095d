#include "LabelSync.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "wire/ByteWriter.h"

namespace {

QString &field(DataModel &model, LabelSync::Kind kind, int channel)
{
    switch (kind) {
    case LabelSync::Input:
        return model.input(channel).label;
    case LabelSync::Output:
        return model.output(channel).label;
    case LabelSync::TouchScreen:
        break;
    }
    return model.input(channel).shortLabel;
}

MessageId messageOf(LabelSync::Kind kind)
{
    switch (kind) {
    case LabelSync::Input:
        return Msg::InputLabels;
    case LabelSync::Output:
        return Msg::OutputLabels;
    case LabelSync::TouchScreen:
        break;
    }
    return Msg::InputShortLabels;
}

} // namespace

int LabelSync::width(Kind kind)
{
    return kind == TouchScreen ? LabelFile::TouchScreenWidth : LabelFile::LabelWidth;
}

QString LabelSync::stored(const DataModel &model, Kind kind, int channel)
{
    const ParameterMirror &m = model.mirror();
    switch (kind) {
    case Input:
        return m.inputs[size_t(channel)].label;
    case Output:
        return m.outputs[size_t(channel)].label;
    case TouchScreen:
        break;
    }
    return m.inputs[size_t(channel)].shortLabel;
}

LabelFile::Labels LabelSync::fromModel(const DataModel &model, int channels)
{
    LabelFile::Labels labels;
    for (int ch = 0; ch < channels; ++ch) {
        labels.inputs.append(stored(model, Input, ch));
        labels.outputs.append(stored(model, Output, ch));
        labels.touchScreen.append(stored(model, TouchScreen, ch));
    }
    return labels;
}

void LabelSync::apply(DataModel &model, Kind kind, int channel, const QString &label)
{
    field(model, kind, channel) = label;
    model.sendWrite(
            messageOf(kind),
            ByteWriter().u8(quint8(channel)).bytes(LabelFile::fieldBytes(label, width(kind))));
}

QVector<LabelSync::Change> LabelSync::applyAll(DataModel &model, const LabelFile::Labels &labels,
                                               int channels)
{
    QVector<Change> changes;
    const auto run = [&](Kind kind, const QVector<QString> &list) {
        for (int ch = 0; ch < channels && ch < list.size(); ++ch) {
            if (list[ch] == stored(model, kind, ch))
                continue;
            apply(model, kind, ch, list[ch]);
            changes.append({kind, ch});
        }
    };
    run(Input, labels.inputs);
    run(Output, labels.outputs);
    run(TouchScreen, labels.touchScreen);
    return changes;
}
