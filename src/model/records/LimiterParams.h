#pragma once

#include <QtGlobal>

// The limiter of one channel; the field order is the wire order.
struct LimiterParams
{
    static constexpr int WireSize = 17;

    quint8 enabled = 0;
    float threshold = 0.0f; // dB, -100..18
    float ratio = 2.0f; // 1..100
    float attack = 10.0f; // ms, 1..1000
    float release = 151.0f; // ms, 1..1000

    bool operator==(const LimiterParams &o) const
    {
        return enabled == o.enabled && threshold == o.threshold && ratio == o.ratio
                && attack == o.attack && release == o.release;
    }
    bool operator!=(const LimiterParams &o) const { return !(*this == o); }
};
