#pragma once

#include "SimAudio.h"

#include <QByteArray>

namespace sim {

constexpr int PresetSlots = 32;
constexpr quint8 NoPreset = 0xFF;
constexpr int NameSize = 16;

// One of the processor's preset slots.
struct PresetSlot
{
    bool used = false;
    QByteArray name;
    SimAudio audio;
};

} // namespace sim
