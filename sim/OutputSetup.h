#pragma once

#include "InputSetup.h"

namespace sim {

// The set-up of one output channel record, in wire order.
struct OutputSetup
{
    quint8 mute = 0;
    float gain = 0.0f;
    float gainMax = 12.0f;
    float gainMin = -56.0f;
    quint8 group = 0;
    quint8 invert = 0;
    PassFilter highPass = PassFilter::highPass();
    PassFilter lowPass = PassFilter::lowPass();
    std::array<EqBand, EqBands> eq = InputSetup::startBands();
    Limiter limiter;
    float delay = 0.0f;

    void resetFilters();

    template<typename V> void fields(V &v)
    {
        v.flag(mute);
        v.f32(gain, -56.0f, 12.0f);
        v.f32(gainMax, -56.0f, 12.0f);
        v.f32(gainMin, -56.0f, 12.0f);
        v.u8(group, 0, 8);
        v.flag(invert);
        highPass.fields(v);
        lowPass.fields(v);
        for (EqBand &band : eq)
            band.fields(v);
        limiter.fields(v);
        v.f32(delay, 0.0f, 2000.0f);
    }
};

} // namespace sim
