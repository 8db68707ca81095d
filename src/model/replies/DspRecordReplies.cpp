// The filter and limiter records, shared by the input and output modules.
#include "Replies.h"

using namespace ReplyTools;

void Replies::hlpf(ReplyContext &c, HlpfFilter &(*filter)(ParameterMirror &, int ch),
                   int maxChannel)
{
    if (c.length != 1 + HlpfFilter::WireSize)
        return;
    const int ch = c.data[0];
    if (ch > maxChannel)
        return;
    HlpfFilter &f = filter(c.mirror, ch);
    bool changed = store(f.enabled, boolByte(c.data[1]));
    // A type or slope the editor does not know leaves the stored one in place.
    if (c.data[2] <= Ranges::FilterTypeMax)
        changed |= store(f.type, c.data[2]);
    if (c.data[3] <= Ranges::FilterSlopeMax)
        changed |= store(f.slope, c.data[3]);
    changed |= storeClamped(f.frequency, f32At(c.data + 4), Ranges::FilterFrequency);
    if (changed)
        c.announce(quint8(ch));
}

void Replies::peq(ReplyContext &c, PeqFilter &(*band)(ParameterMirror &, int ch, int band),
                  int maxChannel)
{
    if (c.length != 2 + PeqFilter::WireSize)
        return;
    const int ch = c.data[0];
    const int index = c.data[1];
    if (ch > maxChannel || index >= PeqFilter::BandCount)
        return;
    PeqFilter &f = band(c.mirror, ch, index);
    bool changed = store(f.enabled, boolByte(c.data[2]));
    if (c.data[3] <= Ranges::FilterTypeMax)
        changed |= store(f.type, c.data[3]);
    changed |= storeClamped(f.frequency, f32At(c.data + 4), Ranges::FilterFrequency);
    changed |= storeClamped(f.gain, f32At(c.data + 8), Ranges::PeqGain);
    changed |= store(f.q, std::min(c.data[12], Ranges::PeqQMax));
    if (changed)
        c.announce(quint8(ch), quint8(index));
}

void Replies::limiter(ReplyContext &c, LimiterParams &(*limiter)(ParameterMirror &, int ch),
                      int maxChannel)
{
    if (c.length != 1 + LimiterParams::WireSize)
        return;
    const int ch = c.data[0];
    if (ch > maxChannel)
        return;
    LimiterParams &l = limiter(c.mirror, ch);
    bool changed = store(l.enabled, boolByte(c.data[1]));
    changed |= storeClamped(l.threshold, f32At(c.data + 2), Ranges::LimiterThreshold);
    changed |= storeClamped(l.ratio, f32At(c.data + 6), Ranges::LimiterRatio);
    changed |= storeClamped(l.attack, f32At(c.data + 10), Ranges::LimiterTime);
    changed |= storeClamped(l.release, f32At(c.data + 14), Ranges::LimiterTime);
    if (changed)
        c.announce(quint8(ch));
}
