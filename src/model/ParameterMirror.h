#pragma once

#include "wire/MessageId.h"
#include "model/records/AecState.h"
#include "model/records/AncState.h"
#include "model/records/AutoMixerState.h"
#include "model/records/DanteState.h"
#include "model/records/DeviceInfo.h"
#include "model/records/GpioPort.h"
#include "model/records/InputChannel.h"
#include "model/records/MatrixExtras.h"
#include "model/records/OutputChannel.h"
#include "model/records/PresetTable.h"
#include "model/records/SignalGeneratorState.h"
#include "model/records/UsbState.h"

#include <array>

// Reports that are announced on their first reply after start-up even when the value equals
// the start value, so that the views leave their "unknown" look. The handler clears its flag.
struct RefreshFlags
{
    bool faultFlags = true;
    bool faults = true;
    bool danteState = true;
    bool status35 = true;
};

// The in-memory copy of every parameter of the connected processor. Views read and write the
// fields directly; the reply handlers store what the device reports.
struct ParameterMirror
{
    static constexpr int ChannelCount = 18; // 16 channels and the USB pair
    static constexpr int UsbChannel = 16;

    std::array<InputChannel, ChannelCount> inputs;
    std::array<OutputChannel, ChannelCount> outputs;
    MatrixExtras matrix;
    DeviceInfo device;
    SignalGeneratorState signalGenerator;
    UsbState usb;
    AecState aec;
    AncState anc;
    AutoMixerState autoMixer;
    DanteState dante;
    std::array<GpioPort, GpioPort::PortCount> gpio;
    PresetTable presets;
    RefreshFlags refresh;

    ParameterMirror();

    // Default names of inputs and outputs 13..16: Dante receive and transmit channels where the
    // Dante masks say so (bit i stands for channel index 8 + i), plain names otherwise.
    void setDanteChannelNames(quint16 danteInputMask, quint16 danteOutputMask);
    // The default names again, in the language installed now.
    void retranslateDefaultNames();

    // Channel counts and Dante support of one of the five channel configurations, used until the
    // device reports its own.
    void presetDeviceVersion(int deviceVersion);

    // Restores the live values that must not survive a change of device (meters, versions,
    // status reports); parameter records stay. danteSupported is kept when keepDanteSupport is
    // set (the Dante configurations are chosen by hand in that boot mode).
    void resetLiveValues(bool keepDanteSupport);

    // The fixed list announced after resetLiveValues so that every view redraws, in order.
    static const std::array<MessageId, 17> &resetAnnouncements();

    // Whether every clamped or enumerated field lies within its range. Replies can never move a
    // field outside; the fuzzers check it after every input.
    bool isWithinRanges() const;

private:
    quint16 m_danteInputMask = 0;
    quint16 m_danteOutputMask = 0;
};
