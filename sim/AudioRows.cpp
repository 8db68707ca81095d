// The audio parameter messages (type 3): one subType per processing module.
#include "Levels.h"
#include "RowKit.h"

#include <optional>

namespace sim {

namespace {

using namespace Rows;

// Channel counts of the per-channel replies: most modules report the 18 channel records,
// some only channels 1..16.
constexpr int AllChannels = ChannelRecords;
constexpr int Sixteen = 16;

template<std::size_t N> QByteArray meterBytes(const std::array<qint8, N> &levels)
{
    return QByteArray(reinterpret_cast<const char *>(levels.data()), int(N));
}

template<std::size_t N> QByteArray rawBytes(const std::array<quint8, N> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), int(N));
}

// A block stored as bytes: a set carries at least `minimum` bytes (exactly N when minimum is
// N) of which the first N are kept.
template<std::size_t N, typename Field> MessageRow block(MessageId id, int minimum, Field field)
{
    MessageRow row;
    row.id = id;
    row.reply = [=](const SimStore &s, Selector) { return rawBytes(field(s)); };
    row.set = [=](SimStore &s, const QByteArray &p) {
        if (p.size() < minimum || (minimum == int(N) && p.size() != minimum))
            return false;
        auto &target = field(s);
        for (std::size_t i = 0; i < N; ++i)
            target[i] = quint8(p[int(i)]);
        return true;
    };
    return row;
}

// Copy targets: input and output bit masks after the source channel, as two u16 low halves,
// optionally followed by two u16 high halves.
struct Targets
{
    quint32 inputs = 0;
    quint32 outputs = 0;
};

std::optional<Targets> readTargets(const QByteArray &p, bool withOutputs = true)
{
    const int rest = p.size() - 1;
    const int low = withOutputs ? 4 : 2;
    if (rest != low && rest != 2 * low)
        return std::nullopt;
    ByteReader in(p.constData() + 1, rest);
    Targets t;
    t.inputs = in.u16();
    if (withOutputs)
        t.outputs = in.u16();
    if (rest == 2 * low) {
        t.inputs |= quint32(in.u16()) << 16;
        if (withOutputs)
            t.outputs |= quint32(in.u16()) << 16;
    }
    return t;
}

template<typename Apply> void forTargets(const Targets &t, int inputs, int outputs, Apply apply)
{
    for (int ch = 0; ch < inputs; ++ch)
        if (t.inputs & (1u << ch))
            apply(true, ch);
    for (int ch = 0; ch < outputs; ++ch)
        if (t.outputs & (1u << ch))
            apply(false, ch);
}

template<typename From, typename To> void copyFilters(const From &from, To &to)
{
    to.highPass = from.highPass;
    to.lowPass = from.lowPass;
    to.eq = from.eq;
}

// Filter copy: from input (or output) `source` channel to the channels of the masks.
MessageRow filterCopy(MessageId id, bool fromInput, int limit)
{
    return command(id, [=](SimStore &s, const QByteArray &p) {
        const auto targets = p.isEmpty() ? std::nullopt : readTargets(p);
        if (!targets || quint8(p[0]) >= limit)
            return false;
        const int src = quint8(p[0]);
        const InputSetup in = s.audio.inputs[src];
        const OutputSetup out = s.audio.outputs[src];
        forTargets(*targets, 17, 16, [&](bool input, int ch) {
            if (input && fromInput)
                copyFilters(in, s.audio.inputs[ch]);
            else if (input)
                copyFilters(out, s.audio.inputs[ch]);
            else if (fromInput)
                copyFilters(in, s.audio.outputs[ch]);
            else
                copyFilters(out, s.audio.outputs[ch]);
        });
        return true;
    });
}

MessageRow limiterCopy(MessageId id, bool fromInput, int limit)
{
    return command(id, [=](SimStore &s, const QByteArray &p) {
        const auto targets = p.isEmpty() ? std::nullopt : readTargets(p);
        if (!targets || quint8(p[0]) >= limit)
            return false;
        const int src = quint8(p[0]);
        const Limiter limiter =
                fromInput ? s.audio.inputs[src].limiter : s.audio.outputs[src].limiter;
        const float gain = fromInput ? s.audio.inputs[src].limiterGain : 0.0f;
        forTargets(*targets, 17, 17, [&](bool input, int ch) {
            if (input) {
                s.audio.inputs[ch].limiter = limiter;
                if (fromInput)
                    s.audio.inputs[ch].limiterGain = gain;
            } else {
                s.audio.outputs[ch].limiter = limiter;
            }
        });
        return true;
    });
}

// A channel reset: the payload is the channel alone.
template<typename Reset> MessageRow channelReset(MessageId id, int limit, Reset reset)
{
    return command(id, [=](SimStore &s, const QByteArray &p) {
        if (p.size() != 1 || quint8(p[0]) >= limit)
            return false;
        reset(s, quint8(p[0]));
        return true;
    });
}

