#pragma once

#include <QtGlobal>

// The per-channel processing records, each with its wire layout. Their start values are those
// of a processor fresh from the factory.

struct PassFilter
{
    quint8 enabled = 0;
    quint8 type = 0;
    quint8 slope = 0;
    float frequency = 20.0f;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.u8(type, 0, 2);
        v.u8(slope, 0, 5);
        v.f32(frequency, 20.0f, 20000.0f);
    }
    static PassFilter highPass() { return {}; }
    static PassFilter lowPass()
    {
        PassFilter f;
        f.frequency = 20000.0f;
        return f;
    }
};

struct EqBand
{
    quint8 enabled = 1;
    quint8 type = 0;
    float frequency = 1000.0f;
    float gain = 0.0f;
    quint8 q = 43;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.u8(type, 0, 2);
        v.f32(frequency, 20.0f, 20000.0f);
        v.f32(gain, -15.0f, 15.0f);
        v.u8(q, 0, 64);
    }
};

constexpr int EqBands = 8;

// The start frequency of an equaliser band.
constexpr float eqStartFrequency(int band)
{
    constexpr float frequencies[EqBands] = {100, 300, 500, 800, 1000, 3000, 5000, 8000};
    return frequencies[band];
}

struct Limiter
{
    quint8 enabled = 0;
    float threshold = 0.0f;
    float ratio = 2.0f;
    float attack = 10.0f;
    float release = 151.0f;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.f32(threshold, -100.0f, 18.0f);
        v.f32(ratio, 1.0f, 100.0f);
        v.f32(attack, 1.0f, 1000.0f);
        v.f32(release, 1.0f, 1000.0f);
    }
};

struct Gate
{
    quint8 enabled = 1;
    float threshold = -65.0f;
    float attack = 1.0f;
    float release = 20.0f;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.f32(threshold, -120.0f, 0.0f);
        v.f32(attack, 1.0f, 1000.0f);
        v.f32(release, 1.0f, 1000.0f);
    }
};

struct Agc
{
    quint8 enabled = 0;
    float threshold = -30.0f;
    float target = -20.0f;
    float ratio = 2.0f;
    float attack = 20.0f;
    float release = 20.0f;

    template<typename V> void fields(V &v)
    {
        v.flag(enabled);
        v.f32(threshold, -120.0f, 0.0f);
        v.f32(target, -120.0f, 0.0f);
        v.f32(ratio, 1.0f, 100.0f);
        v.f32(attack, 20.0f, 1000.0f);
        v.f32(release, 20.0f, 1000.0f);
    }
};
