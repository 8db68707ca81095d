#pragma once

#include <QtGlobal>

#include <cmath>

// The value ranges of the device's parameters. Replies are clamped to them before they are
// stored, and the editors limit their controls to the same ranges.
struct FloatRange
{
    float min;
    float max;

    // NaN is not a value of any parameter: callers treat it as absent.
    static bool isValue(float v) { return !std::isnan(v); }
    float clamp(float v) const { return v < min ? min : (v > max ? max : v); }
    bool contains(float v) const { return v >= min && v <= max; }
};

namespace Ranges {

constexpr FloatRange InputGain {0.0f, 50.0f};
constexpr FloatRange LevelGain {-56.0f, 12.0f}; // pre-mix, output gain and their fader limits
constexpr FloatRange InputDelay {0.0f, 1000.0f};
constexpr FloatRange OutputDelay {0.0f, 2000.0f};
constexpr FloatRange LimiterGain {0.0f, 20.0f};

constexpr FloatRange FilterFrequency {20.0f, 20000.0f};
constexpr FloatRange PeqGain {-15.0f, 15.0f};
constexpr quint8 FilterTypeMax = 2;
constexpr quint8 FilterSlopeMax = 5;
constexpr quint8 PeqQMax = 64;

constexpr FloatRange LimiterThreshold {-100.0f, 18.0f};
constexpr FloatRange LimiterRatio {1.0f, 100.0f};
constexpr FloatRange LimiterTime {1.0f, 1000.0f};

constexpr FloatRange GateThreshold {-120.0f, 0.0f};
constexpr FloatRange GateTime {1.0f, 1000.0f};

constexpr FloatRange AgcLevel {-120.0f, 0.0f}; // threshold and target
constexpr FloatRange AgcRatio {1.0f, 100.0f};
constexpr FloatRange AgcTime {20.0f, 1000.0f};

constexpr qint8 MatrixGainMin = -56;
constexpr qint8 MatrixGainMax = 12;

constexpr FloatRange SignalFrequency {0.0f, 24000.0f};
constexpr FloatRange SignalGain {-70.0f, 12.0f};
constexpr quint8 SignalTypeMax = 2;

constexpr FloatRange AutoMixWeight {-12.0f, 12.0f};
constexpr quint8 AutoMixGroupMax = 2;

constexpr quint8 InputModeMax = 2; // 2 = USB playback, inputs 0 and 1 only
constexpr quint8 GroupMax = 8; // 0 = no group
constexpr quint8 FaultStateMax = 2; // 2 = failed
constexpr quint8 UsbPlayModeMax = 3;
constexpr quint8 UsbPlayStateMax = 2;
constexpr quint8 UsbRecordStateMax = 1;
constexpr quint8 GpioKindMax = 2;
constexpr quint8 SyncModeMax = 2;
constexpr quint8 SyncStatusMax = 2;
constexpr quint8 DanteClockStateMax = 11;

} // namespace Ranges
