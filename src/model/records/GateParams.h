#pragma once

#include <QtGlobal>

// The noise gate of one input; the field order is the wire order.
struct GateParams
{
    static constexpr int WireSize = 13;

    quint8 enabled = 1;
    float threshold = -65.0f; // dB, -120..0
    float attack = 1.0f; // ms, 1..1000
    float release = 20.0f; // ms, 1..1000

    bool operator==(const GateParams &o) const
    {
        return enabled == o.enabled && threshold == o.threshold && attack == o.attack
                && release == o.release;
    }
    bool operator!=(const GateParams &o) const { return !(*this == o); }
};
