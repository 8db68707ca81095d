#pragma once

#include <QtGlobal>

#include <array>

namespace sim {

// The automatic mixer: a weight and a group per input, two groups to enable.
struct AutoMixer
{
    std::array<float, 16> weight {};
    std::array<quint8, 16> group {};
    std::array<quint8, 2> enabled {};

    template<typename V> void fields(V &v)
    {
        for (float &w : weight)
            v.f32(w, -12.0f, 12.0f);
        for (quint8 &g : group)
            v.u8(g, 0, 2);
        for (quint8 &e : enabled)
            v.flag(e);
    }
};

} // namespace sim
