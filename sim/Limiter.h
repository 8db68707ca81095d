#pragma once

#include <QtGlobal>

namespace sim {

// The limiter of a channel, in wire order.
struct Limiter
{
    quint8 enabled = 0;
    float threshold = 0.0f;
    float ratio = 2.0f;
    float attack = 10.0f;
    float release = 151.0f;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.f32(threshold, -100.0f, 18.0f);
        v.f32(ratio, 1.0f, 100.0f);
        v.f32(attack, 1.0f, 1000.0f);
        v.f32(release, 1.0f, 1000.0f);
    }
};

} // namespace sim
