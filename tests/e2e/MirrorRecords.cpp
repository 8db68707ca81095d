#include "MirrorRecords.h"

#include "link/LocalText.h"
#include "model/StatusPoll.h"

#include <algorithm>

using namespace PollScope;

namespace {

constexpr int InputRecords = 17; // 16/17 replies: inputs 1..16 and the first USB channel
constexpr int Channels = 16;
constexpr int AllMeters = 18;

// Texts as the program reads a fixed field: up to the first zero byte, in the local encoding.
QString localText(const QByteArray &bytes)
{
    const int zero = bytes.indexOf('\0');
    return LocalText::decode(zero < 0 ? bytes : bytes.left(zero));
}

QString at(const char *field, int i)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(field)).arg(i);
}

QString at(const char *field, int i, int j)
{
    return QStringLiteral("%1[%2][%3]").arg(QLatin1String(field)).arg(i).arg(j);
}

template<typename A, typename B>
void sameEach(RecordCheck &c, const char *field, const A &inMirror, const B &inSim, int n)
{
    for (int i = 0; i < n; ++i)
        c.same(at(field, i), inMirror[size_t(i)], inSim[size_t(i)]);
}

QByteArray bytesOf(const quint8 *data, int size)
{
    return QByteArray(reinterpret_cast<const char *>(data), size);
}

// Matrix gains travel as whole dB with -70 for "off"; the program shows them within -56..12.
qint8 shownMatrixGain(qint8 gain)
{
    return std::clamp<qint8>(gain, -56, 12);
}

const sim::InputSetup &in(const RecordCheck &c, int ch)
{
    return c.store.audio.inputs[size_t(ch)];
}

const sim::OutputSetup &out(const RecordCheck &c, int ch)
{
    return c.store.audio.outputs[size_t(ch)];
}

void sameFilter(RecordCheck &c, const QString &what, const HlpfFilter &f, const sim::PassFilter &s)
{
    c.same(what + ".enabled", f.enabled, s.enabled);
    c.same(what + ".type", f.type, s.type);
    c.same(what + ".slope", f.slope, s.slope);
    c.same(what + ".frequency", f.frequency, s.frequency);
}

void sameBand(RecordCheck &c, const QString &what, const PeqFilter &f, const sim::EqBand &s)
{
    c.same(what + ".enabled", f.enabled, s.enabled);
    c.same(what + ".type", f.type, s.type);
    c.same(what + ".frequency", f.frequency, s.frequency);
    c.same(what + ".gain", f.gain, s.gain);
    c.same(what + ".q", f.q, s.q);
}

void sameLimiter(RecordCheck &c, const QString &what, const LimiterParams &l, const sim::Limiter &s)
{
    c.same(what + ".enabled", l.enabled, s.enabled);
    c.same(what + ".threshold", l.threshold, s.threshold);
    c.same(what + ".ratio", l.ratio, s.ratio);
    c.same(what + ".attack", l.attack, s.attack);
    c.same(what + ".release", l.release, s.release);
}

// The per-channel records of the pages with a channel selector.
bool inputSelected(const RecordCheck &c, int last)
{
    return c.channel >= 0 && c.channel <= last;
}

void matrix(RecordCheck &c, bool gains)
{
    for (int o = 0; o < Channels; ++o) {
        for (int i = 0; i < InputRecords; ++i) {
            const sim::MatrixRow &row = c.store.audio.matrix[size_t(i)];
            if (gains)
                c.same(at("matrixGain", i, o), c.mirror.inputs[size_t(i)].matrixGain[size_t(o)],
                       shownMatrixGain(row.gain[size_t(o)]));
            else
                c.same(at("matrixRoute", i, o), c.mirror.inputs[size_t(i)].matrixRoute[size_t(o)],
                       row.route[size_t(o)]);
        }
        const sim::MatrixRow &aec = c.store.audio.matrix[sim::EchoSource];
        const sim::MatrixRow &anc = c.store.audio.matrix[sim::NoiseSource];
        if (gains) {
            c.same(at("aec.gain", o), c.mirror.matrix.aec.gain[size_t(o)],
                   shownMatrixGain(aec.gain[size_t(o)]));
            c.same(at("anc.gain", o), c.mirror.matrix.anc.gain[size_t(o)],
                   shownMatrixGain(anc.gain[size_t(o)]));
        } else {
            c.same(at("aec.route", o), c.mirror.matrix.aec.route[size_t(o)], aec.route[size_t(o)]);
            c.same(at("anc.route", o), c.mirror.matrix.anc.route[size_t(o)], anc.route[size_t(o)]);
        }
    }
}

