#pragma once

#include <QtGlobal>

namespace sim {

// One band of a channel's parametric equaliser, in wire order.
struct EqBand
{
    quint8 enabled = 1;
    quint8 type = 0;
    float frequency = 1000.0f;
    float gain = 0.0f;
    quint8 q = 43;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.u8(type, 0, 2);
        v.f32(frequency, 20.0f, 20000.0f);
        v.f32(gain, -15.0f, 15.0f);
        v.u8(q, 0, 64);
    }
};

constexpr int EqBands = 8;

// The start frequency of an equaliser band.
constexpr float eqStartFrequency(int band)
{
    constexpr float frequencies[EqBands] = {100, 300, 500, 800, 1000, 3000, 5000, 8000};
    return frequencies[band];
}

} // namespace sim
