#pragma once

#include <QByteArray>
#include <QString>

// The rules of USB playback and recording that need no widget: the time texts, the payloads of
// the player and recorder commands, and when playing a file first asks to switch inputs 1 and 2
// to USB.
namespace UsbPlayback {

// The first byte of a player command (2/5/4).
enum Command : quint8 {
    Stopped = 0, // play/pause and stop: the command is the play state held in the model
    Playing = 1,
    Paused = 2,
    PlayFile = 3,
    Previous = 4,
    Next = 5,
    Seek = 6,
    PlayMode = 7,
};

// The first byte of a recorder command (2/5/19).
enum RecordCommand : quint8 { StopRecording = 0, StartRecording = 1, ChooseRecording = 2 };

constexpr int PlayModes = 4; // Order, Shuffle, Repeat Single, Repeat List
constexpr quint32 UsbInputMode = 2;

// "mm:ss / mm:ss" while the duration is under an hour, "hh:mm:ss / hh:mm:ss" from an hour on.
QString playTimeText(int position, int duration);
// "mm:ss" under an hour, "hh:mm:ss" from an hour on.
QString recordTimeText(quint32 seconds);

// Play/pause: the current play state (0..2) alone; any other state goes out with no payload.
QByteArray playPausePayload(quint8 playState);
QByteArray playFilePayload(const QString &name);
QByteArray seekPayload(int position);
QByteArray simpleCommand(Command command);
QByteArray playModePayload(quint8 mode);
// The record button: stop while recording, start otherwise.
QByteArray recordButtonPayload(quint8 recordState);
QByteArray chooseRecordingPayload(const QString &name);

// Playing a file asks first when the boot mode is 1 or the control firmware's major version is
// 1, and inputs 1 and 2 are not both in USB mode yet.
bool asksSwitchToUsb(int bootMode, quint8 armMajor, quint32 input1Mode, quint32 input2Mode);

} // namespace UsbPlayback
