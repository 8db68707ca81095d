#pragma once

#include <QtGlobal>

#include <array>

// One general-purpose input port: its function and 64 bytes of settings, the first of which is
// the function's parameter (channel code or preset slot). The rest is kept as received.
struct GpioPort
{
    static constexpr int PortCount = 8;
    static constexpr int SettingsSize = 64;
    static constexpr int RecordSize = 1 + SettingsSize;

    quint8 kind = 0; // 0 none, 1 mute, 2 load preset
    std::array<quint8, SettingsSize> settings {};

    bool operator==(const GpioPort &o) const { return kind == o.kind && settings == o.settings; }
    bool operator!=(const GpioPort &o) const { return !(*this == o); }
};
