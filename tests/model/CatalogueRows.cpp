#include "CatalogueRows.h"

#include "wire/ByteWriter.h"
#include "model/MessageCatalogue.h"

using namespace TestBytes;
using namespace TestFields;

QByteArray TestBytes::u32(quint32 v)
{
    return ByteWriter().u32(v);
}

QByteArray TestBytes::f32(float v)
{
    return ByteWriter().f32(v);
}

QByteArray TestBytes::filled(int size, std::initializer_list<std::pair<int, int>> bytes, int fill)
{
    QByteArray b(size, char(fill));
    for (const auto &[at, v] : bytes)
        b[at] = char(v);
    return b;
}

QByteArray TestBytes::floats(int count, std::initializer_list<std::pair<int, float>> values,
                             float fill)
{
    std::vector<float> v(size_t(count), fill);
    for (const auto &[at, x] : values)
        v[size_t(at)] = x;
    ByteWriter w;
    for (float x : v)
        w.f32(x);
    return w;
}

QByteArray TestBytes::resized(const QByteArray &payload, int length)
{
    QByteArray b = payload.left(length);
    b.append(QByteArray(length - b.size(), '\0'));
    return b;
}

std::vector<Announcement> perChannel(MessageId id, const std::vector<int> &channels)
{
    std::vector<Announcement> a;
    for (int ch : channels)
        a.push_back({id, quint8(ch), 255, {}});
    return a;
}

namespace {

using Changed = std::vector<std::pair<int, QVariant>>;
const QVariant zero = qlonglong(0);
const QVariant one = qlonglong(1);

// One field of every input or output channel.
template<typename C, typename T> Stored channels(T C::*member)
{
    return [member](const ParameterMirror &m) {
        QVariantList l;
        if constexpr (std::is_same_v<C, InputChannel>) {
            for (const InputChannel &c : m.inputs)
                l << value(c.*member);
        } else {
            for (const OutputChannel &c : m.outputs)
                l << value(c.*member);
        }
        return QVariant(l);
    };
}

// n entries of fill, some of them changed.
QVariantList with(int n, const Changed &changed, const QVariant &fill)
{
    QVariantList l;
    for (int i = 0; i < n; ++i)
        l << fill;
    for (const auto &[at, v] : changed)
        l[at] = v;
    return l;
}

std::vector<Announcement> once(MessageId id, QVariant value = {}, quint8 other = 255,
                               quint8 channel = 255)
{
    return {Announcement {id, channel, other, std::move(value)}};
}

QVariantList hlpfOf(const HlpfFilter &f)
{
    return {f.enabled, f.type, f.slope, f.frequency};
}

QVariantList peqOf(const PeqFilter &f)
{
    return {f.enabled, f.type, f.frequency, f.gain, f.q};
}

QVariantList limiterOf(const LimiterParams &l)
{
    return {l.enabled, l.threshold, l.ratio, l.attack, l.release};
}

// Matrix rows of one output: 17 inputs, then the AEC and ANC sources.
template<typename T>
Stored matrixColumn(int out, std::array<T, 16> InputChannel::*row,
                    std::array<T, 16> MatrixSourceRow::*extra)
{
    return [=](const ParameterMirror &m) {
        QVariantList l;
        for (int in = 0; in < 17; ++in)
            l << value((m.inputs[size_t(in)].*row)[size_t(out)]);
        l << value((m.matrix.aec.*extra)[size_t(out)]) << value((m.matrix.anc.*extra)[size_t(out)]);
        return QVariant(l);
    };
}

class Table
{
public:
    std::vector<CatalogueRow> rows;

    // A reply announced once without channel.
    CatalogueRow &add(const char *name, MessageId id, const QByteArray &payload, Stored stored,
                      QVariant expected, std::vector<int> wrong)
    {
        rows.push_back({name, id, payload, once(id), std::move(stored), std::move(expected),
                        std::move(wrong)});
        return rows.back();
    }

