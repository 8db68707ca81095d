#include "MirrorSnapshot.h"

#include "model/ParameterMirror.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace MirrorSnapshot {

namespace {

// Floats as the device holds them, without the noise of their binary fraction.
double number(float value)
{
    return std::round(double(value) * 10000.0) / 10000.0;
}

QString version(const DeviceInfo::Version &v)
{
    return QStringLiteral("%1.%2.%3").arg(v[0]).arg(v[1]).arg(v[2]);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

template<typename T, size_t N> QJsonArray array(const std::array<T, N> &values)
{
    QJsonArray out;
    for (const T &v : values) {
        if constexpr (std::is_floating_point_v<T>)
            out.append(number(v));
        else
            out.append(int(v));
    }
    return out;
}

QJsonObject hlpf(const HlpfFilter &f)
{
    return {{QStringLiteral("enabled"), f.enabled != 0},
            {QStringLiteral("type"), f.type},
            {QStringLiteral("slope"), f.slope},
            {QStringLiteral("frequency"), number(f.frequency)}};
}

QJsonArray peq(const std::array<PeqFilter, PeqFilter::BandCount> &bands)
{
    QJsonArray out;
    for (const PeqFilter &b : bands)
        out.append(QJsonObject {{QStringLiteral("enabled"), b.enabled != 0},
                                {QStringLiteral("type"), b.type},
                                {QStringLiteral("frequency"), number(b.frequency)},
                                {QStringLiteral("gain"), number(b.gain)},
                                {QStringLiteral("q"), b.q}});
    return out;
}

QJsonObject limiter(const LimiterParams &l)
{
    return {{QStringLiteral("enabled"), l.enabled != 0},
            {QStringLiteral("threshold"), number(l.threshold)},
            {QStringLiteral("ratio"), number(l.ratio)},
            {QStringLiteral("attack"), number(l.attack)},
            {QStringLiteral("release"), number(l.release)}};
}

QJsonObject input(const InputChannel &in)
{
    return {{QStringLiteral("label"), in.label},
            {QStringLiteral("touchScreenLabel"), in.shortLabel},
            {QStringLiteral("phantomPower"), in.phantom != 0},
            {QStringLiteral("mute"), in.mute != 0},
            {QStringLiteral("inputGain"), number(in.inputGain)},
            {QStringLiteral("group"), in.group},
            {QStringLiteral("invert"), in.invert != 0},
            {QStringLiteral("level"), number(in.preMixGain)},
            {QStringLiteral("levelMute"), in.preMixMute != 0},
            {QStringLiteral("levelMinimum"), number(in.gainMin)},
            {QStringLiteral("levelMaximum"), number(in.gainMax)},
            {QStringLiteral("feedbackSuppression"), in.feedbackEnabled != 0},
            {QStringLiteral("inputMode"), int(in.inputMode)},
            {QStringLiteral("gate"),
             QJsonObject {{QStringLiteral("enabled"), in.gate.enabled != 0},
                          {QStringLiteral("threshold"), number(in.gate.threshold)},
                          {QStringLiteral("attack"), number(in.gate.attack)},
                          {QStringLiteral("release"), number(in.gate.release)}}},
            {QStringLiteral("agc"),
             QJsonObject {{QStringLiteral("enabled"), in.agc.enabled != 0},
                          {QStringLiteral("threshold"), number(in.agc.threshold)},
                          {QStringLiteral("target"), number(in.agc.target)},
                          {QStringLiteral("ratio"), number(in.agc.ratio)},
                          {QStringLiteral("attack"), number(in.agc.attack)},
                          {QStringLiteral("release"), number(in.agc.release)}}},
            {QStringLiteral("highPass"), hlpf(in.hpf)},
            {QStringLiteral("lowPass"), hlpf(in.lpf)},
            {QStringLiteral("equalizer"), peq(in.peq)},
            {QStringLiteral("limiter"), limiter(in.limiter)},
            {QStringLiteral("limiterGain"), number(in.limiterGain)},
            {QStringLiteral("matrixRoute"), array(in.matrixRoute)},
            {QStringLiteral("matrixGain"), array(in.matrixGain)},
            {QStringLiteral("delay"), number(in.delay)},
            {QStringLiteral("priority"), in.priority}};
}

QJsonObject output(const OutputChannel &out)
{
    return {{QStringLiteral("label"), out.label},
            {QStringLiteral("mute"), out.mute != 0},
            {QStringLiteral("level"), number(out.gain)},
            {QStringLiteral("levelMinimum"), number(out.gainMin)},
            {QStringLiteral("levelMaximum"), number(out.gainMax)},
            {QStringLiteral("group"), out.group},
            {QStringLiteral("invert"), out.invert != 0},
            {QStringLiteral("highPass"), hlpf(out.hpf)},
            {QStringLiteral("lowPass"), hlpf(out.lpf)},
            {QStringLiteral("equalizer"), peq(out.peq)},
            {QStringLiteral("limiter"), limiter(out.limiter)},
            {QStringLiteral("delay"), number(out.delay)}};
}

QJsonObject device(const DeviceInfo &d)
{
    return {{QStringLiteral("model"), d.modelName},
            {QStringLiteral("serialNumber"), d.serialNumber},
            {QStringLiteral("deviceId"), QString::number(d.deviceId)},
            {QStringLiteral("controlFirmware"), version(d.armVersion)},
            {QStringLiteral("dspFirmware"), version(d.dspVersion)},
            {QStringLiteral("inputs"), d.inputCount},
            {QStringLiteral("outputs"), d.outputCount},
            {QStringLiteral("location"), d.location},
            {QStringLiteral("description"), d.description},
            {QStringLiteral("systemMute"), d.systemMute != 0},
            {QStringLiteral("rs232Baud"), int(d.rs232Baud)},
            {QStringLiteral("rs485Baud"), int(d.rs485Baud)},
            {QStringLiteral("usbAutoPlay"), d.usbAutoPlay},
            {QStringLiteral("syncMode"), d.syncMode},
            {QStringLiteral("syncHost"), QString::number(d.syncHost)}};
}

QJsonArray matrixRow(const MatrixSourceRow &row)
{
    QJsonArray out;
    for (size_t i = 0; i < row.route.size(); ++i)
        out.append(QJsonObject {{QStringLiteral("route"), row.route[i] != 0},
                                {QStringLiteral("gain"), row.gain[i]}});
    return out;
}

void flatten(const QString &path, const QJsonValue &value, QMap<QString, QJsonValue> &out)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            flatten(path.isEmpty() ? it.key() : path + QLatin1Char('.') + it.key(), it.value(),
                    out);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        // Channels, bands and ports are counted from 1, as users see them.
        for (int i = 0; i < array.size(); ++i)
            flatten(path + QLatin1Char('.') + QString::number(i + 1), array[i], out);
    } else {
        out.insert(path, value);
    }
}

