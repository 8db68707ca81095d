#pragma once

#include <QtGlobal>

#include <array>

struct SignalGeneratorState
{
    float frequency = 1000.0f; // Hz, 0..24000
    float gain = -30.0f; // dB, -70..12
    quint32 type = 0; // 0 pink noise, 1 sine wave, 2 white noise
    quint8 mute = 1;
    std::array<quint8, 16> outputs {};
};
