// Replies of the input modules: In Setup, Gate, Feedback, In Filter, In Limiter, In Delay and
// Level Pre Mix.
#include "Replies.h"

#include "model/MessageCatalogue.h"

using namespace ReplyTools;

namespace {

constexpr int LastFilterInput = 16; // inputs 1..16 and the first USB playback channel

void inSetup(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return meters(c, input(&InputChannel::postMeter));
    case 2:
        return bools(c, Entries::Exactly16, input(&InputChannel::mute));
    case 4:
        return bytes(c, Entries::Exactly16, Ranges::InputModeMax, Above::Ignore,
                     input(&InputChannel::inputMode));
    case 5:
        return bools(c, Entries::Exactly16, input(&InputChannel::phantom));
    case 8:
        return floats(c, Entries::Exactly16, Ranges::InputGain, input(&InputChannel::inputGain));
    default:
        return;
    }
}

void gateParams(ReplyContext &c)
{
    if (c.length != 1 + GateParams::WireSize)
        return;
    const int ch = c.data[0];
    if (ch > LastFilterInput)
        return;
    GateParams &g = c.mirror.inputs[size_t(ch)].gate;
    bool changed = store(g.enabled, boolByte(c.data[1]));
    changed |= storeClamped(g.threshold, f32At(c.data + 2), Ranges::GateThreshold);
    changed |= storeClamped(g.attack, f32At(c.data + 6), Ranges::GateTime);
    changed |= storeClamped(g.release, f32At(c.data + 10), Ranges::GateTime);
    if (changed)
        c.announce(quint8(ch));
}

void gate(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return bools(c, Entries::Sixteen17, input(&InputChannel::gateStatus));
    case 2:
        return gateParams(c);
    default:
        return;
    }
}

HlpfFilter &inputHpf(ParameterMirror &m, int ch)
{
    return m.inputs[size_t(ch)].hpf;
}

HlpfFilter &inputLpf(ParameterMirror &m, int ch)
{
    return m.inputs[size_t(ch)].lpf;
}

PeqFilter &inputPeq(ParameterMirror &m, int ch, int band)
{
    return m.inputs[size_t(ch)].peq[size_t(band)];
}

LimiterParams &inputLimiter(ParameterMirror &m, int ch)
{
    return m.inputs[size_t(ch)].limiter;
}

void inFilter(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return Replies::hlpf(c, inputHpf, LastFilterInput);
    case 2:
        return Replies::hlpf(c, inputLpf, LastFilterInput);
    case 3:
        return Replies::peq(c, inputPeq, LastFilterInput);
    default:
        return;
    }
}

void inLimiter(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return Replies::limiter(c, inputLimiter, LastFilterInput);
    case 4:
        return floats(c, Entries::Sixteen17, Ranges::LimiterGain,
                      input(&InputChannel::limiterGain));
    default:
        return;
    }
}

void preMix(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return bools(c, Entries::Sixteen17, input(&InputChannel::preMixMute));
    case 2:
        return floats(c, Entries::Sixteen17, Ranges::LevelGain, input(&InputChannel::preMixGain));
    case 3:
        return bools(c, Entries::Sixteen17, input(&InputChannel::invert));
    case 4:
        return bytes(c, Entries::Sixteen17, Ranges::GroupMax, Above::Ignore,
                     input(&InputChannel::group));
    case 6:
        return gainRanges(c, input(&InputChannel::gainMax), input(&InputChannel::gainMin));
    case 7:
        return meters(c, input(&InputChannel::preMeter));
    case 8:
        return bools(c, Entries::Sixteen17, input(&InputChannel::priority));
    default:
        return;
    }
}

} // namespace

void Replies::inputModule(ReplyContext &c)
{
    switch (c.id.subType) {
    case 1:
        return inSetup(c);
    case 2:
        return gate(c);
    case 3:
        if (c.id == Msg::FeedbackEnable)
            bools(c, Entries::Exactly16, input(&InputChannel::feedbackEnabled));
        return;
    case 4:
        return inFilter(c);
    case 5:
        return inLimiter(c);
    case 6:
        if (c.id == Msg::InDelay)
            floats(c, Entries::Exactly16, Ranges::InputDelay, input(&InputChannel::delay));
        return;
    case 7:
        return preMix(c);
    default:
        return;
    }
}
