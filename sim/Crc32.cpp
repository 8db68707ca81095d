#include "Crc32.h"

#include <array>

namespace sim {

namespace {

std::array<quint32, 256> makeTable()
{
    std::array<quint32, 256> table {};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

} // namespace

quint32 crc32(const char *data, int size)
{
    static const std::array<quint32, 256> table = makeTable();
    quint32 c = 0xFFFFFFFFu;
    for (int i = 0; i < size; ++i)
        c = table[(c ^ quint8(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

} // namespace sim
