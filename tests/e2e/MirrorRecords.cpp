#include "MirrorRecords.h"

#include "wire/LocalText.h"
#include "model/StatusPoll.h"

#include <algorithm>
#include <type_traits>

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

// One field of every input (or output) channel against the processor's channel set-up.
template<typename A, typename B>
MirrorRecord inputs(const char *name, quint32 polledBy, const char *field, int n,
                    A InputChannel::*mine, B sim::InputSetup::*theirs)
{
    return {name, polledBy, [=](RecordCheck &c) {
                for (int ch = 0; ch < n; ++ch)
                    c.same(at(field, ch), c.mirror.inputs[size_t(ch)].*mine, in(c, ch).*theirs);
            }};
}

template<typename A, typename B>
MirrorRecord outputs(const char *name, quint32 polledBy, const char *field, A OutputChannel::*mine,
                     B sim::OutputSetup::*theirs, int n = InputRecords)
{
    return {name, polledBy, [=](RecordCheck &c) {
                for (int ch = 0; ch < n; ++ch)
                    c.same(at(field, ch), c.mirror.outputs[size_t(ch)].*mine, out(c, ch).*theirs);
            }};
}

// One system value the processor reports as it keeps it.
template<typename A, typename B>
MirrorRecord systemValue(const char *name, quint32 polledBy, const char *field, A DeviceInfo::*mine,
                         B sim::SimSystem::*theirs)
{
    return {name, polledBy,
            [=](RecordCheck &c) { c.same(field, c.mirror.device.*mine, c.store.system.*theirs); }};
}

// Several system values, or one text the program decodes.
template<typename A, typename B>
MirrorRecord systemList(const char *name, quint32 polledBy, const char *field, A DeviceInfo::*mine,
                        B sim::SimSystem::*theirs, int n)
{
    return {name, polledBy, [=](RecordCheck &c) {
                sameEach(c, field, c.mirror.device.*mine, c.store.system.*theirs, n);
            }};
}

MirrorRecord systemText(const char *name, quint32 polledBy, const char *field,
                        QString DeviceInfo::*mine, QByteArray sim::SimSystem::*theirs)
{
    return {name, polledBy, [=](RecordCheck &c) {
                c.same(field, c.mirror.device.*mine, localText(c.store.system.*theirs));
            }};
}

template<typename C> const C &channelOf(const ParameterMirror &m, int ch)
{
    if constexpr (std::is_same_v<C, InputChannel>)
        return m.inputs[size_t(ch)];
    else
        return m.outputs[size_t(ch)];
}

// The labels of the 17 channel records.
template<typename C>
MirrorRecord labels(const char *name, quint32 polledBy, const char *field, QString C::*mine,
                    std::array<QByteArray, sim::ChannelRecords> sim::SimSystem::*theirs)
{
    return {name, polledBy, [=](RecordCheck &c) {
                for (int ch = 0; ch < InputRecords; ++ch)
                    c.same(at(field, ch), channelOf<C>(c.mirror, ch).*mine,
                           localText((c.store.system.*theirs)[size_t(ch)]));
            }};
}

// Meters of all 18 channels against the processor's levels.
template<typename C>
MirrorRecord meters(const char *name, const char *field, qint8 C::*mine,
                    std::array<qint8, sim::ChannelRecords> sim::Levels::*theirs)
{
    return {name, Always, [=](RecordCheck &c) {
                for (int ch = 0; ch < AllMeters; ++ch)
                    c.same(at(field, ch), channelOf<C>(c.mirror, ch).*mine,
                           (c.levels.*theirs)[size_t(ch)]);
            }};
}

