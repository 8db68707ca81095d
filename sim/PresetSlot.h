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
    // The touch-screen scene kept with the preset: opaque to the control program, any size
    // (SimStore::setSceneSize), so that images of a real processor's size can be exchanged.
    QByteArray scene;
};

// The scene a slot holds when saved: size bytes, the same for the same slot every time.
QByteArray presetScene(int slot, int size);

} // namespace sim
