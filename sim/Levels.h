#pragma once

#include "SimAudio.h"

#include <array>

namespace sim {

class SimStore;

// What the meters of the processor read at the store's clock: a slow, per-channel level pattern
// (speech with pauses on microphone inputs, steadier programme on line inputs, music while the
// USB player plays), carried through the signal chain of the set-up: input gain and mute, gate,
// pre-mix gain and mute, matrix routes and gains, the signal generator, output gain and mute.
// A pure function of the store: the same store at the same time gives the same levels.
struct Levels
{
    static constexpr qint8 Silence = -100;

    std::array<qint8, ChannelRecords> inputPre {};
    std::array<qint8, ChannelRecords> inputPost {};
    std::array<qint8, ChannelRecords> outputPre {};
    std::array<qint8, ChannelRecords> outputPost {};
    std::array<quint8, ChannelRecords> gateOpen {};
    std::array<qint8, 32> autoMix {}; // attenuation of inputs 0..15, then their level after it
    float temperature = 0.0f;
    std::array<float, 2> dspUsage {};

    static Levels compute(const SimStore &store);
};

} // namespace sim
