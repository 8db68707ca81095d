// Replies of the global modules: Matrix, Signal Generator, AEC, AGC, ANC and Auto Mixer.
#include "Replies.h"

#include "model/MessageCatalogue.h"

using namespace ReplyTools;

namespace {

constexpr int MatrixOutputs = 16;
constexpr int ShortMatrixReply = 17; // output and inputs 0..15
constexpr int FullMatrixReply = 21; // also input 16, one unread byte, the AEC and ANC sources
constexpr int LastAgcInput = 15;

// Routes (bools) and gains (clamped dB) share one reply layout; value turns a payload byte into
// the stored value.
template<typename T, typename Value>
void matrixRow(ReplyContext &c, std::array<T, 16> InputChannel::*row,
               std::array<T, 16> MatrixSourceRow::*extra, Value value)
{
    if (c.length < ShortMatrixReply)
        return;
    const int out = c.data[0];
    if (out >= MatrixOutputs)
        return;
    const int inputs = c.length >= FullMatrixReply ? 17 : 16;
    for (int in = 0; in < inputs; ++in) {
        if (store((c.mirror.inputs[size_t(in)].*row)[size_t(out)], value(c.data[1 + in])))
            c.announce(quint8(in), quint8(out));
    }
    if (c.length < FullMatrixReply)
        return;
    if (store((c.mirror.matrix.aec.*extra)[size_t(out)], value(c.data[19])))
        c.announce(MatrixExtras::AecChannel, quint8(out));
    if (store((c.mirror.matrix.anc.*extra)[size_t(out)], value(c.data[20])))
        c.announce(MatrixExtras::AncChannel, quint8(out));
}

qint8 matrixGain(uchar b)
{
    return std::clamp(qint8(b), Ranges::MatrixGainMin, Ranges::MatrixGainMax);
}

void matrixSwitches(ReplyContext &c)
{
    if (c.length != 1 + MatrixExtras::SwitchesPerBank)
        return;
    const int bank = c.data[0];
    if (bank >= MatrixExtras::SwitchBanks)
        return;
    bool changed = false;
    auto &switches = c.mirror.matrix.switches[size_t(bank)];
    for (int i = 0; i < MatrixExtras::SwitchesPerBank; ++i)
        changed |= store(switches[size_t(i)], boolByte(c.data[1 + i]));
    if (changed)
        c.announce(quint8(bank));
}

void matrix(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return matrixRow(c, &InputChannel::matrixRoute, &MatrixSourceRow::route, boolByte);
    case 2:
        return matrixRow(c, &InputChannel::matrixGain, &MatrixSourceRow::gain, matrixGain);
    case 17:
        return matrixSwitches(c);
    default:
        return;
    }
}

void signalGenerator(ReplyContext &c)
{
    SignalGeneratorState &s = c.mirror.signalGenerator;
    switch (c.funcId()) {
    case 1:
        return bools(c, Entries::Exactly16, [](ParameterMirror &m, int ch) -> quint8 & {
            return m.signalGenerator.outputs[size_t(ch)];
        });
    case 2:
        if (c.length == 4 && storeClamped(s.frequency, f32At(c.data), Ranges::SignalFrequency))
            c.announce();
        return;
    case 3:
        if (c.length == 1 && store(s.type, std::min(c.data[0], Ranges::SignalTypeMax)))
            c.announce();
        return;
    case 4:
        if (c.length == 4 && storeClamped(s.gain, f32At(c.data), Ranges::SignalGain))
            c.announce();
        return;
    case 5:
        if (c.length == 1 && store(s.mute, boolByte(c.data[0])))
            c.announce();
        return;
    default:
        return;
    }
}

QByteArray block(const ReplyContext &c, int size)
{
    return QByteArray(reinterpret_cast<const char *>(c.data), size);
}

void aec(ReplyContext &c)
{
    AecState &a = c.mirror.aec;
    switch (c.funcId()) {
    case 1:
        if (c.length == 1 && store(a.enabled, boolByte(c.data[0])))
            c.announce();
        return;
    case 2:
        if (c.length == AecState::ConfigSize && store(a.config, block(c, c.length)))
            c.announce();
        return;
    case 17:
        if (c.length >= AecState::MinimumMatrixSize && store(a.matrix, block(c, c.length)))
            c.announce();
        return;
    default:
        return;
    }
}

void agc(ReplyContext &c)
{
    if (c.funcId() != 1 || c.length != 1 + AgcParams::WireSize)
        return;
    const int ch = c.data[0];
    if (ch > LastAgcInput)
        return;
    AgcParams &a = c.mirror.inputs[size_t(ch)].agc;
    bool changed = store(a.enabled, boolByte(c.data[1]));
    changed |= storeClamped(a.threshold, f32At(c.data + 2), Ranges::AgcLevel);
    changed |= storeClamped(a.target, f32At(c.data + 6), Ranges::AgcLevel);
    changed |= storeClamped(a.ratio, f32At(c.data + 10), Ranges::AgcRatio);
    changed |= storeClamped(a.attack, f32At(c.data + 14), Ranges::AgcTime);
    changed |= storeClamped(a.release, f32At(c.data + 18), Ranges::AgcTime);
    if (changed)
        c.announce(quint8(ch));
}

void anc(ReplyContext &c)
{
    // (3,17,1) is only set and polled; no reply to it is read.
    if (c.funcId() == 2 && c.length >= AncState::MinimumConfigSize
        && store(c.mirror.anc.config, block(c, c.length)))
        c.announce();
}

void autoMixer(ReplyContext &c)
{
    AutoMixerState &a = c.mirror.autoMixer;
    switch (c.funcId()) {
    case 1:
        return floats(c, Entries::Exactly16, Ranges::AutoMixWeight,
                      [](ParameterMirror &m, int ch) -> float & {
                          return m.autoMixer.weights[size_t(ch)];
                      });
    case 2:
        return bytes(c, Entries::Exactly16, Ranges::AutoMixGroupMax, Above::Clamp,
                     [](ParameterMirror &m, int ch) -> quint8 & {
                         return m.autoMixer.groups[size_t(ch)];
                     });
    case 3:
        if (c.length != 2)
            return;
        for (int group = 0; group < 2; ++group) {
            if (store(a.enabled[size_t(group)], boolByte(c.data[group])))
                c.announce(quint8(group));
        }
        return;
    case 5:
        if (c.length != AutoMixerState::MeterCount)
            return;
        for (int i = 0; i < AutoMixerState::MeterCount; ++i)
            a.meters[size_t(i)] = qint8(c.data[i]);
        c.announce();
        return;
    default:
        return;
    }
}

} // namespace

void Replies::mixModule(ReplyContext &c)
{
    switch (c.id.subType) {
    case 8:
        return matrix(c);
    case 9:
        return signalGenerator(c);
    case 15:
        return aec(c);
    case 16:
        return agc(c);
    case 17:
        return anc(c);
    case 18:
        return autoMixer(c);
    default:
        return;
    }
}