    // A reply that stores nothing and is passed on every time it comes.
    void event(const char *name, MessageId id, const QByteArray &payload,
               std::vector<Announcement> announced, std::vector<int> wrong)
    {
        rows.push_back({name,
                        id,
                        payload,
                        std::move(announced),
                        [](const ParameterMirror &) { return QVariant(); },
                        {},
                        std::move(wrong),
                        true});
    }

    // A reply for one channel (or band, port, block), announced with it.
    void one(const char *name, MessageId id, const QByteArray &payload, int channel, Stored stored,
             QVariant expected, std::vector<int> wrong)
    {
        rows.push_back({name, id, payload, perChannel(id, {channel}), std::move(stored),
                        std::move(expected), std::move(wrong)});
    }

    // A reply with one value per channel: each changed channel is announced.
    void list(const char *name, MessageId id, const QByteArray &payload, Stored stored, int n,
              const Changed &changed, const QVariant &fill, std::vector<int> wrong)
    {
        std::vector<int> announced;
        for (const auto &[ch, v] : changed)
            announced.push_back(ch);
        rows.push_back({name, id, payload, perChannel(id, announced), std::move(stored),
                        with(n, changed, fill), std::move(wrong)});
    }

    // A byte per channel that the mirror stores as it came.
    template<typename C, typename T>
    void bytes(const char *name, MessageId id, int size,
               std::initializer_list<std::pair<int, int>> set, T C::*member, std::vector<int> wrong)
    {
        Changed changed;
        for (const auto &[ch, v] : set)
            changed.push_back({ch, v});
        list(name, id, filled(size, set), channels(member), 18, changed, zero, std::move(wrong));
    }

    template<typename C>
    void floatsOf(const char *name, MessageId id, int count,
                  std::initializer_list<std::pair<int, float>> set, float C::*member,
                  std::vector<int> wrong)
    {
        Changed changed;
        for (const auto &[ch, v] : set)
            changed.push_back({ch, v});
        list(name, id, floats(count, set), channels(member), 18, changed, 0.0f, std::move(wrong));
    }

