#include "SimAudio.h"

#include "WireReader.h"
#include "WireWriter.h"

namespace sim {

QByteArray SimAudio::serialize() const
{
    return encodeRecord(*this);
}

bool SimAudio::deserialize(const QByteArray &bytes)
{
    if (bytes.size() != serializedSize())
        return false;
    ByteReader in(bytes);
    return decodeRecord(in, *this);
}

int SimAudio::serializedSize()
{
    static const int size = SimAudio().serialize().size();
    return size;
}

} // namespace sim
