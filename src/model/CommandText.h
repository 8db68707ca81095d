#pragma once

#include "wire/MessageId.h"

#include <QByteArray>
#include <QString>

// The commands an external controller sends over RS232 or TCP, and their frames written as
// text ("82 7D 01 00 ..."). Shared by the command assistant and vexatarn-cli, so both show the
// same bytes. Channels are indices (0..16), slots 0..31.
namespace CommandText {

// A message identity with its payload, ready to be framed as a write request.
struct Command
{
    MessageId id;
    QByteArray payload;
};

// The range and precision of the gain and step values (dB, one decimal).
constexpr double MinimumGain = -56.0;
constexpr double MaximumGain = 12.0;
// What a fixed gain at or below the minimum is sent as: the channel silenced.
constexpr float SilentGain = -100.0f;
constexpr int LastChannel = 16;
constexpr int PresetSlots = 32;

Command login(const QString &password);
Command inputMute(quint8 channel, bool mute);
Command inputGain(quint8 channel, double gain);
Command inputStep(quint8 channel, double step);
Command outputMute(quint8 channel, bool mute);
Command outputGain(quint8 channel, double gain);
Command outputStep(quint8 channel, double step);
Command presetLoad(quint8 slot);
Command systemMute(bool mute);

// A value as the one-decimal spin box holds it.
double roundToTenth(double value);

// The write-request frame of the command, each byte as two upper-case hex digits, separated by
// one blank. Empty when the payload is too long for a frame.
QString frameText(MessageId id, const QByteArray &payload);
inline QString frameText(const Command &command)
{
    return frameText(command.id, command.payload);
}

} // namespace CommandText