// Bits 6 and 7 of status word 35 count only together.
quint32 shownStatus35(quint32 v)
{
    return (v & 0xC0) == 0xC0 ? v : v & ~quint32(0xC0);
}

QString macText(const std::array<quint8, 6> &mac)
{
    QStringList parts;
    for (quint8 b : mac)
        parts << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char('-'));
}

const quint32 Setup = dialog(StatusPoll::DeviceSetupDialog);
const quint32 Usb = dialog(StatusPoll::UsbRecPlayDialog);

const std::vector<MirrorRecord> Records = {
        // ---- meters, every 100 ms ----
        {"InputMeters", Always,
         [](RecordCheck &c) {
             for (int ch = 0; ch < AllMeters; ++ch)
                 c.same(at("postMeter", ch), c.mirror.inputs[size_t(ch)].postMeter,
                        c.levels.inputPost[size_t(ch)]);
         }},
        {"PreMixMeters", Always,
         [](RecordCheck &c) {
             for (int ch = 0; ch < AllMeters; ++ch)
                 c.same(at("preMeter", ch), c.mirror.inputs[size_t(ch)].preMeter,
                        c.levels.inputPre[size_t(ch)]);
         }},
        {"OutputPreMeters", Always,
         [](RecordCheck &c) {
             for (int ch = 0; ch < AllMeters; ++ch)
                 c.same(at("out.preMeter", ch), c.mirror.outputs[size_t(ch)].preMeter,
                        c.levels.outputPre[size_t(ch)]);
         }},
        {"OutputMeters", Always,
         [](RecordCheck &c) {
             for (int ch = 0; ch < AllMeters; ++ch)
                 c.same(at("out.postMeter", ch), c.mirror.outputs[size_t(ch)].postMeter,
                        c.levels.outputPost[size_t(ch)]);
         }},
        {"AutoMixMeters", Always,
         [](RecordCheck &c) {
             sameEach(c, "autoMixer.meters", c.mirror.autoMixer.meters, c.levels.autoMix,
                      AutoMixerState::MeterCount);
         }},

        // ---- system status, every 200 ms ----
        {"SysDanteState", Always,
         [](RecordCheck &c) {
             const bool dante = c.store.config.dante;
             c.same("danteSupported", c.mirror.device.danteSupported, dante ? 1 : 0);
             c.same("danteConnected", c.mirror.device.danteConnected,
                    dante && c.store.dante.connected() ? 1 : 0);
         }},
        {"SysDanteRestart", Always,
         [](RecordCheck &c) {
             c.same("danteRestart", c.mirror.device.danteRestart,
                    c.store.config.dante && !c.store.dante.connected() ? 1 : 0);
         }},
        {"SysStatus35", Always,
         [](RecordCheck &c) {
             c.same("status35", c.mirror.device.status35, shownStatus35(c.store.system.status35));
         }},
        {"SysChannelConfig", Always,
         [](RecordCheck &c) {
             c.same("inputCount", c.mirror.device.inputCount, c.store.config.inputCount);
             c.same("outputCount", c.mirror.device.outputCount, c.store.config.outputCount);
         }},
        {"SysArmVersion", Always,
         [](RecordCheck &c) {
             sameEach(c, "armVersion", c.mirror.device.armVersion, c.store.system.armVersion, 3);
         }},
        {"SysDspVersion", Always,
         [](RecordCheck &c) {
             sameEach(c, "dspVersion", c.mirror.device.dspVersion, c.store.system.dspVersion, 3);
         }},
        {"SysLocation", Always,
         [](RecordCheck &c) {
             c.same("location", c.mirror.device.location, localText(c.store.system.location));
         }},
        {"SysDescription", Always,
         [](RecordCheck &c) {
             c.same("description", c.mirror.device.description,
                    localText(c.store.system.description));
         }},
        {"SysDspUsage", Always,
         [](RecordCheck &c) {
             sameEach(c, "dspUsage", c.mirror.device.dspUsage, c.levels.dspUsage, 2);
         }},
        {"SysSystemMute", Always,
         [](RecordCheck &c) {
             c.same("systemMute", c.mirror.device.systemMute, c.store.system.systemMute);
         }},
        {"SysArmBuild", Always,
         [](RecordCheck &c) {
             c.same("armBuild", c.mirror.device.armBuild, c.store.system.armBuild);
         }},
        {"SysSerialNumber", Always,
         [](RecordCheck &c) {
             c.same("serialNumber", c.mirror.device.serialNumber,
                    localText(c.store.system.serialNumber));
         }},
        {"SysDeviceId", Always,
         [](RecordCheck &c) {
             c.same("deviceId", c.mirror.device.deviceId, c.store.system.deviceId);
         }},
        {"SysFaultFlags", Always,
         [](RecordCheck &c) {
             c.same("faultFlags", c.mirror.device.faultFlags, c.store.system.faultFlags);
         }},
        {"SysFaults", Always,
         [](RecordCheck &c) {
             sameEach(c, "faults", c.mirror.device.faults, c.store.system.rails, 5);
         }},
        {"InputLabels", Always,
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("label", ch), c.mirror.inputs[size_t(ch)].label,
                        localText(c.store.system.inputLabels[size_t(ch)]));
         }},
        {"OutputLabels", Always,
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("out.label", ch), c.mirror.outputs[size_t(ch)].label,
                        localText(c.store.system.outputLabels[size_t(ch)]));
         }},
        {"SyncConfig", Always,
         [](RecordCheck &c) {
             c.same("syncMode", c.mirror.device.syncMode, c.store.system.syncMode);
             c.same("syncHost", c.mirror.device.syncHost, c.store.system.syncHost);
         }},
        {"SyncStatus", Always,
         [](RecordCheck &c) {
             // A master is in step with itself, a slave with its master.
             c.same("syncStatus", c.mirror.device.syncStatus, c.store.system.syncMode == 0 ? 0 : 2);
         }},
        {"SysFanTest", Always,
         [](RecordCheck &c) {
             c.same("fanTest", c.mirror.device.fanTest, c.store.system.fanTest);
         }},

        // ---- module pages ----
        {"InputMute", page(StatusPoll::InSetup),
         [](RecordCheck &c) {
             for (int ch = 0; ch < Channels; ++ch)
                 c.same(at("mute", ch), c.mirror.inputs[size_t(ch)].mute, in(c, ch).mute);
         }},
        {"InputMode", page(StatusPoll::InSetup) | page(StatusPoll::LevelPreMix) | Usb,
         [](RecordCheck &c) {
             for (int ch = 0; ch < Channels; ++ch)
                 c.same(at("inputMode", ch), c.mirror.inputs[size_t(ch)].inputMode, in(c, ch).mode);
         }},
        {"InputPhantom", page(StatusPoll::InSetup),
         [](RecordCheck &c) {
             for (int ch = 0; ch < Channels; ++ch)
                 c.same(at("phantom", ch), c.mirror.inputs[size_t(ch)].phantom, in(c, ch).phantom);
         }},
        {"InputGain", page(StatusPoll::InSetup),
         [](RecordCheck &c) {
             for (int ch = 0; ch < Channels; ++ch)
                 c.same(at("inputGain", ch), c.mirror.inputs[size_t(ch)].inputGain, in(c, ch).gain);
         }},
        {"GateStatus", page(StatusPoll::Gate),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("gateStatus", ch), c.mirror.inputs[size_t(ch)].gateStatus,
                        c.levels.gateOpen[size_t(ch)]);
         }},
        {"GateParams", page(StatusPoll::Gate),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch) {
                 const GateParams &g = c.mirror.inputs[size_t(ch)].gate;
                 const sim::Gate &s = in(c, ch).gate;
                 c.same(at("gate.enabled", ch), g.enabled, s.enabled);
                 c.same(at("gate.threshold", ch), g.threshold, s.threshold);
                 c.same(at("gate.attack", ch), g.attack, s.attack);
                 c.same(at("gate.release", ch), g.release, s.release);
             }
         }},
        {"Agc", page(StatusPoll::Agc),
         [](RecordCheck &c) {
             if (!inputSelected(c, Channels - 1))
                 return;
             const AgcParams &a = c.mirror.inputs[size_t(c.channel)].agc;
             const sim::Agc &s = in(c, c.channel).agc;
             c.same(at("agc.enabled", c.channel), a.enabled, s.enabled);
             c.same(at("agc.threshold", c.channel), a.threshold, s.threshold);
             c.same(at("agc.target", c.channel), a.target, s.target);
             c.same(at("agc.ratio", c.channel), a.ratio, s.ratio);
             c.same(at("agc.attack", c.channel), a.attack, s.attack);
             c.same(at("agc.release", c.channel), a.release, s.release);
         }},
        {"FeedbackEnable", page(StatusPoll::Feedback),
         [](RecordCheck &c) {
             for (int ch = 0; ch < Channels; ++ch)
                 c.same(at("feedbackEnabled", ch), c.mirror.inputs[size_t(ch)].feedbackEnabled,
                        in(c, ch).feedback);
         }},
        {"InFilterHPF", page(StatusPoll::InFilter),
         [](RecordCheck &c) {
             if (inputSelected(c, InputRecords - 1))
                 sameFilter(c, at("hpf", c.channel), c.mirror.inputs[size_t(c.channel)].hpf,
                            in(c, c.channel).highPass);
         }},
        {"InFilterLPF", page(StatusPoll::InFilter),
         [](RecordCheck &c) {
             if (inputSelected(c, InputRecords - 1))
                 sameFilter(c, at("lpf", c.channel), c.mirror.inputs[size_t(c.channel)].lpf,
                            in(c, c.channel).lowPass);
         }},
        {"InFilterPEQ", page(StatusPoll::InFilter),
         [](RecordCheck &c) {
             if (!inputSelected(c, InputRecords - 1))
                 return;
             for (int b = 0; b < PeqFilter::BandCount; ++b)
                 sameBand(c, at("peq", c.channel, b),
                          c.mirror.inputs[size_t(c.channel)].peq[size_t(b)],
                          in(c, c.channel).eq[size_t(b)]);
         }},
        {"InLimiter", page(StatusPoll::InLimiter),
         [](RecordCheck &c) {
             if (inputSelected(c, InputRecords - 1))
                 sameLimiter(c, at("limiter", c.channel),
                             c.mirror.inputs[size_t(c.channel)].limiter, in(c, c.channel).limiter);
         }},
        {"InLimiterGain", page(StatusPoll::InLimiter),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("limiterGain", ch), c.mirror.inputs[size_t(ch)].limiterGain,
                        in(c, ch).limiterGain);
         }},
        {"InDelay", page(StatusPoll::InDelay),
         [](RecordCheck &c) {
             for (int ch = 0; ch < Channels; ++ch)
                 c.same(at("delay", ch), c.mirror.inputs[size_t(ch)].delay, in(c, ch).delay);
         }},
        {"AncConfig", page(StatusPoll::Anc) | page(StatusPoll::Matrix),
         [](RecordCheck &c) {
             c.same("anc.config", c.mirror.anc.config,
                    bytesOf(c.store.audio.noiseBlock.data(), int(c.store.audio.noiseBlock.size())));
         }},
        {"MatrixRoute", page(StatusPoll::Anc) | page(StatusPoll::Aec) | page(StatusPoll::Matrix),
         [](RecordCheck &c) { matrix(c, false); }},
        {"MatrixGain", page(StatusPoll::Matrix), [](RecordCheck &c) { matrix(c, true); }},
        {"AecEnable", page(StatusPoll::Aec),
         [](RecordCheck &c) {
             c.same("aec.enabled", c.mirror.aec.enabled, c.store.audio.echoEnabled);
         }},
        {"AecConfig", page(StatusPoll::Aec),
         [](RecordCheck &c) {
             c.same("aec.config", c.mirror.aec.config,
                    bytesOf(c.store.audio.echoMicrophones.data(),
                            int(c.store.audio.echoMicrophones.size())));
         }},
        {"AecMatrix", page(StatusPoll::Aec) | page(StatusPoll::Matrix),
         [](RecordCheck &c) {
             c.same("aec.matrix", c.mirror.aec.matrix,
                    bytesOf(c.store.audio.echoBlock.data(), int(c.store.audio.echoBlock.size())));
         }},
        {"PreMixMute", page(StatusPoll::LevelPreMix),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("preMixMute", ch), c.mirror.inputs[size_t(ch)].preMixMute,
                        in(c, ch).preMixMute);
         }},
        {"PreMixGain", page(StatusPoll::LevelPreMix),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("preMixGain", ch), c.mirror.inputs[size_t(ch)].preMixGain,
                        in(c, ch).preMixGain);
         }},
        {"PreMixInvert", page(StatusPoll::LevelPreMix),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("invert", ch), c.mirror.inputs[size_t(ch)].invert, in(c, ch).invert);
         }},
        {"PreMixGroup", page(StatusPoll::LevelPreMix),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("group", ch), c.mirror.inputs[size_t(ch)].group, in(c, ch).group);
         }},
        {"PreMixGainRange", page(StatusPoll::LevelPreMix) | Setup,
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch) {
                 c.same(at("gainMax", ch), c.mirror.inputs[size_t(ch)].gainMax, in(c, ch).gainMax);
                 c.same(at("gainMin", ch), c.mirror.inputs[size_t(ch)].gainMin, in(c, ch).gainMin);
             }
         }},
        {"PreMixPriority", page(StatusPoll::LevelPreMix),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("priority", ch), c.mirror.inputs[size_t(ch)].priority,
                        in(c, ch).priority);
         }},
        {"AutoMixWeight", page(StatusPoll::AutoMixer),
         [](RecordCheck &c) {
             sameEach(c, "autoMixer.weights", c.mirror.autoMixer.weights,
                      c.store.audio.autoMixer.weight, Channels);
         }},
        {"AutoMixGroup", page(StatusPoll::AutoMixer),
         [](RecordCheck &c) {
             sameEach(c, "autoMixer.groups", c.mirror.autoMixer.groups,
                      c.store.audio.autoMixer.group, Channels);
         }},
        {"AutoMixEnable", page(StatusPoll::AutoMixer),
         [](RecordCheck &c) {
             sameEach(c, "autoMixer.enabled", c.mirror.autoMixer.enabled,
                      c.store.audio.autoMixer.enabled, 2);
         }},
        {"SigGen", page(StatusPoll::SignalGenerator),
         [](RecordCheck &c) {
             const SignalGeneratorState &g = c.mirror.signalGenerator;
             const sim::SignalGenerator &s = c.store.audio.generator;
             c.same("generator.mute", g.mute, s.mute);
             c.same("generator.type", g.type, s.type);
             c.same("generator.frequency", g.frequency, s.frequency);
             c.same("generator.gain", g.gain, s.gain);
             sameEach(c, "generator.outputs", g.outputs, s.outputs, Channels);
         }},
        {"OutMute", page(StatusPoll::OutLevel),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("out.mute", ch), c.mirror.outputs[size_t(ch)].mute, out(c, ch).mute);
         }},
        {"OutInvert", page(StatusPoll::OutLevel),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("out.invert", ch), c.mirror.outputs[size_t(ch)].invert,
                        out(c, ch).invert);
         }},
        {"OutGain", page(StatusPoll::OutLevel),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("out.gain", ch), c.mirror.outputs[size_t(ch)].gain, out(c, ch).gain);
         }},
        {"OutGroup", page(StatusPoll::OutLevel),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("out.group", ch), c.mirror.outputs[size_t(ch)].group, out(c, ch).group);
         }},
        {"OutGainRange", page(StatusPoll::OutLevel) | Setup,
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch) {
                 c.same(at("out.gainMax", ch), c.mirror.outputs[size_t(ch)].gainMax,
                        out(c, ch).gainMax);
                 c.same(at("out.gainMin", ch), c.mirror.outputs[size_t(ch)].gainMin,
                        out(c, ch).gainMin);
             }
         }},
        {"OutFilterHPF", page(StatusPoll::OutFilter),
         [](RecordCheck &c) {
             if (inputSelected(c, Channels - 1))
                 sameFilter(c, at("out.hpf", c.channel), c.mirror.outputs[size_t(c.channel)].hpf,
                            out(c, c.channel).highPass);
         }},
        {"OutFilterLPF", page(StatusPoll::OutFilter),
         [](RecordCheck &c) {
             if (inputSelected(c, Channels - 1))
                 sameFilter(c, at("out.lpf", c.channel), c.mirror.outputs[size_t(c.channel)].lpf,
                            out(c, c.channel).lowPass);
         }},
        {"OutFilterPEQ", page(StatusPoll::OutFilter),
         [](RecordCheck &c) {
             if (!inputSelected(c, Channels - 1))
                 return;
             for (int b = 0; b < PeqFilter::BandCount; ++b)
                 sameBand(c, at("out.peq", c.channel, b),
                          c.mirror.outputs[size_t(c.channel)].peq[size_t(b)],
                          out(c, c.channel).eq[size_t(b)]);
         }},
        {"OutLimiter", page(StatusPoll::OutLimiter),
         [](RecordCheck &c) {
             if (inputSelected(c, InputRecords - 1))
                 sameLimiter(c, at("out.limiter", c.channel),
                             c.mirror.outputs[size_t(c.channel)].limiter,
                             out(c, c.channel).limiter);
         }},
        {"OutDelay", page(StatusPoll::OutDelay),
         [](RecordCheck &c) {
             for (int ch = 0; ch < Channels; ++ch)
                 c.same(at("out.delay", ch), c.mirror.outputs[size_t(ch)].delay, out(c, ch).delay);
         }},

        // ---- administration dialogs ----
        {"InputShortLabels", dialog(StatusPoll::LabelsDialog),
         [](RecordCheck &c) {
             for (int ch = 0; ch < InputRecords; ++ch)
                 c.same(at("shortLabel", ch), c.mirror.inputs[size_t(ch)].shortLabel,
                        localText(c.store.system.shortLabels[size_t(ch)]));
         }},
        {"PresetList", dialog(StatusPoll::PresetsDialog),
         [](RecordCheck &c) {
             c.same("presets.current", c.mirror.presets.current, c.store.currentPreset);
             for (int i = 0; i < PresetTable::SlotCount; ++i) {
                 const sim::PresetSlot &slot = c.store.presets[size_t(i)];
                 c.same(at("presets.used", i), c.mirror.presets.used[size_t(i)], slot.used ? 1 : 0);
                 c.same(at("presets.names", i), c.mirror.presets.names[size_t(i)],
                        localText(slot.name));
             }
         }},
        {"UsbPlay", Usb,
         [](RecordCheck &c) {
             const UsbState &u = c.mirror.usb;
             const sim::SimUsb &s = c.store.usb;
             c.same("usb.playCount", u.playCount, quint32(s.playList().size()));
             c.same("usb.playMode", u.playMode, s.playMode());
             c.same("usb.playState", u.playState, s.playState());
             c.same("usb.playPosition", u.playPosition, s.position());
             c.same("usb.playDuration", u.playDuration, s.duration());
             c.same("usb.playFile", u.playFile, s.playFile());
         }},
        {"UsbRecord", Usb,
         [](RecordCheck &c) {
             const UsbState &u = c.mirror.usb;
             const sim::SimUsb &s = c.store.usb;
             c.same("usb.recordCount", u.recordCount, quint32(s.recordList().size()));
             c.same("usb.recordState", u.recordState, s.recordState());
             c.same("usb.recordTime", u.recordTime, s.recordSeconds());
             c.same("usb.recordFile", u.recordFile, s.recordFile());
         }},
        {"UsbRecordSource", Usb,
         [](RecordCheck &c) {
             c.same("usb.recordSource", c.mirror.usb.recordSource,
                    c.store.audio.recordSourceButton);
         }},
        {"MatrixSwitches", Usb,
         [](RecordCheck &c) {
             for (int bank = 0; bank < MatrixExtras::SwitchBanks; ++bank)
                 for (int i = 0; i < MatrixExtras::SwitchesPerBank; ++i)
                     c.same(at("matrix.switches", bank, i),
                            c.mirror.matrix.switches[size_t(bank)][size_t(i)],
                            c.store.audio.recordSources[size_t(bank)][size_t(i)]);
         }},
        {"SysModelName", Setup,
         [](RecordCheck &c) {
             c.same("modelName", c.mirror.device.modelName, localText(c.store.system.model));
         }},
        {"SysNetwork", Setup,
         [](RecordCheck &c) {
             c.same("address", c.mirror.device.address, c.store.system.address);
             c.same("netmask", c.mirror.device.netmask, c.store.system.netmask);
             c.same("gateway", c.mirror.device.gateway, c.store.system.gateway);
         }},
        {"SysMacAddress", Setup,
         [](RecordCheck &c) {
             c.same("macAddress", c.mirror.device.macAddress, macText(c.store.system.mac));
         }},
        {"SysRunTime", Setup,
         [](RecordCheck &c) {
             c.same("runTime", c.mirror.device.runTime, c.store.runTime());
             c.same("totalTime", c.mirror.device.totalTime, c.store.totalTime());
             c.same("bootCount", c.mirror.device.bootCount, c.store.system.bootCount);
         }},
        {"SysTemperature", Setup,
         [](RecordCheck &c) {
             c.same("temperature", c.mirror.device.temperature, c.levels.temperature);
         }},
        {"SysDateTime", Setup,
         [](RecordCheck &c) {
             const QByteArray clock = c.store.dateTime();
             c.same("dateTime", bytesOf(c.mirror.device.dateTime.data(), 7), clock);
         }},
        {"SysBaudRates", Setup,
         [](RecordCheck &c) {
             c.same("rs232Baud", c.mirror.device.rs232Baud, c.store.system.rs232Baud);
             c.same("rs485Baud", c.mirror.device.rs485Baud, c.store.system.rs485Baud);
         }},
        {"SysGateReport", Setup,
         [](RecordCheck &c) {
             c.same("gateReport", c.mirror.device.gateReport, c.store.system.gateReport);
         }},
        {"SysUsbAutoPlay", Setup,
         [](RecordCheck &c) {
             c.same("usbAutoPlay", c.mirror.device.usbAutoPlay, c.store.system.usbAutoPlay);
         }},
        {"SysUsbDisk", Setup,
         [](RecordCheck &c) {
             c.same("usbDisk", c.mirror.device.usbDisk, c.store.system.usbDisk);
         }},
        {"GpioPort", dialog(StatusPoll::GpioSetupDialog),
         [](RecordCheck &c) {
             for (int port = 0; port < GpioPort::PortCount; ++port) {
                 const auto &s = c.store.system.gpio[size_t(port)];
                 const GpioPort &g = c.mirror.gpio[size_t(port)];
                 c.same(at("gpio.kind", port), g.kind, s[0]);
                 c.same(at("gpio.settings", port),
                        bytesOf(g.settings.data(), GpioPort::SettingsSize),
                        bytesOf(s.data() + 1, GpioPort::SettingsSize));
             }
         }},
        {"DanteInfo", dialog(StatusPoll::DanteSetupDialog),
         [](RecordCheck &c) {
             if (c.store.config.dante)
                 c.same("dante.info", c.mirror.dante.info, c.store.dante.info());
         }},
        {"DanteState3", dialog(StatusPoll::DanteSetupDialog),
         [](RecordCheck &c) {
             if (!c.store.config.dante)
                 return;
             // While the module starts up its clock reports "Startup".
             c.same("dante.clockSource", c.mirror.dante.clockSource, c.store.dante.clockSource);
             c.same("dante.clockState", c.mirror.dante.clockState,
                    c.store.dante.connected() ? c.store.dante.clockState : 1);
         }},
        {"DanteBlock4", dialog(StatusPoll::DanteSetupDialog),
         [](RecordCheck &c) {
             if (!c.store.config.dante)
                 return;
             for (int b = 0; b < DanteState::BlockCount; ++b) {
                 const auto &s = c.store.dante.subscriptions[size_t(b)];
                 c.same(at("dante.blocks", b), c.mirror.dante.blocks[size_t(b)],
                        bytesOf(s.data(), int(s.size())));
             }
         }},
};

} // namespace

const std::vector<MirrorRecord> &mirrorRecords()
{
    return Records;
}

namespace {

QStringList differencesOf(const ParameterMirror &mirror, const sim::SimStore &store, int channel,
                          const std::function<bool(const MirrorRecord &)> &which)
{
    const sim::Levels levels = sim::Levels::compute(store);
    QStringList differences;
    RecordCheck check {mirror, store, levels, channel, differences};
    for (const MirrorRecord &record : Records) {
        if (!which(record))
            continue;
        const int before = differences.size();
        record.compare(check);
        for (int i = before; i < differences.size(); ++i)
            differences[i].prepend(QLatin1String(record.name) + QLatin1String(" "));
    }
    return differences;
}

} // namespace

QStringList mirrorDifferences(const ParameterMirror &mirror, const sim::SimStore &store,
                              quint32 scope, int channel)
{
    return differencesOf(mirror, store, channel,
                         [scope](const MirrorRecord &r) { return (r.polledBy & scope) != 0; });
}

QStringList mirrorDifferences(const ParameterMirror &mirror, const sim::SimStore &store,
                              const QStringList &records)
{
    return differencesOf(mirror, store, 0, [&records](const MirrorRecord &r) {
        return records.contains(QLatin1String(r.name));
    });
}
