#pragma once

#include <QByteArray>
#include <QVector>

// The channels the USB recording pair can record, and the messages that route them. Each source
// channel has a Left and a Right flag (banks 0 and 1 of the record switches); source codes
// 0..15 are inputs 1..16 and 18..33 outputs 1..16, as the device numbers them.
namespace RecordSources {

enum Side : quint8 { Left = 0, Right = 1 };
// The four choices of the channel menu, in menu order.
enum Choice { LeftAndRight = 0, LeftOnly, RightOnly, Off };

constexpr quint8 NoSource = 0xFF;
constexpr int Sources = 36;
constexpr quint8 FirstOutputCode = 18;

struct Channel
{
    quint8 code = 0; // the source index on the wire
    bool output = false;
    int index = 0; // channel index 0..15 of its side

    bool operator==(const Channel &o) const
    {
        return code == o.code && output == o.output && index == o.index;
    }
};

// Inputs 1..16, then outputs 1..16, without the channels the masks hide (bit k: channel 9 + k).
QVector<Channel> channels(quint32 inputMask, quint32 outputMask);

Choice choiceOf(quint8 left, quint8 right);
quint8 leftFlag(Choice choice);
quint8 rightFlag(Choice choice);

// One flag of one channel: side, source code, flag.
QByteArray channelPayload(Side side, quint8 code, quint8 flag);
// Every flag of one side cleared: side, then 36 zero bytes (the layout of the reply).
QByteArray clearPayload(Side side);

} // namespace RecordSources
