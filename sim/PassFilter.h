#pragma once

#include <QtGlobal>

namespace sim {

// A high-pass or low-pass filter of a channel, in wire order.
struct PassFilter
{
    quint8 enabled = 0;
    quint8 type = 0;
    quint8 slope = 0;
    float frequency = 20.0f;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.u8(type, 0, 2);
        v.u8(slope, 0, 5);
        v.f32(frequency, 20.0f, 20000.0f);
    }
    static PassFilter highPass() { return {}; }
    static PassFilter lowPass()
    {
        PassFilter f;
        f.frequency = 20000.0f;
        return f;
    }
};

} // namespace sim
