#pragma once

#include <QtGlobal>

namespace sim {

// The automatic gain control of an input, in wire order.
struct Agc
{
    quint8 enabled = 0;
    float threshold = -30.0f;
    float target = -20.0f;
    float ratio = 2.0f;
    float attack = 20.0f;
    float release = 20.0f;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.f32(threshold, -120.0f, 0.0f);
        v.f32(target, -120.0f, 0.0f);
        v.f32(ratio, 1.0f, 100.0f);
        v.f32(attack, 20.0f, 1000.0f);
        v.f32(release, 20.0f, 1000.0f);
    }
};

} // namespace sim
