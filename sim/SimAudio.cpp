#include "SimAudio.h"

#include "SimWire.h"

std::array<EqBand, EqBands> InputSetup::startBands()
{
    std::array<EqBand, EqBands> bands {};
    for (int b = 0; b < EqBands; ++b)
        bands[b].frequency = eqStartFrequency(b);
    return bands;
}

void InputSetup::resetFilters()
{
    highPass = PassFilter::highPass();
    lowPass = PassFilter::lowPass();
    eq = startBands();
}

void OutputSetup::resetFilters()
{
    highPass = PassFilter::highPass();
    lowPass = PassFilter::lowPass();
    eq = InputSetup::startBands();
}

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
