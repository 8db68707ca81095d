#pragma once

#include "MessageId.h"

#include <QByteArray>

// The control frame every exchange with the processor travels in:
//   82 7D | u16 productCode | type | subType | funcId | flag | u16 length | payload | 7D 82
// All multi-byte fields are little-endian.
namespace Frame {

constexpr quint8 HeaderByte0 = 0x82;
constexpr quint8 HeaderByte1 = 0x7D;
constexpr quint8 TailByte0 = 0x7D;
constexpr quint8 TailByte1 = 0x82;

constexpr int HeaderSize = 10;
constexpr int TailSize = 2;
constexpr int Overhead = HeaderSize + TailSize;
constexpr int MaxFrameSize = 2048;
constexpr int MaxPayload = MaxFrameSize - Overhead; // 2036
// The length field is 16 bits wide, so nothing longer can ever be announced by a peer.
constexpr int LongestClaimedFrame = 0xFFFF + Overhead;

constexpr quint16 ProductCode = 1;

enum Flag : quint8 {
    ReadRequest = 0x00,
    WriteRequest = 0x01,
    Reply = 0x80,
};

// Writes one frame into out, which must hold at least length + Overhead bytes.
// Returns the frame size, or -1 (nothing written) when length exceeds MaxPayload.
int encode(char *out, quint16 productCode, MessageId id, quint8 flag, const char *payload,
           int length);

// Convenience for tests, the simulator and the command text: the frame as a byte array,
// empty when the payload is too long.
QByteArray build(MessageId id, quint8 flag, const QByteArray &payload = {},
                 quint16 productCode = ProductCode);

} // namespace Frame

// A frame cut out of the receive stream. The payload points into the reassembler's buffer and
// is valid only for the duration of the call that delivers it.
struct ReceivedFrame
{
    MessageId id;
    quint8 flag = 0;
    const char *payload = nullptr;
    int length = 0;

    QByteArray payloadBytes() const { return QByteArray(payload, length); }
};
