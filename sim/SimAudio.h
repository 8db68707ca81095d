#pragma once

#include "SimRecords.h"

#include <QByteArray>

#include <array>

// The audio set-up of the processor: everything a preset saves and restores. Meters and other
// live values are not part of it.

constexpr int ChannelRecords = 18; // channels 1..16 and the USB pair
constexpr int MatrixOutputs = 16;
constexpr int MatrixSources = 20; // inputs 0..16, 17 unused, 18 echo canceller, 19 noise canceller
constexpr int EchoSource = 18;
constexpr int NoiseSource = 19;
constexpr int RecordSourceChannels = 36;

struct InputSetup
{
    quint8 phantom = 0;
    quint8 mute = 0;
    float gain = 0.0f;
    quint8 mode = 0; // 0 microphone, 1 line, 2 USB playback (inputs 0 and 1)
    quint8 group = 0;
    quint8 invert = 0;
    quint8 preMixMute = 0;
    float preMixGain = 0.0f;
    float gainMax = 12.0f;
    float gainMin = -56.0f;
    quint8 feedback = 0;
    quint8 priority = 0;
    quint8 noiseLevel = 0; // per-input noise reduction of the first noise canceller
    Gate gate;
    Agc agc;
    PassFilter highPass = PassFilter::highPass();
    PassFilter lowPass = PassFilter::lowPass();
    std::array<EqBand, EqBands> eq = startBands();
    Limiter limiter;
    float limiterGain = 0.0f;
    float delay = 0.0f;

    static std::array<EqBand, EqBands> startBands();
    void resetFilters();

    template<typename V> void fields(V &v)
    {
        v.flag(phantom);
        v.flag(mute);
        v.f32(gain, 0.0f, 50.0f);
        v.u8(mode, 0, 2);
        v.u8(group, 0, 8);
        v.flag(invert);
        v.flag(preMixMute);
        v.f32(preMixGain, -56.0f, 12.0f);
        v.f32(gainMax, -56.0f, 12.0f);
        v.f32(gainMin, -56.0f, 12.0f);
        v.flag(feedback);
        v.flag(priority);
        v.u8(noiseLevel, 0, 3);
        gate.fields(v);
        agc.fields(v);
        highPass.fields(v);
        lowPass.fields(v);
        for (EqBand &band : eq)
            band.fields(v);
        limiter.fields(v);
        v.f32(limiterGain, 0.0f, 20.0f);
        v.f32(delay, 0.0f, 1000.0f);
    }
};

struct OutputSetup
{
    quint8 mute = 0;
    float gain = 0.0f;
    float gainMax = 12.0f;
    float gainMin = -56.0f;
    quint8 group = 0;
    quint8 invert = 0;
    PassFilter highPass = PassFilter::highPass();
    PassFilter lowPass = PassFilter::lowPass();
    std::array<EqBand, EqBands> eq = InputSetup::startBands();
    Limiter limiter;
    float delay = 0.0f;

    void resetFilters();

    template<typename V> void fields(V &v)
    {
        v.flag(mute);
        v.f32(gain, -56.0f, 12.0f);
        v.f32(gainMax, -56.0f, 12.0f);
        v.f32(gainMin, -56.0f, 12.0f);
        v.u8(group, 0, 8);
        v.flag(invert);
        highPass.fields(v);
        lowPass.fields(v);
        for (EqBand &band : eq)
            band.fields(v);
        limiter.fields(v);
        v.f32(delay, 0.0f, 2000.0f);
    }
};

// One source row of the mixing matrix: a route switch and a gain (whole dB, -70 is off) per
// output.
struct MatrixRow
{
    std::array<quint8, MatrixOutputs> route {};
    std::array<qint8, MatrixOutputs> gain {};

    template<typename V> void fields(V &v)
    {
        for (quint8 &r : route)
            v.flag(r);
        for (qint8 &g : gain)
            v.i8(g, -70, 12);
    }
};

struct SignalGenerator
{
    float frequency = 1000.0f;
    float gain = -30.0f;
    quint8 type = 0; // 0 pink noise, 1 sine, 2 white noise
    quint8 mute = 1;
    std::array<quint8, MatrixOutputs> outputs {};

    template<typename V> void fields(V &v)
    {
        v.f32(frequency, 0.0f, 24000.0f);
        v.f32(gain, -70.0f, 12.0f);
        v.u8(type, 0, 2);
        v.flag(mute);
        for (quint8 &o : outputs)
            v.flag(o);
    }
};

struct AutoMixer
{
    std::array<float, 16> weight {};
    std::array<quint8, 16> group {};
    std::array<quint8, 2> enabled {};

    template<typename V> void fields(V &v)
    {
        for (float &w : weight)
            v.f32(w, -12.0f, 12.0f);
        for (quint8 &g : group)
            v.u8(g, 0, 2);
        for (quint8 &e : enabled)
            v.flag(e);
    }
};

struct SimAudio
{
    std::array<InputSetup, ChannelRecords> inputs {};
    std::array<OutputSetup, ChannelRecords> outputs {};
    std::array<MatrixRow, MatrixSources> matrix {};
    // USB recording sources: two banks (left, right) of one switch per source channel.
    std::array<std::array<quint8, RecordSourceChannels>, 2> recordSources {};
    quint8 recordSourceButton = 0xFF;
    SignalGenerator generator;
    quint8 echoEnabled = 0;
    std::array<quint8, 17> echoMicrophones {};
    std::array<quint8, 11> echoBlock {};
    std::array<quint8, 6> noiseBlock {};
    AutoMixer autoMixer;

    template<typename V> void fields(V &v)
    {
        for (InputSetup &in : inputs)
            in.fields(v);
        for (OutputSetup &out : outputs)
            out.fields(v);
        for (MatrixRow &row : matrix)
            row.fields(v);
        for (auto &bank : recordSources)
            for (quint8 &s : bank)
                v.flag(s);
        v.u8(recordSourceButton, 0, 0xFF);
        generator.fields(v);
        v.flag(echoEnabled);
        v.raw(echoMicrophones);
        v.raw(echoBlock);
        v.raw(noiseBlock);
        autoMixer.fields(v);
    }

    // The set-up as bytes, and back. deserialize accepts exactly serializedSize() bytes whose
    // numbers are finite; values are clamped into their ranges.
    QByteArray serialize() const;
    bool deserialize(const QByteArray &bytes);
    static int serializedSize();
};
