#pragma once

#include <QString>

// USB playback and recording as the device reports them. The play and record lists are not
// kept here: each entry is announced as it arrives and the record/playback view keeps the list.
struct UsbState
{
    static constexpr quint8 NoRecordSource = 0xFF;

    quint32 playCount = 0;
    quint8 playMode = 0; // 0..3, the index of the play mode button
    quint8 playState = 0; // 0..2, 1 = playing
    quint16 playPosition = 0;
    quint16 playDuration = 0;
    QString playFile;
    quint32 recordCount = 0;
    quint8 recordState = 0; // 0..1, 1 = recording
    quint32 recordTime = 0;
    QString recordFile;
    quint8 recordSource = NoRecordSource; // selected record source button
};
