#pragma once

#include <QtGlobal>

#include <array>

// One band of the parametric equaliser; the field order is the wire order.
struct PeqFilter
{
    static constexpr int WireSize = 11;
    static constexpr int BandCount = 8;
    static constexpr quint8 StartQ = 43;
    static constexpr std::array<float, BandCount> StartFrequencies {
            100.0f, 300.0f, 500.0f, 800.0f, 1000.0f, 3000.0f, 5000.0f, 8000.0f};

    quint8 enabled = 1;
    quint8 type = 0; // 0..2
    float frequency = 1000.0f; // Hz, 20..20000
    float gain = 0.0f; // dB, -15..15
    quint8 q = StartQ; // index into the editor's Q scale, 0..64

    bool operator==(const PeqFilter &o) const
    {
        return enabled == o.enabled && type == o.type && frequency == o.frequency && gain == o.gain
                && q == o.q;
    }
    bool operator!=(const PeqFilter &o) const { return !(*this == o); }

    // The eight bands as a channel starts and as a filter reset leaves them.
    static std::array<PeqFilter, BandCount> startBands()
    {
        std::array<PeqFilter, BandCount> bands;
        for (int i = 0; i < BandCount; ++i)
            bands[size_t(i)].frequency = StartFrequencies[size_t(i)];
        return bands;
    }
};
