#pragma once

#include "InputChannel.h"

#include <array>

struct AutoMixerState
{
    static constexpr int Channels = 16;
    static constexpr int MeterCount = 32; // two rows of 16

    std::array<float, Channels> weights {}; // dB, -12..12
    std::array<quint8, Channels> groups {}; // 0..2
    std::array<quint8, 2> enabled {}; // one per auto-mixer group
    std::array<qint8, MeterCount> meters = filledMeters();

    static std::array<qint8, MeterCount> filledMeters()
    {
        std::array<qint8, MeterCount> m;
        m.fill(MeterFloor);
        return m;
    }
};
