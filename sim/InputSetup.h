#pragma once

#include "Agc.h"
#include "EqBand.h"
#include "Gate.h"
#include "Limiter.h"
#include "PassFilter.h"

#include <array>

namespace sim {

// The set-up of one input channel record, in wire order.
struct InputSetup
{
    quint8 phantom = 0;
    quint8 mute = 0;
    float gain = 0.0f;
    quint8 mode = 0; // 0 microphone, 1 line, 2 USB playback (inputs 0 and 1)
    quint8 group = 0;
    quint8 invert = 0;
    quint8 preMixMute = 0;
    float preMixGain = 0.0f;
    float gainMax = 12.0f;
    float gainMin = -56.0f;
    quint8 feedback = 0;
    quint8 priority = 0;
    quint8 noiseLevel = 0; // per-input noise reduction of the first noise canceller
    Gate gate;
    Agc agc;
    PassFilter highPass = PassFilter::highPass();
    PassFilter lowPass = PassFilter::lowPass();
    std::array<EqBand, EqBands> eq = startBands();
    Limiter limiter;
    float limiterGain = 0.0f;
    float delay = 0.0f;

    static std::array<EqBand, EqBands> startBands();
    void resetFilters();

    template<typename V> void fields(V &v)
    {
        v.flag(phantom);
        v.flag(mute);
        v.f32(gain, 0.0f, 50.0f);
        v.u8(mode, 0, 2);
        v.u8(group, 0, 8);
        v.flag(invert);
        v.flag(preMixMute);
        v.f32(preMixGain, -56.0f, 12.0f);
        v.f32(gainMax, -56.0f, 12.0f);
        v.f32(gainMin, -56.0f, 12.0f);
        v.flag(feedback);
        v.flag(priority);
        v.u8(noiseLevel, 0, 3);
        gate.fields(v);
        agc.fields(v);
        highPass.fields(v);
        lowPass.fields(v);
        for (EqBand &band : eq)
            band.fields(v);
        limiter.fields(v);
        v.f32(limiterGain, 0.0f, 20.0f);
        v.f32(delay, 0.0f, 1000.0f);
    }
};

} // namespace sim
