// The range check of the mirror, used by the fuzzers and the tests: a reply of any content must
// never leave a field outside the range the views are built for.
#include "ParameterMirror.h"

#include "model/ParameterRanges.h"

namespace {

bool isBool(quint8 v)
{
    return v <= 1;
}

bool in(float v, FloatRange r)
{
    return r.contains(v); // false for NaN
}

bool filtersOk(const HlpfFilter &hpf, const HlpfFilter &lpf,
               const std::array<PeqFilter, PeqFilter::BandCount> &peq)
{
    for (const HlpfFilter *f : {&hpf, &lpf}) {
        if (!isBool(f->enabled) || f->type > Ranges::FilterTypeMax
            || f->slope > Ranges::FilterSlopeMax || !in(f->frequency, Ranges::FilterFrequency))
            return false;
    }
    for (const PeqFilter &b : peq) {
        if (!isBool(b.enabled) || b.type > Ranges::FilterTypeMax
            || !in(b.frequency, Ranges::FilterFrequency) || !in(b.gain, Ranges::PeqGain)
            || b.q > Ranges::PeqQMax)
            return false;
    }
    return true;
}

bool limiterOk(const LimiterParams &l)
{
    return isBool(l.enabled) && in(l.threshold, Ranges::LimiterThreshold)
            && in(l.ratio, Ranges::LimiterRatio) && in(l.attack, Ranges::LimiterTime)
            && in(l.release, Ranges::LimiterTime);
}

bool matrixGainsOk(const std::array<qint8, 16> &gains)
{
    for (qint8 g : gains) {
        if (g < Ranges::MatrixGainMin || g > Ranges::MatrixGainMax)
            return false;
    }
    return true;
}

bool boolsOk(const quint8 *begin, const quint8 *end)
{
    for (const quint8 *p = begin; p != end; ++p) {
        if (!isBool(*p))
            return false;
    }
    return true;
}

template<typename Array> bool boolsOk(const Array &a)
{
    return boolsOk(a.data(), a.data() + a.size());
}

bool inputOk(const InputChannel &c)
{
    const GateParams &g = c.gate;
    const AgcParams &a = c.agc;
    return isBool(c.phantom) && isBool(c.mute) && in(c.inputGain, Ranges::InputGain)
            && c.group <= Ranges::GroupMax && isBool(c.invert) && isBool(c.preMixMute)
            && in(c.preMixGain, Ranges::LevelGain) && in(c.gainMin, Ranges::LevelGain)
            && in(c.gainMax, Ranges::LevelGain) && isBool(c.feedbackEnabled)
            && c.inputMode <= Ranges::InputModeMax && isBool(c.gateStatus) && isBool(g.enabled)
            && in(g.threshold, Ranges::GateThreshold) && in(g.attack, Ranges::GateTime)
            && in(g.release, Ranges::GateTime) && isBool(a.enabled)
            && in(a.threshold, Ranges::AgcLevel) && in(a.target, Ranges::AgcLevel)
            && in(a.ratio, Ranges::AgcRatio) && in(a.attack, Ranges::AgcTime)
            && in(a.release, Ranges::AgcTime) && filtersOk(c.hpf, c.lpf, c.peq)
            && limiterOk(c.limiter) && in(c.limiterGain, Ranges::LimiterGain)
            && boolsOk(c.matrixRoute) && matrixGainsOk(c.matrixGain)
            && in(c.delay, Ranges::InputDelay) && isBool(c.priority);
}

bool outputOk(const OutputChannel &c)
{
    return isBool(c.mute) && in(c.gain, Ranges::LevelGain) && in(c.gainMin, Ranges::LevelGain)
            && in(c.gainMax, Ranges::LevelGain) && c.group <= Ranges::GroupMax && isBool(c.invert)
            && filtersOk(c.hpf, c.lpf, c.peq) && limiterOk(c.limiter)
            && in(c.delay, Ranges::OutputDelay);
}

} // namespace

bool ParameterMirror::isWithinRanges() const
{
    for (const InputChannel &c : inputs) {
        if (!inputOk(c))
            return false;
    }
    for (const OutputChannel &c : outputs) {
        if (!outputOk(c))
            return false;
    }
    for (const MatrixSourceRow *row : {&matrix.aec, &matrix.anc}) {
        if (!boolsOk(row->route) || !matrixGainsOk(row->gain))
            return false;
    }
    for (const auto &bank : matrix.switches) {
        if (!boolsOk(bank))
            return false;
    }
    const DeviceInfo &d = device;
    if (!isBool(d.systemMute) || !isBool(d.gateReport) || d.usbAutoPlay > 3
        || d.syncMode > Ranges::SyncModeMax || d.syncStatus > Ranges::SyncStatusMax)
        return false;
    for (quint32 rail : d.faults) {
        if (rail > Ranges::FaultStateMax)
            return false;
    }
    if (((d.status35 >> 6) & 3) == 1 || ((d.status35 >> 6) & 3) == 2)
        return false;
    const SignalGeneratorState &s = signalGenerator;
    if (!in(s.frequency, Ranges::SignalFrequency) || !in(s.gain, Ranges::SignalGain)
        || s.type > Ranges::SignalTypeMax || !isBool(s.mute) || !boolsOk(s.outputs))
        return false;
    if (usb.playMode > Ranges::UsbPlayModeMax || usb.playState > Ranges::UsbPlayStateMax
        || usb.recordState > Ranges::UsbRecordStateMax)
        return false;
    if (!isBool(aec.enabled) || aec.config.size() != AecState::ConfigSize
        || (!aec.matrix.isEmpty() && aec.matrix.size() < AecState::MinimumMatrixSize)
        || (!anc.config.isEmpty() && anc.config.size() < AncState::MinimumConfigSize))
        return false;
    for (float w : autoMixer.weights) {
        if (!in(w, Ranges::AutoMixWeight))
            return false;
    }
    for (quint8 g : autoMixer.groups) {
        if (g > Ranges::AutoMixGroupMax)
            return false;
    }
    if (!boolsOk(autoMixer.enabled))
        return false;
    if (dante.info.size() > DanteState::InfoSize || dante.clockState > Ranges::DanteClockStateMax)
        return false;
    for (const QByteArray &block : dante.blocks) {
        if (block.size() != DanteState::BlockSize)
            return false;
    }
    for (const GpioPort &port : gpio) {
        if (port.kind > Ranges::GpioKindMax)
            return false;
    }
    return boolsOk(presets.used);
}
