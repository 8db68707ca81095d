#pragma once

#include <QtGlobal>

// The automatic gain control of one input; the field order is the wire order.
struct AgcParams
{
    static constexpr int WireSize = 21;

    quint8 enabled = 0;
    float threshold = -30.0f; // dB, -120..0
    float target = -20.0f; // dB, -120..0
    float ratio = 2.0f; // 1..100
    float attack = 20.0f; // ms, 20..1000
    float release = 20.0f; // ms, 20..1000

    bool operator==(const AgcParams &o) const
    {
        return enabled == o.enabled && threshold == o.threshold && target == o.target
                && ratio == o.ratio && attack == o.attack && release == o.release;
    }
    bool operator!=(const AgcParams &o) const { return !(*this == o); }
};