// Gain step: channel, f32 step in dB added to the gain.
template<typename Field> MessageRow gainStep(MessageId id, MessageId echo, Field field)
{
    return command(
            id,
            [=](SimStore &s, const QByteArray &p) {
                ByteReader in(p);
                const quint8 ch = in.u8();
                float step = 0.0f;
                WireReader reader(in);
                reader.f32(step, -68.0f, 68.0f);
                if (!reader.ok() || !in.atEnd() || ch >= AllChannels)
                    return false;
                float &gain = field(s, ch);
                gain = qBound(-56.0f, gain + step, 12.0f);
                return true;
            },
            echo);
}

// Gain range: reply (maximum, minimum) f32 pairs per channel; set: channel, maximum, minimum as
// whole dB.
template<typename Max, typename Min> MessageRow gainRange(MessageId id, Max max, Min min)
{
    MessageRow row;
    row.id = id;
    row.reply = [=](const SimStore &s, Selector) {
        ByteWriter out(AllChannels * 8);
        for (int ch = 0; ch < AllChannels; ++ch)
            out.f32(max(s, ch)).f32(min(s, ch));
        return QByteArray(out);
    };
    row.set = [=](SimStore &s, const QByteArray &p) {
        if (p.size() != 3 || quint8(p[0]) >= AllChannels)
            return false;
        const int ch = quint8(p[0]);
        max(s, ch) = float(qBound(-56, int(qint8(p[1])), 12));
        min(s, ch) = float(qBound(-56, int(qint8(p[2])), 12));
        return true;
    };
    return row;
}

// Matrix routes or gains into one output: output, a byte per input 0..16, an unused byte, then
// the echo and noise canceller sources. A set names the output, the inputs concerned and one
// value for all of them.
MessageRow matrix(MessageId id, bool gains)
{
    MessageRow row;
    row.id = id;
    row.selectors = 1;
    row.limits = {MatrixOutputs, 0};
    row.reply = [=](const SimStore &s, Selector sel) {
        const int out = sel[0];
        ByteWriter w(21);
        w.u8(quint8(out));
        for (int in = 0; in < MatrixSources; ++in) {
            const MatrixRow &r = s.audio.matrix[in];
            w.u8(gains ? quint8(r.gain[out]) : r.route[out]);
        }
        return QByteArray(w);
    };
    row.set = [=](SimStore &s, const QByteArray &p) {
        if (p.size() < 3 || quint8(p[0]) >= MatrixOutputs)
            return false;
        const int out = quint8(p[0]);
        const qint8 value = qint8(p[p.size() - 1]);
        for (int i = 1; i < p.size() - 1; ++i) {
            const int in = quint8(p[i]);
            if (in >= MatrixSources || in == 17)
                continue;
            if (gains)
                s.audio.matrix[in].gain[out] = qint8(qBound(-70, int(value), 12));
            else
                s.audio.matrix[in].route[out] = value ? 1 : 0;
        }
        return true;
    };
    return row;
}

MessageRow recordSources()
{
    MessageRow row;
    row.id = {3, 8, 17};
    row.selectors = 1;
    row.limits = {2, 0};
    row.reply = [](const SimStore &s, Selector sel) {
        return QByteArray(1, char(sel[0])) + rawBytes(s.audio.recordSources[sel[0]]);
    };
    row.set = [](SimStore &s, const QByteArray &p) {
        if (p.isEmpty() || quint8(p[0]) > 1)
            return false;
        auto &bank = s.audio.recordSources[quint8(p[0])];
        if (p.size() == 1 + RecordSourceChannels) {
            for (int i = 0; i < RecordSourceChannels; ++i)
                bank[i] = p[1 + i] ? 1 : 0;
            return true;
        }
        if (p.size() != 3 || quint8(p[1]) >= RecordSourceChannels)
            return false;
        bank[quint8(p[1])] = p[2] ? 1 : 0;
        return true;
    };
    return row;
}

MessageRow eqBand(MessageId id, int limit, bool input)
{
    MessageRow row;
    row.id = id;
    row.selectors = 2;
    row.limits = {quint8(limit), EqBands};
    auto band = [input](auto &s, Selector sel) -> auto &
    {
        return input ? s.audio.inputs[sel[0]].eq[sel[1]] : s.audio.outputs[sel[0]].eq[sel[1]];
    };
    row.reply = [=](const SimStore &s, Selector sel) {
        return QByteArray(ByteWriter().u8(sel[0]).u8(sel[1])) + encodeRecord(band(s, sel));
    };
    row.set = [=](SimStore &s, const QByteArray &p) {
        ByteReader in(p);
        const Selector sel {in.u8(), in.u8()};
        if (!in.ok() || sel[0] >= limit || sel[1] >= EqBands)
            return false;
        EqBand copy = band(s, sel);
        return decodeRecord(in, copy) && in.atEnd() && (band(s, sel) = copy, true);
    };
    return row;
}