// The records of the pages with a channel selector: the selected channel, if the record has it.
MirrorRecord selected(const char *name, quint32 polledBy, int last,
                      void (*compare)(RecordCheck &, int ch))
{
    return {name, polledBy, [=](RecordCheck &c) {
                if (c.channel >= 0 && c.channel <= last)
                    compare(c, c.channel);
            }};
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
        meters("InputMeters", "postMeter", &InputChannel::postMeter, &sim::Levels::inputPost),
        meters("PreMixMeters", "preMeter", &InputChannel::preMeter, &sim::Levels::inputPre),
        meters("OutputPreMeters", "out.preMeter", &OutputChannel::preMeter,
               &sim::Levels::outputPre),
        meters("OutputMeters", "out.postMeter", &OutputChannel::postMeter,
               &sim::Levels::outputPost),
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
        systemList("SysArmVersion", Always, "armVersion", &DeviceInfo::armVersion,
                   &sim::SimSystem::armVersion, 3),
        systemList("SysDspVersion", Always, "dspVersion", &DeviceInfo::dspVersion,
                   &sim::SimSystem::dspVersion, 3),
        systemText("SysLocation", Always, "location", &DeviceInfo::location,
                   &sim::SimSystem::location),
        systemText("SysDescription", Always, "description", &DeviceInfo::description,
                   &sim::SimSystem::description),
        {"SysDspUsage", Always,
         [](RecordCheck &c) {
             sameEach(c, "dspUsage", c.mirror.device.dspUsage, c.levels.dspUsage, 2);
         }},
        systemValue("SysSystemMute", Always, "systemMute", &DeviceInfo::systemMute,
                    &sim::SimSystem::systemMute),
        systemValue("SysArmBuild", Always, "armBuild", &DeviceInfo::armBuild,
                    &sim::SimSystem::armBuild),
        systemText("SysSerialNumber", Always, "serialNumber", &DeviceInfo::serialNumber,
                   &sim::SimSystem::serialNumber),
        systemValue("SysDeviceId", Always, "deviceId", &DeviceInfo::deviceId,
                    &sim::SimSystem::deviceId),
        systemValue("SysFaultFlags", Always, "faultFlags", &DeviceInfo::faultFlags,
                    &sim::SimSystem::faultFlags),
        systemList("SysFaults", Always, "faults", &DeviceInfo::faults, &sim::SimSystem::rails, 5),
        labels("InputLabels", Always, "label", &InputChannel::label, &sim::SimSystem::inputLabels),
        labels("OutputLabels", Always, "out.label", &OutputChannel::label,
               &sim::SimSystem::outputLabels),
        systemValue("SyncConfig", Always, "syncMode", &DeviceInfo::syncMode,
                    &sim::SimSystem::syncMode),
        systemValue("SyncConfig", Always, "syncHost", &DeviceInfo::syncHost,
                    &sim::SimSystem::syncHost),
        {"SyncStatus", Always,
         [](RecordCheck &c) {
             // A master is in step with itself, a slave with its master.
             c.same("syncStatus", c.mirror.device.syncStatus, c.store.system.syncMode == 0 ? 0 : 2);
         }},
        systemValue("SysFanTest", Always, "fanTest", &DeviceInfo::fanTest,
                    &sim::SimSystem::fanTest),

        // ---- module pages ----
        inputs("InputMute", page(StatusPoll::InSetup), "mute", Channels, &InputChannel::mute,
               &sim::InputSetup::mute),
        inputs("InputMode", page(StatusPoll::InSetup) | page(StatusPoll::LevelPreMix) | Usb,
               "inputMode", Channels, &InputChannel::inputMode, &sim::InputSetup::mode),
        inputs("InputPhantom", page(StatusPoll::InSetup), "phantom", Channels,
               &InputChannel::phantom, &sim::InputSetup::phantom),
        inputs("InputGain", page(StatusPoll::InSetup), "inputGain", Channels,
               &InputChannel::inputGain, &sim::InputSetup::gain),
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
        selected("Agc", page(StatusPoll::Agc), Channels - 1,
                 [](RecordCheck &c, int ch) {
                     const AgcParams &a = c.mirror.inputs[size_t(ch)].agc;
                     const sim::Agc &s = in(c, ch).agc;
                     c.same(at("agc.enabled", ch), a.enabled, s.enabled);
                     c.same(at("agc.threshold", ch), a.threshold, s.threshold);
                     c.same(at("agc.target", ch), a.target, s.target);
                     c.same(at("agc.ratio", ch), a.ratio, s.ratio);
                     c.same(at("agc.attack", ch), a.attack, s.attack);
                     c.same(at("agc.release", ch), a.release, s.release);
                 }),
        inputs("FeedbackEnable", page(StatusPoll::Feedback), "feedbackEnabled", Channels,
               &InputChannel::feedbackEnabled, &sim::InputSetup::feedback),
        selected("InFilterHPF", page(StatusPoll::InFilter), InputRecords - 1,
                 [](RecordCheck &c, int ch) {
                     sameFilter(c, at("hpf", ch), c.mirror.inputs[size_t(ch)].hpf, in(c, ch).highPass);
                 }),
        selected("InFilterLPF", page(StatusPoll::InFilter), InputRecords - 1,
                 [](RecordCheck &c, int ch) {
                     sameFilter(c, at("lpf", ch), c.mirror.inputs[size_t(ch)].lpf, in(c, ch).lowPass);
                 }),
        selected("InFilterPEQ", page(StatusPoll::InFilter), InputRecords - 1,
                 [](RecordCheck &c, int ch) {
                     for (int b = 0; b < PeqFilter::BandCount; ++b)
                         sameBand(c, at("peq", ch, b), c.mirror.inputs[size_t(ch)].peq[size_t(b)],
                                  in(c, ch).eq[size_t(b)]);
                 }),
        selected("InLimiter", page(StatusPoll::InLimiter), InputRecords - 1,
                 [](RecordCheck &c, int ch) {
                     sameLimiter(c, at("limiter", ch), c.mirror.inputs[size_t(ch)].limiter,
                                 in(c, ch).limiter);
                 }),
        inputs("InLimiterGain", page(StatusPoll::InLimiter), "limiterGain", InputRecords,
               &InputChannel::limiterGain, &sim::InputSetup::limiterGain),
        inputs("InDelay", page(StatusPoll::InDelay), "delay", Channels, &InputChannel::delay,
               &sim::InputSetup::delay),
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
        inputs("PreMixMute", page(StatusPoll::LevelPreMix), "preMixMute", InputRecords,
               &InputChannel::preMixMute, &sim::InputSetup::preMixMute),
        inputs("PreMixGain", page(StatusPoll::LevelPreMix), "preMixGain", InputRecords,
               &InputChannel::preMixGain, &sim::InputSetup::preMixGain),
        inputs("PreMixInvert", page(StatusPoll::LevelPreMix), "invert", InputRecords,
               &InputChannel::invert, &sim::InputSetup::invert),
        inputs("PreMixGroup", page(StatusPoll::LevelPreMix), "group", InputRecords,
               &InputChannel::group, &sim::InputSetup::group),
        inputs("PreMixGainRange", page(StatusPoll::LevelPreMix) | Setup, "gainMax", InputRecords,
               &InputChannel::gainMax, &sim::InputSetup::gainMax),
        inputs("PreMixGainRange", page(StatusPoll::LevelPreMix) | Setup, "gainMin", InputRecords,
               &InputChannel::gainMin, &sim::InputSetup::gainMin),
        inputs("PreMixPriority", page(StatusPoll::LevelPreMix), "priority", InputRecords,
               &InputChannel::priority, &sim::InputSetup::priority),
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
        outputs("OutMute", page(StatusPoll::OutLevel), "out.mute", &OutputChannel::mute,
                &sim::OutputSetup::mute),
        outputs("OutInvert", page(StatusPoll::OutLevel), "out.invert", &OutputChannel::invert,
                &sim::OutputSetup::invert),
        outputs("OutGain", page(StatusPoll::OutLevel), "out.gain", &OutputChannel::gain,
                &sim::OutputSetup::gain),
        outputs("OutGroup", page(StatusPoll::OutLevel), "out.group", &OutputChannel::group,
                &sim::OutputSetup::group),
        outputs("OutGainRange", page(StatusPoll::OutLevel) | Setup, "out.gainMax",
                &OutputChannel::gainMax, &sim::OutputSetup::gainMax),
        outputs("OutGainRange", page(StatusPoll::OutLevel) | Setup, "out.gainMin",
                &OutputChannel::gainMin, &sim::OutputSetup::gainMin),
        selected("OutFilterHPF", page(StatusPoll::OutFilter), Channels - 1,
                 [](RecordCheck &c, int ch) {
                     sameFilter(c, at("out.hpf", ch), c.mirror.outputs[size_t(ch)].hpf,
                                out(c, ch).highPass);
                 }),
        selected("OutFilterLPF", page(StatusPoll::OutFilter), Channels - 1,
                 [](RecordCheck &c, int ch) {
                     sameFilter(c, at("out.lpf", ch), c.mirror.outputs[size_t(ch)].lpf,
                                out(c, ch).lowPass);
                 }),
        selected("OutFilterPEQ", page(StatusPoll::OutFilter), Channels - 1,
                 [](RecordCheck &c, int ch) {
                     for (int b = 0; b < PeqFilter::BandCount; ++b)
                         sameBand(c, at("out.peq", ch, b),
                                  c.mirror.outputs[size_t(ch)].peq[size_t(b)],
                                  out(c, ch).eq[size_t(b)]);
                 }),
        selected("OutLimiter", page(StatusPoll::OutLimiter), InputRecords - 1,
                 [](RecordCheck &c, int ch) {
                     sameLimiter(c, at("out.limiter", ch), c.mirror.outputs[size_t(ch)].limiter,
                                 out(c, ch).limiter);
                 }),
        outputs("OutDelay", page(StatusPoll::OutDelay), "out.delay", &OutputChannel::delay,
                &sim::OutputSetup::delay, Channels),

        // ---- administration dialogs ----
        labels("InputShortLabels", dialog(StatusPoll::LabelsDialog), "shortLabel",
               &InputChannel::shortLabel, &sim::SimSystem::shortLabels),
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
        systemText("SysModelName", Setup, "modelName", &DeviceInfo::modelName,
                   &sim::SimSystem::model),
        systemValue("SysNetwork", Setup, "address", &DeviceInfo::address, &sim::SimSystem::address),
        systemValue("SysNetwork", Setup, "netmask", &DeviceInfo::netmask, &sim::SimSystem::netmask),
        systemValue("SysNetwork", Setup, "gateway", &DeviceInfo::gateway, &sim::SimSystem::gateway),
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
        systemValue("SysBaudRates", Setup, "rs232Baud", &DeviceInfo::rs232Baud,
                    &sim::SimSystem::rs232Baud),
        systemValue("SysBaudRates", Setup, "rs485Baud", &DeviceInfo::rs485Baud,
                    &sim::SimSystem::rs485Baud),
        systemValue("SysGateReport", Setup, "gateReport", &DeviceInfo::gateReport,
                    &sim::SimSystem::gateReport),
        systemValue("SysUsbAutoPlay", Setup, "usbAutoPlay", &DeviceInfo::usbAutoPlay,
                    &sim::SimSystem::usbAutoPlay),
        systemValue("SysUsbDisk", Setup, "usbDisk", &DeviceInfo::usbDisk, &sim::SimSystem::usbDisk),
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
