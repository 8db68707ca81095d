#pragma once

#include "AudioLayout.h"

#include <QtGlobal>

#include <array>

namespace sim {

// The signal generator and the outputs it feeds.
struct SignalGenerator
{
    float frequency = 1000.0f;
    float gain = -30.0f;
    quint8 type = 0; // 0 pink noise, 1 sine, 2 white noise
    quint8 mute = 1;
    std::array<quint8, MatrixOutputs> outputs {};

    template<typename V> void fields(V &v)
    {
        v.f32(frequency, 0.0f, 24000.0f);
        v.f32(gain, -70.0f, 12.0f);
        v.u8(type, 0, 2);
        v.flag(mute);
        for (quint8 &o : outputs)
            v.flag(o);
    }
};

} // namespace sim
