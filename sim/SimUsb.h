#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace sim {

// The USB player and recorder of the processor: the files of the audio directory of the
// inserted drive are the play list, those of its record directory the record list; a play state
// machine with a running position, and a recorder whose new file is in the record list from
// the moment it starts, its duration growing while it records. Without a drive both lists are
// empty and every command is refused.
class SimUsb
{
public:
    struct File
    {
        QString name;
        quint32 seconds = 0;
    };

    enum PlayState : quint8 { Stopped = 0, Playing = 1, Paused = 2 };
    enum PlayMode : quint8 { Order = 0, Shuffle = 1, RepeatSingle = 2, RepeatList = 3 };

    SimUsb();

    // The audio and record directories of the drive; empty without one.
    const QVector<File> &playList() const;
    const QVector<File> &recordList() const;

    bool driveInserted() const { return m_inserted; }
    // Inserting or pulling the drive; pulling it stops playback and recording.
    void setDriveInserted(bool inserted);

    quint8 playMode() const { return m_playMode; }
    quint8 playState() const { return m_playState; }
    quint16 position() const { return m_position; }
    quint16 duration() const;
    QString playFile() const;

    quint8 recordState() const { return m_recording ? 1 : 0; }
    quint32 recordSeconds() const { return m_recordSeconds; }
    QString recordFile() const;

    bool playing() const { return m_playState == Playing; }

    // Playback command: command byte, then its argument. False when the command is not
    // understood (nothing changes).
    bool control(const QByteArray &payload);
    // Record command: 2 and a file name chooses a recording; 1 starts, 0 stops recording.
    bool recordControl(const QByteArray &payload);
    // Lets the given number of seconds of playback and recording pass.
    void advance(int seconds);

private:
    void start(int index);
    void next(bool byUser);
    void previous();
    int indexOf(const QVector<File> &list, const QByteArray &utf8Name) const;
    void stopRecording();

    bool m_inserted = true;
    QVector<File> m_playList;
    QVector<File> m_recordList;
    quint8 m_playMode = Order;
    quint8 m_playState = Stopped;
    quint16 m_position = 0;
    int m_current = -1;
    bool m_recording = false;
    int m_recordingIndex = -1; // the file being recorded
    quint32 m_recordSeconds = 0;
    int m_recordCurrent = -1;
    quint32 m_shuffleSeed = 12345;
};

} // namespace sim
