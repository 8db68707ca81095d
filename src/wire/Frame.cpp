#include "Frame.h"

#include <QtEndian>

#include <cstring>

namespace Frame {

int encode(char *out, quint16 productCode, MessageId id, quint8 flag, const char *payload,
           int length)
{
    if (length < 0 || length > MaxPayload)
        return -1;
    auto *p = reinterpret_cast<uchar *>(out);
    p[0] = HeaderByte0;
    p[1] = HeaderByte1;
    qToLittleEndian<quint16>(productCode, p + 2);
    p[4] = id.type;
    p[5] = id.subType;
    p[6] = id.funcId;
    p[7] = flag;
    qToLittleEndian<quint16>(quint16(length), p + 8);
    if (length > 0)
        std::memcpy(p + HeaderSize, payload, size_t(length));
    p[HeaderSize + length] = TailByte0;
    p[HeaderSize + length + 1] = TailByte1;
    return length + Overhead;
}

QByteArray build(MessageId id, quint8 flag, const QByteArray &payload, quint16 productCode)
{
    if (payload.size() > MaxPayload)
        return {};
    QByteArray frame(payload.size() + Overhead, Qt::Uninitialized);
    encode(frame.data(), productCode, id, flag, payload.constData(), payload.size());
    return frame;
}

} // namespace Frame
