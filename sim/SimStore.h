#pragma once

#include "ChannelConfig.h"
#include "PresetSlot.h"
#include "SimAudio.h"
#include "SimDante.h"
#include "SimIdentity.h"
#include "SimSystem.h"
#include "SimUsb.h"

#include <array>

namespace sim {

// The processor's state: what every reply reads and every set writes. Plain data with the
// start values of a processor fresh from the factory; no sockets, no timers.
class SimStore
{
public:
    explicit SimStore(const SimIdentity &identity = {});

    // Back to the factory state (presets, labels, set-up, passwords); identity and network stay.
    void factoryReset();
    // Saves, loads, deletes presets. False when the slot is out of range or (load) unused.
    bool savePreset(int slot);
    bool loadPreset(int slot);
    bool deletePreset(int slot);
    // The size of the scene every saved preset keeps (0 by default); the used slots get theirs.
    void setSceneSize(int size);
    int sceneSize() const { return m_sceneSize; }

    quint32 runTime() const; // seconds since boot, by now
    quint32 totalTime() const;
    // The device clock by now: second, minute, hour, day, 0, month - 1, year - 1900.
    QByteArray dateTime() const;
    void setDateTime(const QByteArray &seven);
    // A new boot: run time starts again, the boot count grows.
    void reboot(const FirmwareVersion &armVersion);

    SimIdentity identity;
    ChannelConfig config;
    SimAudio audio;
    SimSystem system;
    SimUsb usb;
    SimDante dante;
    std::array<PresetSlot, PresetSlots> presets {};
    quint8 currentPreset = NoPreset;
    qint64 now = 0; // the device clock (ms since the epoch) for the request being answered
    qint64 bootTime = 0;

private:
    int m_sceneSize = 0;
};

} // namespace sim
