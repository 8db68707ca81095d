// Replies of the output modules: Out Level, Out Filter, Out Limiter and Out Delay.
#include "Replies.h"

#include "model/MessageCatalogue.h"

using namespace ReplyTools;

namespace {

constexpr int LastFilterOutput = 15;
constexpr int LastLimiterOutput = 16;

void outLevel(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return meters(c, output(&OutputChannel::postMeter));
    case 2:
        return bools(c, Entries::Sixteen17, output(&OutputChannel::mute));
    case 3:
        return floats(c, Entries::Sixteen17, Ranges::LevelGain, output(&OutputChannel::gain));
    case 4:
        return bools(c, Entries::Sixteen17, output(&OutputChannel::invert));
    case 5:
        return bytes(c, Entries::Sixteen17, Ranges::GroupMax, Above::Ignore,
                     output(&OutputChannel::group));
    case 7:
        return gainRanges(c, output(&OutputChannel::gainMax), output(&OutputChannel::gainMin));
    case 8:
        return meters(c, output(&OutputChannel::preMeter));
    case 9:
        // The selected record source button, or 0xFF for none.
        if (c.length == 1 && store(c.mirror.usb.recordSource, c.data[0]))
            c.announce();
        return;
    default:
        return;
    }
}

HlpfFilter &outputHpf(ParameterMirror &m, int ch)
{
    return m.outputs[size_t(ch)].hpf;
}

HlpfFilter &outputLpf(ParameterMirror &m, int ch)
{
    return m.outputs[size_t(ch)].lpf;
}

PeqFilter &outputPeq(ParameterMirror &m, int ch, int band)
{
    return m.outputs[size_t(ch)].peq[size_t(band)];
}

LimiterParams &outputLimiter(ParameterMirror &m, int ch)
{
    return m.outputs[size_t(ch)].limiter;
}

void outFilter(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return Replies::hlpf(c, outputHpf, LastFilterOutput);
    case 2:
        return Replies::hlpf(c, outputLpf, LastFilterOutput);
    case 3:
        return Replies::peq(c, outputPeq, LastFilterOutput);
    default:
        return;
    }
}

} // namespace

void Replies::outputModule(ReplyContext &c)
{
    switch (c.id.subType) {
    case 11:
        return outLevel(c);
    case 12:
        return outFilter(c);
    case 13:
        if (c.id == Msg::OutLimiter)
            Replies::limiter(c, outputLimiter, LastLimiterOutput);
        return;
    case 14:
        if (c.id == Msg::OutDelay)
            floats(c, Entries::Exactly16, Ranges::OutputDelay, output(&OutputChannel::delay));
        return;
    default:
        return;
    }
}
