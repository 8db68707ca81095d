#include "UsbPlayback.h"

#include "wire/ByteWriter.h"

namespace UsbPlayback {

namespace {

const int Hour = 3600;

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString minutesSeconds(qint64 seconds)
{
    return twoDigits(seconds / 60) + QLatin1Char(':') + twoDigits(seconds % 60);
}

QString hoursMinutesSeconds(qint64 seconds)
{
    return twoDigits(seconds / Hour) + QLatin1Char(':') + twoDigits(seconds % Hour / 60)
            + QLatin1Char(':') + twoDigits(seconds % 60);
}

} // namespace

QString playTimeText(int position, int duration)
{
    const qint64 p = qMax(position, 0);
    const qint64 d = qMax(duration, 0);
    if (d < Hour)
        return minutesSeconds(p) + QStringLiteral(" / ") + minutesSeconds(d);
    return hoursMinutesSeconds(p) + QStringLiteral(" / ") + hoursMinutesSeconds(d);
}

QString recordTimeText(quint32 seconds)
{
    return seconds < quint32(Hour) ? minutesSeconds(seconds) : hoursMinutesSeconds(seconds);
}

QByteArray playPausePayload(quint8 playState)
{
    if (playState > Paused)
        return {};
    return ByteWriter(1).u8(playState);
}

QByteArray playFilePayload(const QString &name)
{
    return ByteWriter().u8(PlayFile).bytes(name.toUtf8());
}

QByteArray seekPayload(int position)
{
    return ByteWriter(3).u8(Seek).u16(quint16(qBound(0, position, 0xFFFF)));
}

QByteArray simpleCommand(Command command)
{
    return ByteWriter(1).u8(command);
}

QByteArray playModePayload(quint8 mode)
{
    return ByteWriter(2).u8(PlayMode).u8(mode);
}

QByteArray recordButtonPayload(quint8 recordState)
{
    return ByteWriter(1).u8(recordState == 1 ? StopRecording : StartRecording);
}

QByteArray chooseRecordingPayload(const QString &name)
{
    return ByteWriter().u8(ChooseRecording).bytes(name.toUtf8());
}

bool asksSwitchToUsb(int bootMode, quint8 armMajor, quint32 input1Mode, quint32 input2Mode)
{
    if (bootMode != 1 && armMajor != 1)
        return false;
    return input1Mode != UsbInputMode || input2Mode != UsbInputMode;
}

} // namespace UsbPlayback