QByteArray presetList(const SimStore &s)
{
    ByteWriter out(1 + PresetSlots * (1 + NameSize));
    out.u8(s.currentPreset);
    for (const PresetSlot &slot : s.presets)
        out.u8(slot.used ? 1 : 0).fixedText(slot.name, NameSize);
    return out;
}

void addInputRows(MessageTable &t)
{
    t.add(readOnly({3, 1, 1},
                   [](const SimStore &s) { return meterBytes(Levels::compute(s).inputPost); }));
    t.add(flags(
            {3, 1, 2}, Sixteen, [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].mute; }));
    MessageRow mode = bytes(
            {3, 1, 4}, Sixteen, 2,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].mode; });
    const auto anyMode = mode.set;
    mode.set = [anyMode](SimStore &s, const QByteArray &p) {
        // USB playback feeds inputs 1 and 2 only.
        if (p.size() == 2 && quint8(p[1]) == 2 && quint8(p[0]) > 1)
            return false;
        return anyMode(s, p);
    };
    t.add(mode);
    t.add(flags(
            {3, 1, 5}, Sixteen,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].phantom; }));
    t.add(floats(
            {3, 1, 8}, Sixteen, 0.0f, 50.0f,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].gain; }));

    t.add(readOnly({3, 2, 1},
                   [](const SimStore &s) { return rawBytes(Levels::compute(s).gateOpen); }));
    t.add(record(
            {3, 2, 2}, 17, [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].gate; }));
    t.add(flags(
            {3, 3, 1}, Sixteen,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].feedback; }));

    t.add(record(
            {3, 4, 1}, 17, [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].highPass; }));
    t.add(record(
            {3, 4, 2}, 17, [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].lowPass; }));
    t.add(eqBand({3, 4, 3}, 17, true));
    t.add(filterCopy({3, 4, 4}, true, 17));
    t.add(channelReset({3, 4, 5}, 17,
                       [](SimStore &s, int ch) { s.audio.inputs[ch].resetFilters(); }));

    t.add(record(
            {3, 5, 1}, 17, [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].limiter; }));
    t.add(limiterCopy({3, 5, 2}, true, 17));
    t.add(channelReset({3, 5, 3}, 17, [](SimStore &s, int ch) {
        s.audio.inputs[ch].limiter = Limiter();
        s.audio.inputs[ch].limiterGain = 0.0f;
    }));
    t.add(floats(
            {3, 5, 4}, AllChannels, 0.0f, 20.0f,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].limiterGain; }));
    t.add(floats(
            {3, 6, 1}, Sixteen, 0.0f, 1000.0f,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].delay; }));

    t.add(flags(
            {3, 7, 1}, AllChannels,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].preMixMute; }));
    t.add(floats(
            {3, 7, 2}, AllChannels, -56.0f, 12.0f,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].preMixGain; }));
    t.add(flags(
            {3, 7, 3}, AllChannels,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].invert; }));
    t.add(bytes(
            {3, 7, 4}, AllChannels, 8,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].group; }));
    t.add(gainStep(
            {3, 7, 5}, {3, 7, 2},
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].preMixGain; }));
    t.add(gainRange(
            {3, 7, 6}, [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].gainMax; },
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].gainMin; }));
    t.add(readOnly({3, 7, 7},
                   [](const SimStore &s) { return meterBytes(Levels::compute(s).inputPre); }));
    t.add(flags(
            {3, 7, 8}, AllChannels,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].priority; }));
}

