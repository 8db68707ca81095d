#pragma once

#include <QByteArray>

namespace sim {

// CRC-32 as in zlib and Ethernet (reflected polynomial 0xEDB88320): crc32("123456789") is
// 0xCBF43926.
quint32 crc32(const char *data, int size);
inline quint32 crc32(const QByteArray &bytes)
{
    return crc32(bytes.constData(), bytes.size());
}

} // namespace sim
