// Variants of the simulated processor's state for the mirror comparisons.
#include "MirrorRecords.h"

#include "wire/ByteWriter.h"
#include "wire/LocalText.h"

namespace {

// A value for field number `n` of a variant: variants 1 and 2 give different values for the
// same n, and neighbouring channels differ.
int pick(int n, int variant, int choices)
{
    return (n * 5 + variant * 7) % choices;
}

quint8 flag(int n, int variant)
{
    return quint8((n + variant) % 2);
}

float between(float lo, float hi, int n, int variant)
{
    return lo + (hi - lo) * float(pick(n, variant, 11) + 1) / 12.0f;
}

void vary(sim::PassFilter &f, int n, int variant, bool highPass)
{
    f.enabled = flag(n, variant);
    f.type = quint8(pick(n, variant, 3));
    f.slope = quint8(pick(n + 1, variant, 6));
    f.frequency = highPass ? between(20, 400, n, variant) : between(4000, 20000, n, variant);
}

void vary(sim::EqBand &b, int n, int variant)
{
    b.enabled = flag(n + 1, variant);
    b.type = quint8(pick(n, variant, 3));
    b.frequency = between(20, 20000, n, variant);
    b.gain = between(-15, 15, n + 2, variant);
    b.q = quint8(pick(n, variant, 65));
}

void vary(sim::Limiter &l, int n, int variant)
{
    l.enabled = flag(n, variant);
    l.threshold = between(-100, 18, n, variant);
    l.ratio = between(1, 100, n + 1, variant);
    l.attack = between(1, 1000, n + 2, variant);
    l.release = between(1, 1000, n + 3, variant);
}

void varyInput(sim::InputSetup &in, int ch, int variant)
{
    const int n = ch * 17;
    in.phantom = flag(ch, variant);
    in.mute = flag(ch + 1, variant);
    in.gain = between(0, 50, n, variant);
    in.mode = quint8(pick(ch, variant, ch < 2 ? 3 : 2)); // USB playback on inputs 1 and 2 only
    in.group = quint8(pick(ch, variant, 9));
    in.invert = flag(ch, variant);
    in.preMixMute = flag(ch + 1, variant);
    in.preMixGain = between(-56, 12, n + 1, variant);
    in.gainMax = between(0, 12, n + 2, variant);
    in.gainMin = between(-56, -1, n + 3, variant);
    in.feedback = flag(ch, variant);
    in.priority = flag(ch + 1, variant);
    in.gate = {flag(ch, variant), between(-120, 0, n + 4, variant),
               between(1, 1000, n + 5, variant), between(1, 1000, n + 6, variant)};
    in.agc = {flag(ch + 1, variant),
              between(-120, 0, n + 7, variant),
              between(-120, 0, n + 8, variant),
              between(1, 100, n + 9, variant),
              between(20, 1000, n + 10, variant),
              between(20, 1000, n + 11, variant)};
    vary(in.highPass, n + 12, variant, true);
    vary(in.lowPass, n + 13, variant, false);
    for (int b = 0; b < sim::EqBands; ++b)
        vary(in.eq[size_t(b)], n + b, variant);
    vary(in.limiter, n + 14, variant);
    in.limiterGain = between(0, 20, n + 15, variant);
    in.delay = between(0, 1000, n + 16, variant);
}

void varyOutput(sim::OutputSetup &out, int ch, int variant)
{
    const int n = ch * 13 + 5;
    out.mute = flag(ch, variant);
    out.gain = between(-56, 12, n, variant);
    out.gainMax = between(0, 12, n + 1, variant);
    out.gainMin = between(-56, -1, n + 2, variant);
    out.group = quint8(pick(ch + 1, variant, 9));
    out.invert = flag(ch + 1, variant);
    vary(out.highPass, n + 3, variant, true);
    vary(out.lowPass, n + 4, variant, false);
    for (int b = 0; b < sim::EqBands; ++b)
        vary(out.eq[size_t(b)], n + 5 + b, variant);
    vary(out.limiter, n + 6, variant);
    out.delay = between(0, 2000, n + 7, variant);
}

template<std::size_t N> void varyBytes(std::array<quint8, N> &bytes, int n, int variant)
{
    for (std::size_t i = 0; i < N; ++i)
        bytes[i] = quint8(pick(n + int(i), variant, 251));
}

QByteArray gbk(const QString &text)
{
    return LocalText::encode(text);
}

void varySystem(sim::SimStore &s, int variant)
{
    sim::SimSystem &sys = s.system;
    sys.model = variant == 1 ? "VX-Hall" : "VX-Studio";
    sys.serialNumber = "SN" + QByteArray::number(4711 * variant);
    sys.location = gbk(variant == 1 ? QStringLiteral("机房一") : QStringLiteral("Stage left"));
    sys.description = gbk(variant == 1 ? QStringLiteral("Main hall") : QStringLiteral("会议室"));
    // Never major version 5, which changes the announcement form the program expects.
    sys.armVersion = {quint8(2 + 2 * variant), quint8(variant), 9};
    sys.dspVersion = {2, quint8(variant * 2), 1};
    sys.armBuild = 0x2a17u + quint32(variant);
    sys.bootCount = 17u + quint32(variant);
    // The address stays: the processor is announced and reached there.
    sys.netmask = variant == 1 ? 0xFFFFFF00u : 0xFFFF0000u;
    sys.gateway = 0x0A000001u + quint32(variant);
    sys.mac = {0x02, 0xAB, quint8(variant), 0xC0, 0xFE, 0x1D};
    sys.systemMute = flag(0, variant);
    sys.rs232Baud = variant == 1 ? 9600 : 57600;
    sys.rs485Baud = variant == 1 ? 38400 : 9600;
    sys.gateReport = flag(0, variant);
    sys.usbDisk = flag(0, variant);
    sys.status35 = variant == 1 ? 0x43 : 0xC5; // bit 6 alone is not shown, 6 and 7 together are
    sys.fanTest = flag(1, variant);
    sys.usbAutoPlay = quint8(variant);
    sys.syncMode = quint8(variant);
    sys.syncHost = 0x0A000063u + quint32(variant);
    sys.faultFlags = variant == 1 ? 0x01 : 0x10;
    sys.rails = {1, quint8(variant == 1 ? 2 : 1), 1, quint8(variant == 2 ? 2 : 1), 0};
    for (int ch = 0; ch < sim::ChannelRecords; ++ch) {
        sys.inputLabels[size_t(ch)] = variant == 1 ? gbk(QStringLiteral("话筒%1").arg(ch + 1))
                                                   : "Vocal " + QByteArray::number(ch + 1);
        sys.outputLabels[size_t(ch)] =
                "Zone " + QByteArray::number(ch + 1) + (variant == 1 ? "a" : "b");
        // A full 16-byte label has no terminator.
        if (ch == 3)
            sys.outputLabels[size_t(ch)] = QByteArray(16, char('K' + variant));
        sys.shortLabels[size_t(ch)] = gbk(QStringLiteral("台%1-%2").arg(ch).arg(variant));
    }
    for (int port = 0; port < sim::GpioPorts; ++port) {
        auto &gpio = sys.gpio[size_t(port)];
        varyBytes(gpio, port * 70, variant);
        gpio[0] = quint8(pick(port, variant, 3));
        gpio[1] = quint8(pick(port + 1, variant, 32));
    }
}

void varyAudio(sim::SimAudio &a, int variant)
{
    for (int ch = 0; ch < sim::ChannelRecords; ++ch) {
        varyInput(a.inputs[size_t(ch)], ch, variant);
        varyOutput(a.outputs[size_t(ch)], ch, variant);
    }
    for (int src = 0; src < sim::MatrixSources; ++src) {
        for (int o = 0; o < sim::MatrixOutputs; ++o) {
            a.matrix[size_t(src)].route[size_t(o)] = flag(src + o, variant);
            // -70 is "off"; the rest of the range as whole dB.
            a.matrix[size_t(src)].gain[size_t(o)] = qint8(pick(src * 16 + o, variant, 83) - 70);
        }
    }
    for (auto &bank : a.recordSources)
        for (std::size_t i = 0; i < bank.size(); ++i)
            bank[i] = flag(int(i) * 3, variant);
    a.recordSourceButton = quint8(variant == 1 ? 5 : 0xFF);
    a.generator.frequency = between(0, 24000, 1, variant);
    a.generator.gain = between(-70, 12, 2, variant);
    a.generator.type = quint8(variant);
    a.generator.mute = flag(0, variant);
    for (int o = 0; o < sim::MatrixOutputs; ++o)
        a.generator.outputs[size_t(o)] = flag(o, variant);
    a.echoEnabled = flag(0, variant);
    varyBytes(a.echoMicrophones, 10, variant);
    varyBytes(a.echoBlock, 40, variant);
    varyBytes(a.noiseBlock, 60, variant);
    for (int ch = 0; ch < 16; ++ch) {
        a.autoMixer.weight[size_t(ch)] = between(-12, 12, ch, variant);
        a.autoMixer.group[size_t(ch)] = quint8(pick(ch, variant, 3));
    }
    a.autoMixer.enabled = {flag(0, variant), flag(1, variant)};
}

void varyPresets(sim::SimStore &s, int variant)
{
    for (int slot = 0; slot < sim::PresetSlots; ++slot) {
        sim::PresetSlot &p = s.presets[size_t(slot)];
        p.used = (slot + variant) % 3 == 0;
        p.name = p.used ? (variant == 1 ? gbk(QStringLiteral("预设%1").arg(slot + 1))
                                        : "Show " + QByteArray::number(slot + 1))
                        : QByteArray();
    }
    s.currentPreset = quint8(3 - variant);
}

// The player and the recorder change only through their commands.
void varyUsb(sim::SimUsb &usb, int variant)
{
    const QString file = usb.playList()[variant].name;
    usb.control(QByteArray(1, char(3)) + file.toUtf8());
    usb.control(QByteArray(ByteWriter().u8(6).u16(quint16(7 * variant))));
    usb.control(QByteArray(ByteWriter().u8(7).u8(quint8(variant + 1))));
    if (variant == 2)
        usb.control(QByteArray(1, char(1))); // pause
    usb.recordControl(QByteArray(1, char(2)) + usb.recordList()[variant - 1].name.toUtf8());
    usb.recordControl(QByteArray(1, char(variant == 1 ? 1 : 0)));
}

void varyDante(sim::SimDante &d, int variant)
{
    d.deviceName = "Dante-" + QByteArray::number(variant);
    d.latency = variant == 1 ? 2000 : 5000;
    d.clockSource = quint8(variant);
    d.clockState = quint8(variant == 1 ? 5 : 7);
    d.subscribe(variant, "Ch-" + QByteArray::number(variant), "Desk");
    d.subscribe(3, "Ambient", "Room-" + QByteArray::number(variant));
    d.restartSeconds = variant == 1 ? 30 : 0; // the first variant's module is starting up
}

} // namespace

void varyStore(sim::SimStore &store, int variant)
{
    varySystem(store, variant);
    varyAudio(store.audio, variant);
    varyPresets(store, variant);
    varyUsb(store.usb, variant);
    varyDante(store.dante, variant);
}