    // Meters of the first n channels, one signed byte each; the rest stay at the floor.
    template<typename C>
    void meters(const char *name, MessageId id, int n, int first, qint8 C::*member)
    {
        QByteArray b;
        QVariantList l;
        for (int i = 0; i < 18; ++i) {
            if (i < n)
                b.append(char(first - i));
            l << (i < n ? first - i : MeterFloor);
        }
        add(name, id, b, channels(member), l, {15}).always = true;
    }
};

std::vector<CatalogueRow> buildRows()
{
    Table t;
    const auto D = &ParameterMirror::device;
    const auto U = &ParameterMirror::usb;
    const auto G = &ParameterMirror::signalGenerator;
    const auto hex = [](const char *h) { return QByteArray::fromHex(h); };

    // ---- type 1 ----
    t.event("UpgradeData", Msg::UpgradeData, hex("00003412"),
            once(Msg::UpgradeData, hex("00003412")), {3, 5});
    t.event("UpgradeStatus", Msg::UpgradeStatus, "\xfe", once(Msg::UpgradeStatus, {}, 0xFE),
            {0, 2});
    t.event("UpgradeProgress", Msg::UpgradeProgress, hex("0900"), once(Msg::UpgradeProgress, 10),
            {1, 3});

    // ---- system table ----
    t.add("SysModelName", Msg::SysModelName, ByteWriter().fixedText("VT-1616", 16),
          get(D, &DeviceInfo::modelName), "VT-1616", {});
    t.add("SysArmVersion", Msg::SysArmVersion, hex("050102"), get(D, &DeviceInfo::armVersion),
          QVariantList {5, 1, 2}, {2, 4});
    t.add("SysDspVersion", Msg::SysDspVersion, hex("01012d"), get(D, &DeviceInfo::dspVersion),
          QVariantList {1, 1, 45}, {2, 4});
    t.add("SysSerialNumber", Msg::SysSerialNumber, "SN0123456789ABCD",
          get(D, &DeviceInfo::serialNumber), "SN0123456789ABCD", {});
    t.add("SysChannelConfig", Msg::SysChannelConfig, hex("0808"),
          all(get(D, &DeviceInfo::inputCount), get(D, &DeviceInfo::outputCount)),
          QVariantList {8, 8}, {1, 3});
    t.add("SysRunTime", Msg::SysRunTime, u32(0x12345678), get(D, &DeviceInfo::runTime), 0x12345678,
          {3, 5});
    t.add("SysTotalTime", Msg::SysTotalTime, u32(0xFFFFFFF0u), get(D, &DeviceInfo::totalTime),
          qlonglong(0xFFFFFFF0u), {3, 5});
    t.add("SysBootCount", Msg::SysBootCount, u32(42), get(D, &DeviceInfo::bootCount), 42, {3, 5});
    t.add("SysTemperature", Msg::SysTemperature, f32(41.5f), get(D, &DeviceInfo::temperature),
          41.5f, {3, 5});
    t.add("SysLocation", Msg::SysLocation, "Hall B", get(D, &DeviceInfo::location), "Hall B", {});
    t.add("SysDescription", Msg::SysDescription, ByteWriter().fixedText("Main rack", 16),
          get(D, &DeviceInfo::description), "Main rack", {});
    t.add("SysDateTime", Msg::SysDateTime, hex("1e0f0c1f000b7c"), get(D, &DeviceInfo::dateTime),
          QVariantList {30, 15, 12, 31, 0, 11, 124}, {6, 8});
    t.add("SysNetwork", Msg::SysNetwork, hex("c0a80114ffffff00c0a80101"),
          all(get(D, &DeviceInfo::address), get(D, &DeviceInfo::netmask),
              get(D, &DeviceInfo::gateway)),
          QVariantList {0x1401a8c0u, 0x00ffffffu, 0x0101a8c0u}, {11, 13});
    t.add("SysFaultFlags", Msg::SysFaultFlags, "\x11", get(D, &DeviceInfo::faultFlags), 0x11,
          {0, 2});
    t.add("SysSystemMute", Msg::SysSystemMute, "\x05", get(D, &DeviceInfo::systemMute), 1, {0, 2});
    t.add("SysRs232Baud", Msg::SysRs232Baud, u32(9600), get(D, &DeviceInfo::rs232Baud), 9600,
          {3, 5});
    t.add("SysStatus18", Msg::SysStatus18, u32(38400), get(D, &DeviceInfo::rs485Baud), 38400,
          {3, 5});
    t.add("SysDspUsage", Msg::SysDspUsage, f32(12.5f) + f32(33.0f), get(D, &DeviceInfo::dspUsage),
          QVariantList {12.5f, 33.0f}, {7, 9});
    t.add("SysFaults", Msg::SysFaults, hex("0200010000"), get(D, &DeviceInfo::faults),
          QVariantList {2, 0, 1, 0, 0}, {4, 6});
    t.add("SysGateReport", Msg::SysGateReport, "\x01", get(D, &DeviceInfo::gateReport), 1, {0, 2});
    t.add("SysArmBuild", Msg::SysArmBuild, u32(0xBEEF), get(D, &DeviceInfo::armBuild), 0xBEEF,
          {3, 5});
    t.add("SysDeviceId", Msg::SysDeviceId, u32(0xA1B2C3D4), get(D, &DeviceInfo::deviceId),
          qlonglong(0xA1B2C3D4), {3, 5});
    t.add("SysUsbDisk", Msg::SysUsbDisk, "\x01", get(D, &DeviceInfo::usbDisk), 1, {0, 2});
    t.add("SysDanteState", Msg::SysDanteState, hex("0101"),
          all(get(D, &DeviceInfo::danteSupported), get(D, &DeviceInfo::danteConnected)),
          QVariantList {1, 1}, {1, 3});
    t.add("SysDanteRestart", Msg::SysDanteRestart, "\x01", get(D, &DeviceInfo::danteRestart), 1,
          {0, 2});
    t.add("SysStatus35", Msg::SysStatus35, u32(0x1C5), get(D, &DeviceInfo::status35), 0x1C5,
          {3, 5});
    t.add("SysFanTest", Msg::SysFanTest, "\x01", get(D, &DeviceInfo::fanTest), 1, {0, 2});
    t.add("SysMacAddress", Msg::SysMacAddress, hex("001a2b3c4dfe"), get(D, &DeviceInfo::macAddress),
          "00-1A-2B-3C-4D-FE", {5, 7});
    t.add("SysUsbAutoPlay", Msg::SysUsbAutoPlay, "\x07", get(D, &DeviceInfo::usbAutoPlay), 3, {0});
    t.event("SysUserPassword", Msg::SysUserPassword, "\x01", once(Msg::SysUserPassword, {}, 1),
            {0, 2});

    // ---- labels, state 4, USB, GPIO, data sync ----
    t.one("InputLabels", Msg::InputLabels, QByteArray(256, '\0').replace(32, 5, "Vocal"), 2,
          in(2, &InputChannel::label), "Vocal", {255});
    t.one("OutputLabels", Msg::OutputLabels,
          QByteArray(288, '\0').replace(256, 16, "Sixteen-byte-lbl"), 16,
          out(16, &OutputChannel::label), "Sixteen-byte-lbl", {255});
    t.one("InputShortLabels", Msg::InputShortLabels,
          QByteArray(160, '\0').replace(0, 10, "Podium-Mic"), 0, in(0, &InputChannel::shortLabel),
          "Podium-Mic", {159});
    t.add("SysState4", Msg::SysState4, u32(7) + hex("0300"),
          all(get(D, &DeviceInfo::state4), get(D, &DeviceInfo::state4Extra)), QVariantList {7, 3},
          {5, 7});
    t.add("UsbPlayCount", Msg::UsbPlayCount, u32(3), get(U, &UsbState::playCount), 3, {3, 5})
            .queries = {Msg::UsbPlayList};
    t.event("UsbPlayList", Msg::UsbPlayList, u32(2) + "song.mp3",
            once(Msg::UsbPlayList, QVariantList {2, QStringLiteral("song.mp3")}), {4});
    t.rows.back().setup = [](ParameterMirror &m) { m.usb.playCount = 3; };
    t.add("UsbPlayState", Msg::UsbPlayState, hex("03011e002c01"),
          all(get(U, &UsbState::playMode), get(U, &UsbState::playState),
              get(U, &UsbState::playPosition), get(U, &UsbState::playDuration)),
          QVariantList {3, 1, 30, 300}, {5, 7});
    t.add("UsbPlayFile", Msg::UsbPlayFile, QStringLiteral("Étude.flac").toUtf8(),
          get(U, &UsbState::playFile), QStringLiteral("Étude.flac"), {});
    t.add("UsbRecordCount", Msg::UsbRecordCount, u32(2), get(U, &UsbState::recordCount), 2, {3, 5})
            .queries = {Msg::UsbRecordList};
    t.event("UsbRecordList", Msg::UsbRecordList, u32(1) + u32(77) + "rec1.wav",
            once(Msg::UsbRecordList, QVariantList {77u, QStringLiteral("rec1.wav")}), {8});
    t.rows.back().setup = [](ParameterMirror &m) { m.usb.recordCount = 2; };
    t.add("UsbRecordState", Msg::UsbRecordState, "\x01" + u32(95),
          all(get(U, &UsbState::recordState), get(U, &UsbState::recordTime)), QVariantList {1, 95},
          {4, 6});
    t.add("UsbRecordFile", Msg::UsbRecordFile, "rec2.wav", get(U, &UsbState::recordFile),
          "rec2.wav", {});
    t.one("GpioPort", Msg::GpioPort, filled(66, {{0, 3}, {1, 1}, {2, 5}, {65, 9}}), 3,
          [](const ParameterMirror &m) {
              return QVariantList {m.gpio[3].kind, m.gpio[3].settings[0], m.gpio[3].settings[63]};
          },
          QVariantList {1, 5, 9}, {65, 67});
    t.add("SyncConfig", Msg::SyncConfig, "\x02" + u32(0x0A01A8C0),
          all(get(D, &DeviceInfo::syncMode), get(D, &DeviceInfo::syncHost)),
          QVariantList {2, 0x0A01A8C0}, {4, 6});
    t.add("SyncStatus", Msg::SyncStatus, "\x02", get(D, &DeviceInfo::syncStatus), 2, {0, 2});

    // ---- In Setup, Gate, Feedback ----
    t.meters("InputMeters", Msg::InputMeters, 18, -3, &InputChannel::postMeter);
    // Any non-zero mute byte is a mute.
    t.list("InputMute", Msg::InputMute, filled(16, {{0, 1}, {5, 7}}), channels(&InputChannel::mute),
           18, {{0, one}, {5, one}}, zero, {15, 17});
    t.bytes("InputMode", Msg::InputMode, 16, {{0, 2}, {3, 1}}, &InputChannel::inputMode, {15, 17});
    t.bytes("InputPhantom", Msg::InputPhantom, 16, {{15, 1}}, &InputChannel::phantom, {15, 17});
    t.floatsOf("InputGain", Msg::InputGain, 16, {{1, 30.5f}}, &InputChannel::inputGain, {63, 65});
    // The 18th byte is not read.
    t.list("GateStatus", Msg::GateStatus, filled(18, {{2, 1}, {16, 1}, {17, 1}}),
           channels(&InputChannel::gateStatus), 18, {{2, one}, {16, one}}, zero, {15});
    t.one("GateParams", Msg::GateParams,
          ByteWriter().u8(16).u8(0).f32(-40.0f).f32(5.0f).f32(200.0f), 16,
          [](const ParameterMirror &m) {
              const GateParams &g = m.inputs[16].gate;
              return QVariantList {g.enabled, g.threshold, g.attack, g.release};
          },
          QVariantList {0, -40.0f, 5.0f, 200.0f}, {13, 15});
    t.bytes("FeedbackEnable", Msg::FeedbackEnable, 16, {{7, 1}}, &InputChannel::feedbackEnabled,
            {15, 17});

    // ---- filters and limiters ----
    const QByteArray hpf = ByteWriter().u8(1).u8(2).u8(5).f32(120.0f);
    const QByteArray band = ByteWriter().u8(0).u8(1).f32(2500.0f).f32(-6.5f).u8(20);
    const QByteArray limiter = ByteWriter().u8(1).f32(-10.0f).f32(4.0f).f32(5.0f).f32(300.0f);
    const QVariantList hpfStored {1, 2, 5, 120.0f};
    const QVariantList bandStored {0, 1, 2500.0f, -6.5f, 20};
    const QVariantList limiterStored {1, -10.0f, 4.0f, 5.0f, 300.0f};
    t.one("InFilterHPF", Msg::InFilterHPF, "\x10" + hpf, 16,
          [](const ParameterMirror &m) { return hlpfOf(m.inputs[16].hpf); }, hpfStored, {7, 9});
    t.one("InFilterLPF", Msg::InFilterLPF, "\x02" + hpf, 2,
          [](const ParameterMirror &m) { return hlpfOf(m.inputs[2].lpf); }, hpfStored, {7, 9});
    t.add("InFilterPEQ", Msg::InFilterPEQ, QByteArray("\x03\x07") + band,
          [](const ParameterMirror &m) { return peqOf(m.inputs[3].peq[7]); }, bandStored, {12, 14})
            .announced = {{Msg::InFilterPEQ, 3, 7, {}}};
    t.one("InLimiter", Msg::InLimiter, "\x10" + limiter, 16,
          [](const ParameterMirror &m) { return limiterOf(m.inputs[16].limiter); }, limiterStored,
          {17, 19});
    // The 18th value is not read.
    t.list("InLimiterGain", Msg::InLimiterGain, floats(18, {{16, 6.0f}, {17, 9.0f}}),
           channels(&InputChannel::limiterGain), 18, {{16, 6.0f}}, 0.0f, {63});
    t.floatsOf("InDelay", Msg::InDelay, 16, {{4, 12.25f}}, &InputChannel::delay, {63, 65});
    t.one("OutFilterHPF", Msg::OutFilterHPF, "\x0f" + hpf, 15,
          [](const ParameterMirror &m) { return hlpfOf(m.outputs[15].hpf); }, hpfStored, {7, 9});
    t.one("OutFilterLPF", Msg::OutFilterLPF, QByteArray(1, '\0') + hpf, 0,
          [](const ParameterMirror &m) { return hlpfOf(m.outputs[0].lpf); }, hpfStored, {7, 9});
    t.add("OutFilterPEQ", Msg::OutFilterPEQ, QByteArray("\x0f\x00", 2) + band,
          [](const ParameterMirror &m) { return peqOf(m.outputs[15].peq[0]); }, bandStored,
          {12, 14})
            .announced = {{Msg::OutFilterPEQ, 15, 0, {}}};
    t.one("OutLimiter", Msg::OutLimiter, "\x10" + limiter, 16,
          [](const ParameterMirror &m) { return limiterOf(m.outputs[16].limiter); }, limiterStored,
          {17, 19});
    t.floatsOf("OutDelay", Msg::OutDelay, 16, {{15, 1500.0f}}, &OutputChannel::delay, {63, 65});

    // ---- levels ----
    QByteArray inRanges = floats(36, {}, 0.0f); // 18 pairs: the 18th is not read
    for (int ch = 0; ch < 17; ++ch)
        inRanges.replace(8 * ch, 8, f32(12.0f) + f32(-56.0f));
    inRanges.replace(8 * 16, 8, f32(6.0f) + f32(-30.0f));
    QByteArray outRanges = inRanges.left(128);
    outRanges.replace(8, 8, f32(0.0f) + f32(-40.0f));
    t.bytes("PreMixMute", Msg::PreMixMute, 16, {{3, 1}}, &InputChannel::preMixMute, {15});
    t.floatsOf("PreMixGain", Msg::PreMixGain, 18, {{0, -10.5f}, {16, 3.0f}},
               &InputChannel::preMixGain, {63});
    t.bytes("PreMixInvert", Msg::PreMixInvert, 18, {{16, 1}}, &InputChannel::invert, {15});
    t.bytes("PreMixGroup", Msg::PreMixGroup, 16, {{1, 8}, {2, 3}}, &InputChannel::group, {15});
    t.one("PreMixGainRange", Msg::PreMixGainRange, inRanges, 16,
          all(channels(&InputChannel::gainMax), channels(&InputChannel::gainMin)),
          QVariantList {with(18, {{16, 6.0f}}, 12.0f), with(18, {{16, -30.0f}}, -56.0f)}, {127});
    t.meters("PreMixMeters", Msg::PreMixMeters, 16, -20, &InputChannel::preMeter);
    t.bytes("PreMixPriority", Msg::PreMixPriority, 16, {{9, 1}}, &InputChannel::priority, {15});
    t.meters("OutputMeters", Msg::OutputMeters, 17, 0, &OutputChannel::postMeter);
    t.bytes("OutMute", Msg::OutMute, 16, {{0, 1}}, &OutputChannel::mute, {15});
    t.floatsOf("OutGain", Msg::OutGain, 16, {{2, -3.5f}}, &OutputChannel::gain, {63});
    t.bytes("OutInvert", Msg::OutInvert, 16, {{4, 1}}, &OutputChannel::invert, {15});
    t.bytes("OutGroup", Msg::OutGroup, 18, {{16, 2}}, &OutputChannel::group, {15});
    t.one("OutGainRange", Msg::OutGainRange, outRanges, 1,
          all(channels(&OutputChannel::gainMax), channels(&OutputChannel::gainMin)),
          QVariantList {with(18, {{1, 0.0f}}, 12.0f), with(18, {{1, -40.0f}}, -56.0f)}, {127});
    t.meters("OutputPreMeters", Msg::OutputPreMeters, 16, -50, &OutputChannel::preMeter);
    t.add("UsbRecordSource", Msg::UsbRecordSource, "\x03", get(U, &UsbState::recordSource), 3,
          {0, 2});

    // ---- matrix and global modules ----
    // Output 2 routed from input 0, input 16 (byte 17: the USB input), AEC and ANC.
    t.add("MatrixRoute", Msg::MatrixRoute,
          filled(21, {{0, 2}, {1, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 9}}),
          matrixColumn(2, &InputChannel::matrixRoute, &MatrixSourceRow::route),
          with(19, {{0, one}, {16, one}, {17, one}, {18, one}}, zero), {16})
            .announced = {{Msg::MatrixRoute, 0, 2, {}},
                          {Msg::MatrixRoute, 16, 2, {}},
                          {Msg::MatrixRoute, 17, 2, {}},
                          {Msg::MatrixRoute, 18, 2, {}}};
    t.add("MatrixGain", Msg::MatrixGain, filled(17, {{0, 15}, {1, -12}, {16, 6}}),
          matrixColumn(15, &InputChannel::matrixGain, &MatrixSourceRow::gain),
          with(19, {{0, -12}, {15, 6}}, zero), {16})
            .announced = {{Msg::MatrixGain, 0, 15, {}}, {Msg::MatrixGain, 15, 15, {}}};
    t.one("MatrixSwitches", Msg::MatrixSwitches, filled(37, {{0, 1}, {1, 1}, {36, 4}}), 1,
          [](const ParameterMirror &m) {
              return QVariantList {value(m.matrix.switches[0]), value(m.matrix.switches[1])};
          },
          QVariantList {with(36, {}, zero), with(36, {{0, one}, {35, one}}, zero)}, {36, 38});
    t.list("SigGenOutputs", Msg::SigGenOutputs, filled(16, {{5, 1}}),
           get(G, &SignalGeneratorState::outputs), 16, {{5, one}}, zero, {15, 17});
    t.add("SigGenFreq", Msg::SigGenFreq, f32(440.0f), get(G, &SignalGeneratorState::frequency),
          440.0f, {3, 5});
    t.add("SigGenType", Msg::SigGenType, "\x01", get(G, &SignalGeneratorState::type), 1, {0, 2});
    t.add("SigGenGain", Msg::SigGenGain, f32(-12.0f), get(G, &SignalGeneratorState::gain), -12.0f,
          {3, 5});
    t.add("SigGenMute", Msg::SigGenMute, QByteArray(1, '\0'), get(G, &SignalGeneratorState::mute),
          0, {0, 2});
    t.add("AecEnable", Msg::AecEnable, "\x02", get(&ParameterMirror::aec, &AecState::enabled), 1,
          {0, 2});
    t.add("AecConfig", Msg::AecConfig, filled(17, {{3, 1}}),
          get(&ParameterMirror::aec, &AecState::config), filled(17, {{3, 1}}), {16, 18});
    t.add("AecMatrix", Msg::AecMatrix, filled(20, {{0, 5}}),
          get(&ParameterMirror::aec, &AecState::matrix), filled(20, {{0, 5}}), {10});
    t.one("Agc", Msg::Agc,
          ByteWriter().u8(15).u8(1).f32(-50.0f).f32(-10.0f).f32(3.0f).f32(100.0f).f32(500.0f), 15,
          [](const ParameterMirror &m) {
              const AgcParams &a = m.inputs[15].agc;
              return QVariantList {a.enabled, a.threshold, a.target, a.ratio, a.attack, a.release};
          },
          QVariantList {1, -50.0f, -10.0f, 3.0f, 100.0f, 500.0f}, {21, 23});
    t.add("AncConfig", Msg::AncConfig, filled(6, {{4, 2}, {5, 1}}),
          get(&ParameterMirror::anc, &AncState::config), filled(6, {{4, 2}, {5, 1}}), {5});
    const auto A = &ParameterMirror::autoMixer;
    t.list("AutoMixWeight", Msg::AutoMixWeight, floats(16, {{8, -6.0f}}),
           get(A, &AutoMixerState::weights), 16, {{8, -6.0f}}, 0.0f, {63, 65});
    t.list("AutoMixGroup", Msg::AutoMixGroup, filled(16, {{0, 1}, {1, 2}}),
           get(A, &AutoMixerState::groups), 16, {{0, one}, {1, 2}}, zero, {15, 17});
    t.list("AutoMixEnable", Msg::AutoMixEnable, hex("0003"), get(A, &AutoMixerState::enabled), 2,
           {{1, 1}}, zero, {1, 3});
    t.add("AutoMixMeters", Msg::AutoMixMeters, filled(32, {{0, -3}, {31, -60}}, -100),
          get(A, &AutoMixerState::meters), with(32, {{0, -3}, {31, -60}}, -100), {31, 33})
            .always = true;

    // ---- presets ----
    QByteArray presets = filled(545, {{0, 4}, {1 + 17 * 4, 1}});
    presets.replace(2 + 17 * 4, 6, "Speech");
    presets.replace(2 + 17 * 31, 16, "Sixteen-byte-nam");
    t.add("PresetList", Msg::PresetList, presets,
          [](const ParameterMirror &m) {
              return QVariantList {m.presets.current, m.presets.used[4], m.presets.names[4],
                                   m.presets.names[31]};
          },
          QVariantList {4, 1, "Speech", "Sixteen-byte-nam"}, {544, 546});
    t.event("PresetActive", Msg::PresetActive, "\x28", once(Msg::PresetActive, {}, 255, 40),
            {0, 2});
    t.rows.back().stored = get(&ParameterMirror::presets, &PresetTable::loadProgress);
    t.rows.back().expected = 40;
    for (MessageId id : {Msg::PresetExportAll, Msg::PresetExport})
        t.event("PresetExport", id, hex("00000500"), once(id, hex("00000500")), {2});
    for (MessageId id : {Msg::PresetImportAll, Msg::PresetImport})
        t.event("PresetImport", id, hex("00000102"), once(id, hex("00000102")), {3});

    // ---- Dante ----
    t.add("DanteInfo", Msg::DanteInfo, filled(94, {{0, 'D'}, {93, 7}}),
          get(&ParameterMirror::dante, &DanteState::info), filled(94, {{0, 'D'}, {93, 7}}), {80});
    t.add("DanteState3", Msg::DanteState3, hex("010a"),
          all(get(&ParameterMirror::dante, &DanteState::clockSource),
              get(&ParameterMirror::dante, &DanteState::clockState)),
          QVariantList {1, 10}, {1, 3});
    t.one("DanteBlock4", Msg::DanteBlock4, filled(65, {{0, 2}, {1, 'a'}, {64, 'z'}}), 2,
          [](const ParameterMirror &m) { return QVariant(m.dante.blocks[2]); },
          filled(64, {{0, 'a'}, {63, 'z'}}), {64});
    return t.rows;
}

} // namespace

const std::vector<CatalogueRow> &catalogueRows()
{
    static const std::vector<CatalogueRow> rows = buildRows();
    return rows;
}

const CatalogueRow &catalogueRow(MessageId id)
{
    for (const CatalogueRow &row : catalogueRows()) {
        if (row.id == id)
            return row;
    }
    qFatal("no catalogue row for %d/%d/%d", id.type, id.subType, id.funcId);
}
