#pragma once

#include <QtGlobal>

// A high-pass or low-pass filter of one channel; the field order is the wire order.
struct HlpfFilter
{
    static constexpr int WireSize = 7;

    quint8 enabled = 0;
    quint8 type = 0; // 0..2
    quint8 slope = 0; // 0..5
    float frequency = 20.0f; // Hz, 20..20000

    bool operator==(const HlpfFilter &o) const
    {
        return enabled == o.enabled && type == o.type && slope == o.slope
                && frequency == o.frequency;
    }
    bool operator!=(const HlpfFilter &o) const { return !(*this == o); }
};
