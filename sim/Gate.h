#pragma once

#include <QtGlobal>

namespace sim {

// The noise gate of an input, in wire order.
struct Gate
{
    quint8 enabled = 1;
    float threshold = -65.0f;
    float attack = 1.0f;
    float release = 20.0f;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.f32(threshold, -120.0f, 0.0f);
        v.f32(attack, 1.0f, 1000.0f);
        v.f32(release, 1.0f, 1000.0f);
    }
};

} // namespace sim
