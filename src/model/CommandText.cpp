#include "CommandText.h"

#include "model/MessageCatalogue.h"
#include "wire/ByteWriter.h"
#include "wire/Frame.h"
#include "wire/LocalText.h"

#include <cmath>

namespace CommandText {

namespace {

Command channelValue(MessageId id, quint8 channel, double value)
{
    return {id, ByteWriter().u8(channel).f32(float(roundToTenth(value)))};
}

Command fixedGain(MessageId id, quint8 channel, double gain)
{
    const double shown = roundToTenth(gain);
    const float sent = shown <= MinimumGain ? SilentGain : float(shown);
    return {id, ByteWriter().u8(channel).f32(sent)};
}

} // namespace

double roundToTenth(double value)
{
    return std::round(value * 10.0) / 10.0;
}

Command login(const QString &password)
{
    return {Msg::Login, LocalText::encode(password.trimmed())};
}

Command inputMute(quint8 channel, bool mute)
{
    return {Msg::PreMixMute, ByteWriter().u8(channel).u8(mute ? 1 : 0)};
}

Command inputGain(quint8 channel, double gain)
{
    return fixedGain(Msg::PreMixGain, channel, gain);
}

Command inputStep(quint8 channel, double step)
{
    return channelValue(Msg::PreMixGainStep, channel, step);
}

Command outputMute(quint8 channel, bool mute)
{
    return {Msg::OutMute, ByteWriter().u8(channel).u8(mute ? 1 : 0)};
}

Command outputGain(quint8 channel, double gain)
{
    return fixedGain(Msg::OutGain, channel, gain);
}

Command outputStep(quint8 channel, double step)
{
    return channelValue(Msg::OutGainStep, channel, step);
}

Command presetLoad(quint8 slot)
{
    return {Msg::PresetLoadSlot, ByteWriter().u8(slot)};
}

Command systemMute(bool mute)
{
    return {Msg::SysSystemMute, ByteWriter().u8(mute ? 1 : 0)};
}

QString frameText(MessageId id, const QByteArray &payload)
{
    const QByteArray frame = Frame::build(id, Frame::WriteRequest, payload);
    return QString::fromLatin1(frame.toHex(' ').toUpper());
}

} // namespace CommandText