QString text(const QJsonValue &value)
{
    if (value.isUndefined())
        return QStringLiteral("(none)");
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString::fromUtf8(QJsonDocument(QJsonArray {value}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1);
}

} // namespace

QJsonObject fromMirror(const ParameterMirror &mirror)
{
    QJsonArray inputs;
    for (const InputChannel &in : mirror.inputs)
        inputs.append(input(in));
    QJsonArray outputs;
    for (const OutputChannel &out : mirror.outputs)
        outputs.append(output(out));
    QJsonArray gpio;
    for (const GpioPort &port : mirror.gpio)
        gpio.append(QJsonObject {{QStringLiteral("function"), port.kind},
                                 {QStringLiteral("settings"), array(port.settings)}});
    QJsonArray presets;
    for (int slot = 0; slot < PresetTable::SlotCount; ++slot)
        presets.append(
                QJsonObject {{QStringLiteral("used"), mirror.presets.used[size_t(slot)] != 0},
                             {QStringLiteral("name"), mirror.presets.names[size_t(slot)]}});
    QJsonArray switches;
    for (const auto &bank : mirror.matrix.switches)
        switches.append(array(bank));
    QJsonArray danteBlocks;
    for (const QByteArray &block : mirror.dante.blocks)
        danteBlocks.append(hex(block));
    const SignalGeneratorState &gen = mirror.signalGenerator;
    const AutoMixerState &mix = mirror.autoMixer;

    return {{QStringLiteral("device"), device(mirror.device)},
            {QStringLiteral("inputs"), inputs},
            {QStringLiteral("outputs"), outputs},
            {QStringLiteral("matrix"),
             QJsonObject {{QStringLiteral("echoCancellationSource"), matrixRow(mirror.matrix.aec)},
                          {QStringLiteral("noiseCancellationSource"), matrixRow(mirror.matrix.anc)},
                          {QStringLiteral("switches"), switches}}},
            {QStringLiteral("autoMixer"),
             QJsonObject {{QStringLiteral("weights"), array(mix.weights)},
                          {QStringLiteral("groups"), array(mix.groups)},
                          {QStringLiteral("enabled"), array(mix.enabled)}}},
            {QStringLiteral("signalGenerator"),
             QJsonObject {{QStringLiteral("frequency"), number(gen.frequency)},
                          {QStringLiteral("gain"), number(gen.gain)},
                          {QStringLiteral("type"), int(gen.type)},
                          {QStringLiteral("mute"), gen.mute != 0},
                          {QStringLiteral("outputs"), array(gen.outputs)}}},
            {QStringLiteral("echoCancellation"),
             QJsonObject {{QStringLiteral("enabled"), mirror.aec.enabled != 0},
                          {QStringLiteral("config"), hex(mirror.aec.config)},
                          {QStringLiteral("matrix"), hex(mirror.aec.matrix)}}},
            {QStringLiteral("noiseCancellation"),
             QJsonObject {{QStringLiteral("config"), hex(mirror.anc.config)}}},
            {QStringLiteral("dante"),
             QJsonObject {{QStringLiteral("clockSource"), mirror.dante.clockSource},
                          {QStringLiteral("channels"), danteBlocks}}},
            {QStringLiteral("usb"),
             QJsonObject {{QStringLiteral("playMode"), mirror.usb.playMode},
                          {QStringLiteral("recordSource"), mirror.usb.recordSource}}},
            {QStringLiteral("gpio"), gpio},
            {QStringLiteral("presets"), presets}};
}

QStringList differences(const QJsonObject &saved, const QJsonObject &now)
{
    QMap<QString, QJsonValue> before;
    QMap<QString, QJsonValue> after;
    flatten(QString(), saved, before);
    flatten(QString(), now, after);
    QStringList keys = before.keys() + after.keys();
    keys.removeDuplicates();
    std::sort(keys.begin(), keys.end());
    QStringList lines;
    for (const QString &key : qAsConst(keys)) {
        const QJsonValue a = before.value(key, QJsonValue(QJsonValue::Undefined));
        const QJsonValue b = after.value(key, QJsonValue(QJsonValue::Undefined));
        if (a != b)
            lines << QStringLiteral("%1: %2 -> %3").arg(key, text(a), text(b));
    }
    return lines;
}

} // namespace MirrorSnapshot
