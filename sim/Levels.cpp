#include "Levels.h"

#include "SimStore.h"

#include <cmath>

namespace sim {

namespace {

constexpr double Floor = -90.0; // anything quieter reads as no signal
constexpr double TwoPi = 6.283185307179586;

quint32 scramble(quint32 x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// A small flicker that changes every 100 ms, in -2..2 dB.
double flicker(int channel, qint64 now)
{
    return double(scramble(quint32(channel * 7919) ^ quint32(now / 100)) % 5) - 2.0;
}

double wave(qint64 now, double periodMs, double phase)
{
    return std::sin(TwoPi * std::fmod(double(now), periodMs) / periodMs + phase);
}

bool silent(double db)
{
    return db <= Floor;
}

qint8 meter(double db)
{
    if (silent(db) || std::isnan(db))
        return Levels::Silence;
    return qint8(qBound(-100.0, std::round(db), 20.0));
}

double powerSum(double sum)
{
    return sum > 0.0 ? 10.0 * std::log10(sum) : -100.0;
}

double power(double db)
{
    return silent(db) ? 0.0 : std::pow(10.0, db / 10.0);
}

// The level arriving at an input before its gain.
double sourceLevel(const SimStore &store, int ch)
{
    const qint64 now = store.now;
    const ChannelConfig &config = store.config;
    if (!config.inputPresent(ch))
        return -100.0;
    if (config.isDanteChannel(ch) && !store.dante.connected())
        return -100.0;
    const bool usb = ch >= 16 || store.audio.inputs[ch].mode == 2;
    if (usb) {
        if (!store.usb.playing())
            return -100.0;
        return -16.0 + 5.0 * wave(now, 2300.0, ch) + 2.0 * wave(now, 410.0, 0.5 * ch)
                + flicker(ch, now);
    }
    const double phase = 0.9 * ch;
    if (store.audio.inputs[ch].mode == 0) {
        // A talker: phrases with pauses between them.
        if (wave(now, 7000.0 + 900.0 * ch, phase) < -0.55)
            return -100.0;
        return -42.0 + 9.0 * wave(now, 3100.0 + 370.0 * ch, phase) + flicker(ch, now);
    }
    return -24.0 + 5.0 * wave(now, 5300.0 + 610.0 * ch, phase) + flicker(ch, now);
}

} // namespace

Levels Levels::compute(const SimStore &store)
{
    Levels l;
    const SimAudio &a = store.audio;
    std::array<double, ChannelRecords> inPost {};
    for (int ch = 0; ch < ChannelRecords; ++ch) {
        const InputSetup &in = a.inputs[ch];
        double pre = sourceLevel(store, ch);
        if (in.mute)
            pre = -100.0;
        else if (!silent(pre))
            pre += in.gain;
        const bool gateClosed = in.gate.enabled && (silent(pre) || pre < in.gate.threshold);
        l.gateOpen[ch] = in.gate.enabled && !gateClosed ? 1 : 0;
        double post = pre + in.preMixGain;
        if (in.preMixMute || gateClosed || silent(pre))
            post = -100.0;
        inPost[ch] = post;
        l.inputPre[ch] = meter(pre);
        l.inputPost[ch] = meter(post);
    }

    // The cancellation blocks of the newer families are matrix sources of their own: what they
    // take from their inputs, a little quieter after the canceller.
    std::array<double, MatrixSources> sourceLevel {};
    for (int in = 0; in <= 16; ++in)
        sourceLevel[in] = inPost[in];
    sourceLevel[17] = -100.0;
    sourceLevel[EchoSource] = -100.0;
    sourceLevel[NoiseSource] = -100.0;
    if (store.identity.cancellationFeedsMatrix()) {
        const auto mask = [](const auto &block) {
            return quint32(block[0]) | quint32(block[1]) << 8 | quint32(block[2]) << 16
                    | quint32(block[3]) << 24;
        };
        const auto blockLevel = [&](quint32 inputs, double reduction) {
            double sum = 0.0;
            for (int in = 0; in <= 16; ++in)
                if ((inputs >> in) & 1U)
                    sum += power(inPost[in]);
            return sum > 0.0 ? powerSum(sum) - reduction : -100.0;
        };
        if (a.echoBlock[10])
            sourceLevel[EchoSource] = blockLevel(mask(a.echoBlock), 3.0);
        if (a.noiseBlock[5])
            sourceLevel[NoiseSource] = blockLevel(mask(a.noiseBlock), 1.5 * (a.noiseBlock[4] + 1));
    }

    std::array<double, ChannelRecords> outPost {};
    for (int out = 0; out < MatrixOutputs; ++out) {
        double sum = 0.0;
        if (store.config.outputPresent(out)) {
            for (int in = 0; in < MatrixSources; ++in)
                if (a.matrix[in].route[out] && a.matrix[in].gain[out] > -56)
                    sum += power(sourceLevel[in] + a.matrix[in].gain[out]);
            const SignalGenerator &g = a.generator;
            if (!g.mute && g.outputs[out])
                sum += power(g.gain + 0.5 * flicker(out + 40, store.now));
        }
        const double pre = powerSum(sum);
        const OutputSetup &o = a.outputs[out];
        const double post = (o.mute || store.system.systemMute) ? -100.0 : pre + o.gain;
        outPost[out] = post;
        l.outputPre[out] = meter(pre);
        l.outputPost[out] = meter(post);
    }
    // The USB recording pair hears the sources chosen for it: inputs, then outputs.
    for (int side = 0; side < 2; ++side) {
        double sum = 0.0;
        for (int s = 0; s < RecordSourceChannels; ++s) {
            if (!a.recordSources[side][s])
                continue;
            if (s < ChannelRecords)
                sum += power(inPost[s]);
            else if (s - ChannelRecords < MatrixOutputs)
                sum += power(outPost[s - ChannelRecords]);
        }
        const double pre = powerSum(sum);
        const OutputSetup &o = a.outputs[16 + side];
        l.outputPre[16 + side] = meter(pre);
        l.outputPost[16 + side] = meter(o.mute ? -100.0 : pre + o.gain);
    }

    // The auto mixer attenuates each member of an enabled group by its distance to the
    // loudest member (weights favour a channel).
    std::array<double, 3> loudest {-100.0, -100.0, -100.0};
    const AutoMixer &mix = a.autoMixer;
    for (int ch = 0; ch < 16; ++ch)
        if (mix.group[ch] && !silent(inPost[ch]))
            loudest[mix.group[ch]] = qMax(loudest[mix.group[ch]], inPost[ch] + mix.weight[ch]);
    for (int ch = 0; ch < 16; ++ch) {
        const int g = mix.group[ch];
        double attenuation = 0.0;
        if (g && mix.enabled[g - 1])
            attenuation = silent(inPost[ch])
                    ? 60.0
                    : qBound(0.0, loudest[g] - (inPost[ch] + mix.weight[ch]), 60.0);
        l.autoMix[ch] = qint8(std::round(attenuation));
        l.autoMix[16 + ch] = meter(inPost[ch] - attenuation);
    }

    l.temperature =
            float(41.5 + 2.5 * wave(store.now, 600000.0, 0.0) + 0.1 * flicker(99, store.now));
    l.dspUsage = {float(37.0 + 3.0 * wave(store.now, 9000.0, 0.3) + 0.2 * flicker(98, store.now)),
                  float(22.0 + 2.0 * wave(store.now, 11000.0, 1.1))};
    return l;
}

} // namespace sim
