#pragma once

#include <QString>

#include <array>

// The device's 32 preset slots.
struct PresetTable
{
    static constexpr int SlotCount = 32;
    static constexpr quint8 NoPreset = 255;

    quint8 current = NoPreset; // 0..31 once the device reported it
    std::array<quint8, SlotCount> used {};
    std::array<QString, SlotCount> names;
    quint8 loadProgress = 0; // percent, reported while a preset loads
};
