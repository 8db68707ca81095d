#pragma once

#include "AgcParams.h"
#include "GateParams.h"
#include "HlpfFilter.h"
#include "LimiterParams.h"
#include "PeqFilter.h"

#include <QString>

#include <array>

// Meter level meaning no signal or no data yet.
constexpr qint8 MeterFloor = -100;

// One input of the processor: inputs 1 to 16 at indices 0..15, the USB playback pair at 16, 17.
struct InputChannel
{
    static constexpr int MatrixOutputs = 16;

    QString label; // the user's name for the channel, at most 16 bytes
    QString defaultName;
    QString shortLabel; // touch-screen label, at most 10 bytes
    qint8 preMeter = MeterFloor;
    qint8 postMeter = MeterFloor;
    quint8 phantom = 0; // 48 V
    quint8 mute = 0;
    float inputGain = 0.0f; // dB, 0..50
    quint8 group = 0; // 0 none, 1..8
    quint8 invert = 0;
    quint8 preMixMute = 0;
    float preMixGain = 0.0f; // dB, -56..12
    float gainMin = -56.0f; // the pre-mix fader's limits, dB
    float gainMax = 12.0f;
    quint8 feedbackEnabled = 0;
    quint32 inputMode = 0; // 0..2, 2 = USB playback
    quint8 gateStatus = 0;
    GateParams gate;
    AgcParams agc;
    HlpfFilter hpf;
    HlpfFilter lpf {0, 0, 0, 20000.0f};
    std::array<PeqFilter, PeqFilter::BandCount> peq = PeqFilter::startBands();
    LimiterParams limiter;
    float limiterGain = 0.0f; // dB, 0..20
    std::array<quint8, MatrixOutputs> matrixRoute {};
    std::array<qint8, MatrixOutputs> matrixGain {}; // dB, -56..12
    float delay = 0.0f; // ms, 0..1000
    quint8 priority = 0;
    // Noise reduction of the first-generation noise canceller, 0..3 (disabled, weak, strong,
    // strongest), as last set: the device's answer to its query is not read.
    quint8 noiseReduction = 0;
};
