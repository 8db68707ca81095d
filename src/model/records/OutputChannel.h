#pragma once

#include "HlpfFilter.h"
#include "InputChannel.h"
#include "LimiterParams.h"
#include "PeqFilter.h"

#include <QString>

#include <array>

// One output of the processor: outputs 1 to 16 at indices 0..15, the USB recording pair at 16, 17.
struct OutputChannel
{
    QString label; // at most 16 bytes
    QString defaultName;
    qint8 preMeter = MeterFloor;
    qint8 postMeter = MeterFloor;
    quint8 mute = 0;
    float gain = 0.0f; // dB, -56..12
    float gainMin = -56.0f;
    float gainMax = 12.0f;
    quint8 group = 0; // 0 none, 1..8
    quint8 invert = 0;
    HlpfFilter hpf;
    HlpfFilter lpf {0, 0, 0, 20000.0f};
    std::array<PeqFilter, PeqFilter::BandCount> peq = PeqFilter::startBands();
    LimiterParams limiter;
    float delay = 0.0f; // ms, 0..2000
};