void addMixRows(MessageTable &t)
{
    t.add(matrix({3, 8, 1}, false));
    t.add(matrix({3, 8, 2}, true));
    t.add(recordSources());

    t.add(flags(
            {3, 9, 1}, Sixteen,
            [](auto &s, int ch) -> auto & { return s.audio.generator.outputs[ch]; }));
    t.add(scalar(
            {3, 9, 2}, [](auto &s) -> auto & { return s.audio.generator.frequency; }, 0.0f,
            24000.0f));
    t.add(scalar(
            {3, 9, 3}, [](auto &s) -> auto & { return s.audio.generator.type; }, quint8(0),
            quint8(2)));
    t.add(scalar(
            {3, 9, 4}, [](auto &s) -> auto & { return s.audio.generator.gain; }, -70.0f, 12.0f));
    t.add(scalar(
            {3, 9, 5}, [](auto &s) -> auto & { return s.audio.generator.mute; }, quint8(0),
            quint8(1)));

    t.add(scalar(
            {3, 15, 1}, [](auto &s) -> auto & { return s.audio.echoEnabled; }, quint8(0),
            quint8(1)));
    t.add(block<17>(
            {3, 15, 2}, 17, [](auto &s) -> auto & { return s.audio.echoMicrophones; }));
    t.add(block<11>(
            {3, 15, 17}, 11, [](auto &s) -> auto & { return s.audio.echoBlock; }));

    t.add(record(
            {3, 16, 1}, Sixteen, [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].agc; }));
    t.add(command({3, 16, 2}, [](SimStore &s, const QByteArray &p) {
        const auto targets = p.isEmpty() ? std::nullopt : readTargets(p, false);
        if (!targets || quint8(p[0]) >= Sixteen)
            return false;
        const Agc agc = s.audio.inputs[quint8(p[0])].agc;
        forTargets(*targets, Sixteen, 0, [&](bool, int ch) { s.audio.inputs[ch].agc = agc; });
        return true;
    }));
    t.add(channelReset({3, 16, 3}, Sixteen,
                       [](SimStore &s, int ch) { s.audio.inputs[ch].agc = Agc(); }));

    t.add(bytes(
            {3, 17, 1}, Sixteen, 3,
            [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].noiseLevel; }));
    t.add(block<6>(
            {3, 17, 2}, 6, [](auto &s) -> auto & { return s.audio.noiseBlock; }));

    t.add(floats(
            {3, 18, 1}, Sixteen, -12.0f, 12.0f,
            [](auto &s, int ch) -> auto & { return s.audio.autoMixer.weight[ch]; }));
    t.add(bytes(
            {3, 18, 2}, Sixteen, 2,
            [](auto &s, int ch) -> auto & { return s.audio.autoMixer.group[ch]; }));
    t.add(flags(
            {3, 18, 3}, 2, [](auto &s, int g) -> auto & { return s.audio.autoMixer.enabled[g]; }));
    t.add(command({3, 18, 4}, [](SimStore &s, const QByteArray &) {
        s.audio.autoMixer = AutoMixer();
        return true;
    }));
    t.add(readOnly({3, 18, 5},
                   [](const SimStore &s) { return meterBytes(Levels::compute(s).autoMix); }));

    t.add(readOnly({3, 32, 1}, presetList));
}

void addOutputRows(MessageTable &t)
{
    t.add(readOnly({3, 11, 1},
                   [](const SimStore &s) { return meterBytes(Levels::compute(s).outputPost); }));
    t.add(flags(
            {3, 11, 2}, AllChannels,
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].mute; }));
    t.add(floats(
            {3, 11, 3}, AllChannels, -56.0f, 12.0f,
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].gain; }));
    t.add(flags(
            {3, 11, 4}, AllChannels,
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].invert; }));
    t.add(bytes(
            {3, 11, 5}, AllChannels, 8,
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].group; }));
    t.add(gainStep(
            {3, 11, 6}, {3, 11, 3},
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].gain; }));
    t.add(gainRange(
            {3, 11, 7}, [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].gainMax; },
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].gainMin; }));
    t.add(readOnly({3, 11, 8},
                   [](const SimStore &s) { return meterBytes(Levels::compute(s).outputPre); }));
    MessageRow source = scalar(
            {3, 11, 9}, [](auto &s) -> auto & { return s.audio.recordSourceButton; }, quint8(0),
            quint8(0xFF));
    source.set = [](SimStore &s, const QByteArray &p) {
        if (p.size() != 1 || (quint8(p[0]) >= RecordSourceChannels && quint8(p[0]) != 0xFF))
            return false;
        s.audio.recordSourceButton = quint8(p[0]);
        return true;
    };
    t.add(source);

    t.add(record(
            {3, 12, 1}, Sixteen,
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].highPass; }));
    t.add(record(
            {3, 12, 2}, Sixteen,
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].lowPass; }));
    t.add(eqBand({3, 12, 3}, Sixteen, false));
    t.add(filterCopy({3, 12, 4}, false, Sixteen));
    t.add(channelReset({3, 12, 5}, Sixteen,
                       [](SimStore &s, int ch) { s.audio.outputs[ch].resetFilters(); }));
    t.add(record(
            {3, 13, 1}, 17, [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].limiter; }));
    t.add(limiterCopy({3, 13, 2}, false, 17));
    t.add(channelReset({3, 13, 3}, 17,
                       [](SimStore &s, int ch) { s.audio.outputs[ch].limiter = Limiter(); }));
    t.add(floats(
            {3, 14, 1}, Sixteen, 0.0f, 2000.0f,
            [](auto &s, int ch) -> auto & { return s.audio.outputs[ch].delay; }));
}

} // namespace

void addAudioRows(MessageTable &table)
{
    addInputRows(table);
    addMixRows(table);
    addOutputRows(table);
}

} // namespace sim
