#include "SimUsb.h"

#include "wire/ByteReader.h"

namespace sim {

SimUsb::SimUsb()
    : m_playList {{QStringLiteral("Opening Theme.mp3"), 214},
                  {QStringLiteral("Background Loop.wav"), 61},
                  {QStringLiteral("会议背景音乐.flac"), 187},
                  {QStringLiteral("Announcement.aac"), 12},
                  {QStringLiteral("Closing.ape"), 3725}},
      m_recordList {{QStringLiteral("REC0001.wav"), 95}, {QStringLiteral("REC0002.wav"), 1320}}
{
}

const QVector<SimUsb::File> &SimUsb::playList() const
{
    static const QVector<File> none;
    return m_inserted ? m_playList : none;
}

const QVector<SimUsb::File> &SimUsb::recordList() const
{
    static const QVector<File> none;
    return m_inserted ? m_recordList : none;
}

void SimUsb::setDriveInserted(bool inserted)
{
    if (inserted == m_inserted)
        return;
    m_inserted = inserted;
    if (!inserted) {
        stopRecording();
        m_playState = Stopped;
        m_position = 0;
        m_current = -1;
        m_recordCurrent = -1;
    }
}

void SimUsb::stopRecording()
{
    m_recording = false;
    m_recordingIndex = -1;
}

quint16 SimUsb::duration() const
{
    if (m_current < 0)
        return 0;
    return quint16(qMin<quint32>(m_playList[m_current].seconds, 0xFFFF));
}

QString SimUsb::playFile() const
{
    return m_current < 0 ? QString() : m_playList[m_current].name;
}

QString SimUsb::recordFile() const
{
    return m_recordCurrent < 0 ? QString() : m_recordList[m_recordCurrent].name;
}

int SimUsb::indexOf(const QVector<File> &list, const QByteArray &utf8Name) const
{
    const QString name = QString::fromUtf8(utf8Name);
    for (int i = 0; i < list.size(); ++i)
        if (list[i].name == name)
            return i;
    return -1;
}

void SimUsb::start(int index)
{
    m_current = index;
    m_position = 0;
    m_playState = Playing;
}

void SimUsb::next(bool byUser)
{
    if (m_playList.isEmpty())
        return;
    const int last = m_playList.size() - 1;
    int index = m_current;
    switch (m_playMode) {
    case Shuffle:
        m_shuffleSeed = m_shuffleSeed * 1103515245u + 12345u;
        index = int((m_shuffleSeed >> 16) % quint32(m_playList.size()));
        break;
    case RepeatSingle:
        if (byUser)
            index = index >= last ? 0 : index + 1;
        break;
    case RepeatList:
        index = index >= last ? 0 : index + 1;
        break;
    default: // in order: the end of the list stops
        if (index >= last && !byUser) {
            m_playState = Stopped;
            m_position = 0;
            return;
        }
        index = index >= last ? 0 : index + 1;
        break;
    }
    start(qMax(index, 0));
}

void SimUsb::previous()
{
    if (m_playList.isEmpty())
        return;
    start(m_current <= 0 ? m_playList.size() - 1 : m_current - 1);
}

bool SimUsb::control(const QByteArray &payload)
{
    if (payload.isEmpty() || !m_inserted)
        return false;
    ByteReader in(payload);
    const quint8 command = in.u8();
    switch (command) {
    case 0: // play/pause sent while the player was stopped; the stop button in any other state
        if (m_playState == Stopped) {
            if (!m_playList.isEmpty())
                start(m_current < 0 ? 0 : m_current);
        } else {
            m_playState = Stopped;
            m_position = 0;
        }
        return true;
    case 1: // pause
        if (m_playState == Playing)
            m_playState = Paused;
        return true;
    case 2: // resume
        if (m_playState == Paused)
            m_playState = Playing;
        return true;
    case 3: {
        const int index = indexOf(m_playList, payload.mid(1));
        if (index < 0)
            return false;
        start(index);
        return true;
    }
    case 4:
        previous();
        return true;
    case 5:
        next(true);
        return true;
    case 6: {
        const quint16 position = in.u16();
        if (!in.ok())
            return false;
        m_position = qMin(position, duration());
        return true;
    }
    case 7: {
        const quint8 mode = in.u8();
        if (!in.ok() || mode > RepeatList)
            return false;
        m_playMode = mode;
        return true;
    }
    default:
        return false;
    }
}

bool SimUsb::recordControl(const QByteArray &payload)
{
    if (payload.isEmpty() || !m_inserted)
        return false;
    const quint8 command = quint8(payload[0]);
    if (command == 2) {
        const int index = indexOf(m_recordList, payload.mid(1));
        if (index < 0)
            return false;
        m_recordCurrent = index;
        return true;
    }
    if (payload.size() != 1 || command > 1)
        return false;
    if (command == 1 && !m_recording) {
        // The new file is written from the first moment: it is listed at once.
        m_recording = true;
        m_recordSeconds = 0;
        m_recordList.append(
                {QStringLiteral("REC%1.wav").arg(m_recordList.size() + 1, 4, 10, QLatin1Char('0')),
                 0});
        m_recordingIndex = m_recordList.size() - 1;
        m_recordCurrent = m_recordingIndex;
    } else if (command == 0 && m_recording) {
        stopRecording();
    }
    return true;
}

void SimUsb::advance(int seconds)
{
    for (int s = 0; s < seconds; ++s) {
        if (m_recording) {
            ++m_recordSeconds;
            if (m_recordingIndex >= 0)
                m_recordList[m_recordingIndex].seconds = m_recordSeconds;
        }
        if (m_playState != Playing)
            continue;
        if (m_position + 1 < duration()) {
            ++m_position;
        } else if (m_playMode == RepeatSingle) {
            m_position = 0;
        } else {
            next(false);
        }
    }
}

} // namespace sim
