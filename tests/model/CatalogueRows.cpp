#include "CatalogueRows.h"

#include "link/ByteWriter.h"
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

QByteArray TestBytes::text(const QByteArray &t, int width)
{
    return ByteWriter().fixedText(t, width);
}

QByteArray TestBytes::resized(const QByteArray &payload, int length)
{
    QByteArray b = payload.left(length);
    b.append(QByteArray(length - b.size(), '\0'));
    return b;
}

QVariantList TestFields::with(int n, std::initializer_list<std::pair<int, QVariant>> set,
                              QVariant fill)
{
    QVariantList l;
    for (int i = 0; i < n; ++i)
        l << fill;
    for (const auto &[at, v] : set)
        l[at] = v;
    return l;
}

std::vector<Announcement> perChannel(MessageId id, std::initializer_list<int> channels)
{
    std::vector<Announcement> a;
    for (int ch : channels)
        a.push_back({id, quint8(ch), 255, {}});
    return a;
}

namespace {

QVariant nothingStored(const ParameterMirror &)
{
    return {};
}

std::vector<Announcement> once(MessageId id, QVariant value = {}, quint8 other = 255,
                               quint8 channel = 255)
{
    return {Announcement {id, channel, other, std::move(value)}};
}

QVariantList meterList(int n, int firstValue)
{
    QVariantList l;
    for (int i = 0; i < 18; ++i)
        l << (i < n ? firstValue - i : MeterFloor);
    return l;
}

QByteArray meterBytes(int n, int firstValue)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b.append(char(firstValue - i));
    return b;
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
QVariantList matrixColumn(const ParameterMirror &m, int out, std::array<T, 16> InputChannel::*row,
                          std::array<T, 16> MatrixSourceRow::*extra)
{
    QVariantList l;
    for (int in = 0; in < 17; ++in)
        l << num((m.inputs[size_t(in)].*row)[size_t(out)]);
    l << num((m.matrix.aec.*extra)[size_t(out)]) << num((m.matrix.anc.*extra)[size_t(out)]);
    return l;
}

std::vector<CatalogueRow> buildRows()
{
    const QVariant zero = qlonglong(0);
    const QVariant one = qlonglong(1);
    std::vector<CatalogueRow> r;

    // ---- type 1 ----
    r.push_back({"UpgradeData",
                 Msg::UpgradeData,
                 QByteArray::fromHex("00003412"),
                 once(Msg::UpgradeData, QByteArray::fromHex("00003412")),
                 nothingStored,
                 {},
                 {3, 5},
                 true});
    r.push_back({"UpgradeStatus",
                 Msg::UpgradeStatus,
                 "\xfe",
                 once(Msg::UpgradeStatus, {}, 0xFE),
                 nothingStored,
                 {},
                 {0, 2},
                 true});
    r.push_back({"UpgradeProgress",
                 Msg::UpgradeProgress,
                 QByteArray::fromHex("0900"),
                 once(Msg::UpgradeProgress, 10),
                 nothingStored,
                 {},
                 {1, 3},
                 true});

    // ---- system table ----
    auto device = [](auto member) {
        return [member](const ParameterMirror &m) { return num(m.device.*member); };
    };
    auto deviceText = [](QString DeviceInfo::*member) {
        return [member](const ParameterMirror &m) { return QVariant(m.device.*member); };
    };
    auto deviceList = [](auto member) {
        return [member](const ParameterMirror &m) { return QVariant(list(m.device.*member)); };
    };
    r.push_back({"SysModelName",
                 Msg::SysModelName,
                 text("VT-1616", 16),
                 once(Msg::SysModelName),
                 deviceText(&DeviceInfo::modelName),
                 "VT-1616",
                 {}});
    r.push_back({"SysArmVersion",
                 Msg::SysArmVersion,
                 QByteArray::fromHex("050102"),
                 once(Msg::SysArmVersion),
                 deviceList(&DeviceInfo::armVersion),
                 QVariantList {5, 1, 2},
                 {2, 4}});
    r.push_back({"SysDspVersion",
                 Msg::SysDspVersion,
                 QByteArray::fromHex("01012d"),
                 once(Msg::SysDspVersion),
                 deviceList(&DeviceInfo::dspVersion),
                 QVariantList {1, 1, 45},
                 {2, 4}});
    r.push_back({"SysSerialNumber",
                 Msg::SysSerialNumber,
                 "SN0123456789ABCD",
                 once(Msg::SysSerialNumber),
                 deviceText(&DeviceInfo::serialNumber),
                 "SN0123456789ABCD",
                 {}});
    r.push_back({"SysChannelConfig",
                 Msg::SysChannelConfig,
                 QByteArray::fromHex("0808"),
                 once(Msg::SysChannelConfig),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.device.inputCount, m.device.outputCount};
                 },
                 QVariantList {8, 8},
                 {1, 3}});
    r.push_back({"SysRunTime",
                 Msg::SysRunTime,
                 u32(0x12345678),
                 once(Msg::SysRunTime),
                 device(&DeviceInfo::runTime),
                 0x12345678,
                 {3, 5}});
    r.push_back({"SysTotalTime",
                 Msg::SysTotalTime,
                 u32(0xFFFFFFF0u),
                 once(Msg::SysTotalTime),
                 device(&DeviceInfo::totalTime),
                 qlonglong(0xFFFFFFF0u),
                 {3, 5}});
    r.push_back({"SysBootCount",
                 Msg::SysBootCount,
                 u32(42),
                 once(Msg::SysBootCount),
                 device(&DeviceInfo::bootCount),
                 42,
                 {3, 5}});
    r.push_back({"SysTemperature",
                 Msg::SysTemperature,
                 f32(41.5f),
                 once(Msg::SysTemperature),
                 device(&DeviceInfo::temperature),
                 41.5f,
                 {3, 5}});
    r.push_back({"SysLocation",
                 Msg::SysLocation,
                 "Hall B",
                 once(Msg::SysLocation),
                 deviceText(&DeviceInfo::location),
                 "Hall B",
                 {}});
    r.push_back({"SysDescription",
                 Msg::SysDescription,
                 text("Main rack", 16),
                 once(Msg::SysDescription),
                 deviceText(&DeviceInfo::description),
                 "Main rack",
                 {}});
    r.push_back({"SysDateTime",
                 Msg::SysDateTime,
                 QByteArray::fromHex("1e0f0c1f000b7c"),
                 once(Msg::SysDateTime),
                 deviceList(&DeviceInfo::dateTime),
                 QVariantList {30, 15, 12, 31, 0, 11, 124},
                 {6, 8}});
    r.push_back({"SysNetwork",
                 Msg::SysNetwork,
                 QByteArray::fromHex("c0a80114ffffff00c0a80101"),
                 once(Msg::SysNetwork),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.device.address, m.device.netmask, m.device.gateway};
                 },
                 QVariantList {0x1401a8c0u, 0x00ffffffu, 0x0101a8c0u},
                 {11, 13}});
    r.push_back({"SysFaultFlags",
                 Msg::SysFaultFlags,
                 "\x11",
                 once(Msg::SysFaultFlags),
                 device(&DeviceInfo::faultFlags),
                 0x11,
                 {0, 2}});
    r.push_back({"SysSystemMute",
                 Msg::SysSystemMute,
                 "\x05",
                 once(Msg::SysSystemMute),
                 device(&DeviceInfo::systemMute),
                 1,
                 {0, 2}});
    r.push_back({"SysRs232Baud",
                 Msg::SysRs232Baud,
                 u32(9600),
                 once(Msg::SysRs232Baud),
                 device(&DeviceInfo::rs232Baud),
                 9600,
                 {3, 5}});
    r.push_back({"SysStatus18",
                 Msg::SysStatus18,
                 u32(38400),
                 once(Msg::SysStatus18),
                 device(&DeviceInfo::rs485Baud),
                 38400,
                 {3, 5}});
    r.push_back({"SysDspUsage",
                 Msg::SysDspUsage,
                 f32(12.5f) + f32(33.0f),
                 once(Msg::SysDspUsage),
                 deviceList(&DeviceInfo::dspUsage),
                 QVariantList {12.5f, 33.0f},
                 {7, 9}});
    r.push_back({"SysFaults",
                 Msg::SysFaults,
                 QByteArray::fromHex("0200010000"),
                 once(Msg::SysFaults),
                 deviceList(&DeviceInfo::faults),
                 QVariantList {2, 0, 1, 0, 0},
                 {4, 6}});
    r.push_back({"SysGateReport",
                 Msg::SysGateReport,
                 "\x01",
                 once(Msg::SysGateReport),
                 device(&DeviceInfo::gateReport),
                 1,
                 {0, 2}});
    r.push_back({"SysArmBuild",
                 Msg::SysArmBuild,
                 u32(0xBEEF),
                 once(Msg::SysArmBuild),
                 device(&DeviceInfo::armBuild),
                 0xBEEF,
                 {3, 5}});
    r.push_back({"SysDeviceId",
                 Msg::SysDeviceId,
                 u32(0xA1B2C3D4),
                 once(Msg::SysDeviceId),
                 device(&DeviceInfo::deviceId),
                 qlonglong(0xA1B2C3D4),
                 {3, 5}});
    r.push_back({"SysUsbDisk",
                 Msg::SysUsbDisk,
                 "\x01",
                 once(Msg::SysUsbDisk),
                 device(&DeviceInfo::usbDisk),
                 1,
                 {0, 2}});
    r.push_back({"SysDanteState",
                 Msg::SysDanteState,
                 QByteArray::fromHex("0101"),
                 once(Msg::SysDanteState),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.device.danteSupported, m.device.danteConnected};
                 },
                 QVariantList {1, 1},
                 {1, 3}});
    r.push_back({"SysDanteRestart",
                 Msg::SysDanteRestart,
                 "\x01",
                 once(Msg::SysDanteRestart),
                 device(&DeviceInfo::danteRestart),
                 1,
                 {0, 2}});
    r.push_back({"SysStatus35",
                 Msg::SysStatus35,
                 u32(0x1C5),
                 once(Msg::SysStatus35),
                 device(&DeviceInfo::status35),
                 0x1C5,
                 {3, 5}});
    r.push_back({"SysFanTest",
                 Msg::SysFanTest,
                 "\x01",
                 once(Msg::SysFanTest),
                 device(&DeviceInfo::fanTest),
                 1,
                 {0, 2}});
    r.push_back({"SysMacAddress",
                 Msg::SysMacAddress,
                 QByteArray::fromHex("001a2b3c4dfe"),
                 once(Msg::SysMacAddress),
                 deviceText(&DeviceInfo::macAddress),
                 "00-1A-2B-3C-4D-FE",
                 {5, 7}});
    r.push_back({"SysUsbAutoPlay",
                 Msg::SysUsbAutoPlay,
                 "\x07",
                 once(Msg::SysUsbAutoPlay),
                 device(&DeviceInfo::usbAutoPlay),
                 3,
                 {0}});
    r.push_back({"SysUserPassword",
                 Msg::SysUserPassword,
                 "\x01",
                 once(Msg::SysUserPassword, {}, 1),
                 nothingStored,
                 {},
                 {0, 2},
                 true});

    // ---- labels, state 4, USB, GPIO, data sync ----
    r.push_back({"InputLabels",
                 Msg::InputLabels,
                 filled(256, {}).replace(32, 5, "Vocal"),
                 perChannel(Msg::InputLabels, {2}),
                 [](const ParameterMirror &m) { return m.inputs[2].label; },
                 "Vocal",
                 {255}});
    r.push_back({"OutputLabels",
                 Msg::OutputLabels,
                 filled(288, {}).replace(256, 16, "Sixteen-byte-lbl"),
                 perChannel(Msg::OutputLabels, {16}),
                 [](const ParameterMirror &m) { return m.outputs[16].label; },
                 "Sixteen-byte-lbl",
                 {255}});
    r.push_back({"InputShortLabels",
                 Msg::InputShortLabels,
                 filled(160, {}).replace(0, 10, "Podium-Mic"),
                 perChannel(Msg::InputShortLabels, {0}),
                 [](const ParameterMirror &m) { return m.inputs[0].shortLabel; },
                 "Podium-Mic",
                 {159}});
    r.push_back({"SysState4",
                 Msg::SysState4,
                 u32(7) + QByteArray::fromHex("0300"),
                 once(Msg::SysState4),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.device.state4, m.device.state4Extra};
                 },
                 QVariantList {7, 3},
                 {5, 7}});
    auto usb = [](auto member) {
        return [member](const ParameterMirror &m) { return num(m.usb.*member); };
    };
    r.push_back({"UsbPlayCount",
                 Msg::UsbPlayCount,
                 u32(3),
                 once(Msg::UsbPlayCount),
                 usb(&UsbState::playCount),
                 3,
                 {3, 5},
                 false,
                 {},
                 {Msg::UsbPlayList}});
    r.push_back({"UsbPlayList",
                 Msg::UsbPlayList,
                 u32(2) + "song.mp3",
                 once(Msg::UsbPlayList, QVariantList {2, QStringLiteral("song.mp3")}),
                 nothingStored,
                 {},
                 {4},
                 true,
                 [](ParameterMirror &m) { m.usb.playCount = 3; }});
    r.push_back({"UsbPlayState",
                 Msg::UsbPlayState,
                 QByteArray::fromHex("03011e002c01"),
                 once(Msg::UsbPlayState),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.usb.playMode, m.usb.playState, m.usb.playPosition,
                                          m.usb.playDuration};
                 },
                 QVariantList {3, 1, 30, 300},
                 {5, 7}});
    r.push_back({"UsbPlayFile",
                 Msg::UsbPlayFile,
                 QStringLiteral("Étude.flac").toUtf8(),
                 once(Msg::UsbPlayFile),
                 [](const ParameterMirror &m) { return QVariant(m.usb.playFile); },
                 QStringLiteral("Étude.flac"),
                 {}});
    r.push_back({"UsbRecordCount",
                 Msg::UsbRecordCount,
                 u32(2),
                 once(Msg::UsbRecordCount),
                 usb(&UsbState::recordCount),
                 2,
                 {3, 5},
                 false,
                 {},
                 {Msg::UsbRecordList}});
    r.push_back({"UsbRecordList",
                 Msg::UsbRecordList,
                 u32(1) + u32(77) + "rec1.wav",
                 once(Msg::UsbRecordList, QVariantList {77u, QStringLiteral("rec1.wav")}),
                 nothingStored,
                 {},
                 {8},
                 true,
                 [](ParameterMirror &m) { m.usb.recordCount = 2; }});
    r.push_back({"UsbRecordState",
                 Msg::UsbRecordState,
                 "\x01" + u32(95),
                 once(Msg::UsbRecordState),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.usb.recordState, m.usb.recordTime};
                 },
                 QVariantList {1, 95},
                 {4, 6}});
    r.push_back({"UsbRecordFile",
                 Msg::UsbRecordFile,
                 "rec2.wav",
                 once(Msg::UsbRecordFile),
                 [](const ParameterMirror &m) { return QVariant(m.usb.recordFile); },
                 "rec2.wav",
                 {}});
    r.push_back({"GpioPort",
                 Msg::GpioPort,
                 filled(66, {{0, 3}, {1, 1}, {2, 5}, {65, 9}}),
                 perChannel(Msg::GpioPort, {3}),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.gpio[3].kind, m.gpio[3].settings[0],
                                          m.gpio[3].settings[63]};
                 },
                 QVariantList {1, 5, 9},
                 {65, 67}});
    r.push_back({"SyncConfig",
                 Msg::SyncConfig,
                 "\x02" + u32(0x0A01A8C0),
                 once(Msg::SyncConfig),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.device.syncMode, m.device.syncHost};
                 },
                 QVariantList {2, 0x0A01A8C0},
                 {4, 6}});
    r.push_back({"SyncStatus",
                 Msg::SyncStatus,
                 "\x02",
                 once(Msg::SyncStatus),
                 device(&DeviceInfo::syncStatus),
                 2,
                 {0, 2}});

    // ---- In Setup, Gate, Feedback ----
    auto inputsOf = [](auto member) {
        return [member](const ParameterMirror &m) { return QVariant(inputs(m, member)); };
    };
    auto outputsOf = [](auto member) {
        return [member](const ParameterMirror &m) { return QVariant(outputs(m, member)); };
    };
    r.push_back({"InputMeters",
                 Msg::InputMeters,
                 meterBytes(18, -3),
                 once(Msg::InputMeters),
                 inputsOf(&InputChannel::postMeter),
                 meterList(18, -3),
                 {15},
                 true});
    r.push_back({"InputMute",
                 Msg::InputMute,
                 filled(16, {{0, 1}, {5, 7}}),
                 perChannel(Msg::InputMute, {0, 5}),
                 inputsOf(&InputChannel::mute),
                 with(18, {{0, one}, {5, one}}, zero),
                 {15, 17}});
    r.push_back({"InputMode",
                 Msg::InputMode,
                 filled(16, {{0, 2}, {3, 1}}),
                 perChannel(Msg::InputMode, {0, 3}),
                 inputsOf(&InputChannel::inputMode),
                 with(18, {{0, 2}, {3, one}}, zero),
                 {15, 17}});
    r.push_back({"InputPhantom",
                 Msg::InputPhantom,
                 filled(16, {{15, 1}}),
                 perChannel(Msg::InputPhantom, {15}),
                 inputsOf(&InputChannel::phantom),
                 with(18, {{15, one}}, zero),
                 {15, 17}});
    r.push_back({"InputGain",
                 Msg::InputGain,
                 floats(16, {{1, 30.5f}}),
                 perChannel(Msg::InputGain, {1}),
                 inputsOf(&InputChannel::inputGain),
                 with(18, {{1, 30.5f}}, 0.0f),
                 {63, 65}});
    r.push_back({"GateStatus",
                 Msg::GateStatus,
                 filled(18, {{2, 1}, {16, 1}, {17, 1}}),
                 perChannel(Msg::GateStatus, {2, 16}),
                 inputsOf(&InputChannel::gateStatus),
                 with(18, {{2, one}, {16, one}}, zero),
                 {15}});
    r.push_back({"GateParams",
                 Msg::GateParams,
                 ByteWriter().u8(16).u8(0).f32(-40.0f).f32(5.0f).f32(200.0f),
                 perChannel(Msg::GateParams, {16}),
                 [](const ParameterMirror &m) {
                     const GateParams &g = m.inputs[16].gate;
                     return QVariantList {g.enabled, g.threshold, g.attack, g.release};
                 },
                 QVariantList {0, -40.0f, 5.0f, 200.0f},
                 {13, 15}});
    r.push_back({"FeedbackEnable",
                 Msg::FeedbackEnable,
                 filled(16, {{7, 1}}),
                 perChannel(Msg::FeedbackEnable, {7}),
                 inputsOf(&InputChannel::feedbackEnabled),
                 with(18, {{7, one}}, zero),
                 {15, 17}});

    // ---- filters and limiters ----
    const QByteArray hpf = ByteWriter().u8(1).u8(2).u8(5).f32(120.0f);
    const QByteArray band = ByteWriter().u8(0).u8(1).f32(2500.0f).f32(-6.5f).u8(20);
    const QByteArray limiter = ByteWriter().u8(1).f32(-10.0f).f32(4.0f).f32(5.0f).f32(300.0f);
    const QVariantList hpfStored {1, 2, 5, 120.0f};
    const QVariantList bandStored {0, 1, 2500.0f, -6.5f, 20};
    const QVariantList limiterStored {1, -10.0f, 4.0f, 5.0f, 300.0f};
    r.push_back({"InFilterHPF",
                 Msg::InFilterHPF,
                 "\x10" + hpf,
                 perChannel(Msg::InFilterHPF, {16}),
                 [](const ParameterMirror &m) { return hlpfOf(m.inputs[16].hpf); },
                 hpfStored,
                 {7, 9}});
    r.push_back({"InFilterLPF",
                 Msg::InFilterLPF,
                 "\x02" + hpf,
                 perChannel(Msg::InFilterLPF, {2}),
                 [](const ParameterMirror &m) { return hlpfOf(m.inputs[2].lpf); },
                 hpfStored,
                 {7, 9}});
    r.push_back({"InFilterPEQ",
                 Msg::InFilterPEQ,
                 QByteArray("\x03\x07") + band,
                 {{Msg::InFilterPEQ, 3, 7, {}}},
                 [](const ParameterMirror &m) { return peqOf(m.inputs[3].peq[7]); },
                 bandStored,
                 {12, 14}});
    r.push_back({"InLimiter",
                 Msg::InLimiter,
                 "\x10" + limiter,
                 perChannel(Msg::InLimiter, {16}),
                 [](const ParameterMirror &m) { return limiterOf(m.inputs[16].limiter); },
                 limiterStored,
                 {17, 19}});
    r.push_back({"InLimiterGain",
                 Msg::InLimiterGain,
                 floats(18, {{16, 6.0f}, {17, 9.0f}}),
                 perChannel(Msg::InLimiterGain, {16}),
                 inputsOf(&InputChannel::limiterGain),
                 with(18, {{16, 6.0f}}, 0.0f),
                 {63}});
    r.push_back({"InDelay",
                 Msg::InDelay,
                 floats(16, {{4, 12.25f}}),
                 perChannel(Msg::InDelay, {4}),
                 inputsOf(&InputChannel::delay),
                 with(18, {{4, 12.25f}}, 0.0f),
                 {63, 65}});
    r.push_back({"OutFilterHPF",
                 Msg::OutFilterHPF,
                 "\x0f" + hpf,
                 perChannel(Msg::OutFilterHPF, {15}),
                 [](const ParameterMirror &m) { return hlpfOf(m.outputs[15].hpf); },
                 hpfStored,
                 {7, 9}});
    r.push_back({"OutFilterLPF",
                 Msg::OutFilterLPF,
                 QByteArray(1, '\0') + hpf,
                 perChannel(Msg::OutFilterLPF, {0}),
                 [](const ParameterMirror &m) { return hlpfOf(m.outputs[0].lpf); },
                 hpfStored,
                 {7, 9}});
    r.push_back({"OutFilterPEQ",
                 Msg::OutFilterPEQ,
                 QByteArray("\x0f\x00", 2) + band,
                 {{Msg::OutFilterPEQ, 15, 0, {}}},
                 [](const ParameterMirror &m) { return peqOf(m.outputs[15].peq[0]); },
                 bandStored,
                 {12, 14}});
    r.push_back({"OutLimiter",
                 Msg::OutLimiter,
                 "\x10" + limiter,
                 perChannel(Msg::OutLimiter, {16}),
                 [](const ParameterMirror &m) { return limiterOf(m.outputs[16].limiter); },
                 limiterStored,
                 {17, 19}});
    r.push_back({"OutDelay",
                 Msg::OutDelay,
                 floats(16, {{15, 1500.0f}}),
                 perChannel(Msg::OutDelay, {15}),
                 outputsOf(&OutputChannel::delay),
                 with(18, {{15, 1500.0f}}, 0.0f),
                 {63, 65}});

    // ---- levels ----
    QByteArray inRanges = floats(36, {}, 0.0f); // 18 pairs: the 18th is not read
    for (int ch = 0; ch < 17; ++ch)
        inRanges.replace(8 * ch, 8, f32(12.0f) + f32(-56.0f));
    inRanges.replace(8 * 16, 8, f32(6.0f) + f32(-30.0f));
    r.push_back({"PreMixMute",
                 Msg::PreMixMute,
                 filled(16, {{3, 1}}),
                 perChannel(Msg::PreMixMute, {3}),
                 inputsOf(&InputChannel::preMixMute),
                 with(18, {{3, one}}, zero),
                 {15}});
    r.push_back({"PreMixGain",
                 Msg::PreMixGain,
                 floats(18, {{0, -10.5f}, {16, 3.0f}}),
                 perChannel(Msg::PreMixGain, {0, 16}),
                 inputsOf(&InputChannel::preMixGain),
                 with(18, {{0, -10.5f}, {16, 3.0f}}, 0.0f),
                 {63}});
    r.push_back({"PreMixInvert",
                 Msg::PreMixInvert,
                 filled(18, {{16, 1}}),
                 perChannel(Msg::PreMixInvert, {16}),
                 inputsOf(&InputChannel::invert),
                 with(18, {{16, one}}, zero),
                 {15}});
    r.push_back({"PreMixGroup",
                 Msg::PreMixGroup,
                 filled(16, {{1, 8}, {2, 3}}),
                 perChannel(Msg::PreMixGroup, {1, 2}),
                 inputsOf(&InputChannel::group),
                 with(18, {{1, 8}, {2, 3}}, zero),
                 {15}});
    r.push_back({"PreMixGainRange",
                 Msg::PreMixGainRange,
                 inRanges,
                 perChannel(Msg::PreMixGainRange, {16}),
                 [](const ParameterMirror &m) {
                     return QVariantList {inputs(m, &InputChannel::gainMax),
                                          inputs(m, &InputChannel::gainMin)};
                 },
                 QVariantList {with(18, {{16, 6.0f}}, 12.0f), with(18, {{16, -30.0f}}, -56.0f)},
                 {127}});
    r.push_back({"PreMixMeters",
                 Msg::PreMixMeters,
                 meterBytes(16, -20),
                 once(Msg::PreMixMeters),
                 inputsOf(&InputChannel::preMeter),
                 meterList(16, -20),
                 {15},
                 true});
    r.push_back({"PreMixPriority",
                 Msg::PreMixPriority,
                 filled(16, {{9, 1}}),
                 perChannel(Msg::PreMixPriority, {9}),
                 inputsOf(&InputChannel::priority),
                 with(18, {{9, one}}, zero),
                 {15}});
    QByteArray outRanges = inRanges.left(128);
    outRanges.replace(8, 8, f32(0.0f) + f32(-40.0f));
    r.push_back({"OutputMeters",
                 Msg::OutputMeters,
                 meterBytes(17, 0),
                 once(Msg::OutputMeters),
                 outputsOf(&OutputChannel::postMeter),
                 meterList(17, 0),
                 {15},
                 true});
    r.push_back({"OutMute",
                 Msg::OutMute,
                 filled(16, {{0, 1}}),
                 perChannel(Msg::OutMute, {0}),
                 outputsOf(&OutputChannel::mute),
                 with(18, {{0, one}}, zero),
                 {15}});
    r.push_back({"OutGain",
                 Msg::OutGain,
                 floats(16, {{2, -3.5f}}),
                 perChannel(Msg::OutGain, {2}),
                 outputsOf(&OutputChannel::gain),
                 with(18, {{2, -3.5f}}, 0.0f),
                 {63}});
    r.push_back({"OutInvert",
                 Msg::OutInvert,
                 filled(16, {{4, 1}}),
                 perChannel(Msg::OutInvert, {4}),
                 outputsOf(&OutputChannel::invert),
                 with(18, {{4, one}}, zero),
                 {15}});
    r.push_back({"OutGroup",
                 Msg::OutGroup,
                 filled(18, {{16, 2}}),
                 perChannel(Msg::OutGroup, {16}),
                 outputsOf(&OutputChannel::group),
                 with(18, {{16, 2}}, zero),
                 {15}});
    r.push_back({"OutGainRange",
                 Msg::OutGainRange,
                 outRanges,
                 perChannel(Msg::OutGainRange, {1}),
                 [](const ParameterMirror &m) {
                     return QVariantList {outputs(m, &OutputChannel::gainMax),
                                          outputs(m, &OutputChannel::gainMin)};
                 },
                 QVariantList {with(18, {{1, 0.0f}}, 12.0f), with(18, {{1, -40.0f}}, -56.0f)},
                 {127}});
    r.push_back({"OutputPreMeters",
                 Msg::OutputPreMeters,
                 meterBytes(16, -50),
                 once(Msg::OutputPreMeters),
                 outputsOf(&OutputChannel::preMeter),
                 meterList(16, -50),
                 {15},
                 true});
    r.push_back({"UsbRecordSource",
                 Msg::UsbRecordSource,
                 "\x03",
                 once(Msg::UsbRecordSource),
                 usb(&UsbState::recordSource),
                 3,
                 {0, 2}});

    // ---- matrix and global modules ----
    r.push_back({"MatrixRoute",
                 Msg::MatrixRoute,
                 filled(21, {{0, 2}, {1, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 9}}),
                 {{Msg::MatrixRoute, 0, 2, {}},
                  {Msg::MatrixRoute, 16, 2, {}},
                  {Msg::MatrixRoute, 17, 2, {}},
                  {Msg::MatrixRoute, 18, 2, {}}},
                 [](const ParameterMirror &m) {
                     return QVariant(matrixColumn(m, 2, &InputChannel::matrixRoute,
                                                  &MatrixSourceRow::route));
                 },
                 with(19, {{0, one}, {16, one}, {17, one}, {18, one}}, zero),
                 {16}});
    r.push_back({"MatrixGain",
                 Msg::MatrixGain,
                 filled(17, {{0, 15}, {1, -12}, {16, 6}}),
                 {{Msg::MatrixGain, 0, 15, {}}, {Msg::MatrixGain, 15, 15, {}}},
                 [](const ParameterMirror &m) {
                     return QVariant(matrixColumn(m, 15, &InputChannel::matrixGain,
                                                  &MatrixSourceRow::gain));
                 },
                 with(19, {{0, -12}, {15, 6}}, zero),
                 {16}});
    r.push_back({"MatrixSwitches",
                 Msg::MatrixSwitches,
                 filled(37, {{0, 1}, {1, 1}, {36, 4}}),
                 perChannel(Msg::MatrixSwitches, {1}),
                 [](const ParameterMirror &m) {
                     return QVariantList {list(m.matrix.switches[0]), list(m.matrix.switches[1])};
                 },
                 QVariantList {with(36, {}, zero), with(36, {{0, one}, {35, one}}, zero)},
                 {36, 38}});
    auto generator = [](auto member) {
        return [member](const ParameterMirror &m) { return num(m.signalGenerator.*member); };
    };
    r.push_back({"SigGenOutputs",
                 Msg::SigGenOutputs,
                 filled(16, {{5, 1}}),
                 perChannel(Msg::SigGenOutputs, {5}),
                 [](const ParameterMirror &m) { return QVariant(list(m.signalGenerator.outputs)); },
                 with(16, {{5, one}}, zero),
                 {15, 17}});
    r.push_back({"SigGenFreq",
                 Msg::SigGenFreq,
                 f32(440.0f),
                 once(Msg::SigGenFreq),
                 generator(&SignalGeneratorState::frequency),
                 440.0f,
                 {3, 5}});
    r.push_back({"SigGenType",
                 Msg::SigGenType,
                 "\x01",
                 once(Msg::SigGenType),
                 generator(&SignalGeneratorState::type),
                 1,
                 {0, 2}});
    r.push_back({"SigGenGain",
                 Msg::SigGenGain,
                 f32(-12.0f),
                 once(Msg::SigGenGain),
                 generator(&SignalGeneratorState::gain),
                 -12.0f,
                 {3, 5}});
    r.push_back({"SigGenMute",
                 Msg::SigGenMute,
                 QByteArray(1, '\0'),
                 once(Msg::SigGenMute),
                 generator(&SignalGeneratorState::mute),
                 0,
                 {0, 2}});
    r.push_back({"AecEnable",
                 Msg::AecEnable,
                 "\x02",
                 once(Msg::AecEnable),
                 [](const ParameterMirror &m) { return num(m.aec.enabled); },
                 1,
                 {0, 2}});
    r.push_back({"AecConfig",
                 Msg::AecConfig,
                 filled(17, {{3, 1}}),
                 once(Msg::AecConfig),
                 [](const ParameterMirror &m) { return QVariant(m.aec.config); },
                 filled(17, {{3, 1}}),
                 {16, 18}});
    r.push_back({"AecMatrix",
                 Msg::AecMatrix,
                 filled(20, {{0, 5}}),
                 once(Msg::AecMatrix),
                 [](const ParameterMirror &m) { return QVariant(m.aec.matrix); },
                 filled(20, {{0, 5}}),
                 {10}});
    r.push_back(
            {"Agc",
             Msg::Agc,
             ByteWriter().u8(15).u8(1).f32(-50.0f).f32(-10.0f).f32(3.0f).f32(100.0f).f32(500.0f),
             perChannel(Msg::Agc, {15}),
             [](const ParameterMirror &m) {
                 const AgcParams &a = m.inputs[15].agc;
                 return QVariantList {a.enabled, a.threshold, a.target,
                                      a.ratio,   a.attack,    a.release};
             },
             QVariantList {1, -50.0f, -10.0f, 3.0f, 100.0f, 500.0f},
             {21, 23}});
    r.push_back({"AncConfig",
                 Msg::AncConfig,
                 filled(6, {{4, 2}, {5, 1}}),
                 once(Msg::AncConfig),
                 [](const ParameterMirror &m) { return QVariant(m.anc.config); },
                 filled(6, {{4, 2}, {5, 1}}),
                 {5}});
    r.push_back({"AutoMixWeight",
                 Msg::AutoMixWeight,
                 floats(16, {{8, -6.0f}}),
                 perChannel(Msg::AutoMixWeight, {8}),
                 [](const ParameterMirror &m) { return QVariant(list(m.autoMixer.weights)); },
                 with(16, {{8, -6.0f}}, 0.0f),
                 {63, 65}});
    r.push_back({"AutoMixGroup",
                 Msg::AutoMixGroup,
                 filled(16, {{0, 1}, {1, 2}}),
                 perChannel(Msg::AutoMixGroup, {0, 1}),
                 [](const ParameterMirror &m) { return QVariant(list(m.autoMixer.groups)); },
                 with(16, {{0, one}, {1, 2}}, zero),
                 {15, 17}});
    r.push_back({"AutoMixEnable",
                 Msg::AutoMixEnable,
                 QByteArray::fromHex("0003"),
                 perChannel(Msg::AutoMixEnable, {1}),
                 [](const ParameterMirror &m) { return QVariant(list(m.autoMixer.enabled)); },
                 QVariantList {0, 1},
                 {1, 3}});
    r.push_back({"AutoMixMeters",
                 Msg::AutoMixMeters,
                 filled(32, {{0, -3}, {31, -60}}, -100),
                 once(Msg::AutoMixMeters),
                 [](const ParameterMirror &m) { return QVariant(list(m.autoMixer.meters)); },
                 with(32, {{0, -3}, {31, -60}}, -100),
                 {31, 33},
                 true});

    // ---- presets ----
    QByteArray presets = filled(545, {{0, 4}, {1 + 17 * 4, 1}});
    presets.replace(2 + 17 * 4, 6, "Speech");
    presets.replace(2 + 17 * 31, 16, "Sixteen-byte-nam");
    r.push_back({"PresetList",
                 Msg::PresetList,
                 presets,
                 once(Msg::PresetList),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.presets.current, m.presets.used[4], m.presets.names[4],
                                          m.presets.names[31]};
                 },
                 QVariantList {4, 1, "Speech", "Sixteen-byte-nam"},
                 {544, 546}});
    r.push_back({"PresetActive",
                 Msg::PresetActive,
                 "\x28",
                 once(Msg::PresetActive, {}, 255, 40),
                 [](const ParameterMirror &m) { return num(m.presets.loadProgress); },
                 40,
                 {0, 2},
                 true});
    for (MessageId id : {Msg::PresetExportAll, Msg::PresetExport}) {
        r.push_back({"PresetExport",
                     id,
                     QByteArray::fromHex("00000500"),
                     once(id, QByteArray::fromHex("00000500")),
                     nothingStored,
                     {},
                     {2},
                     true});
    }
    for (MessageId id : {Msg::PresetImportAll, Msg::PresetImport}) {
        r.push_back({"PresetImport",
                     id,
                     QByteArray::fromHex("00000102"),
                     once(id, QByteArray::fromHex("00000102")),
                     nothingStored,
                     {},
                     {3},
                     true});
    }

    // ---- Dante ----
    r.push_back({"DanteInfo",
                 Msg::DanteInfo,
                 filled(94, {{0, 'D'}, {93, 7}}),
                 once(Msg::DanteInfo),
                 [](const ParameterMirror &m) { return QVariant(m.dante.info); },
                 filled(94, {{0, 'D'}, {93, 7}}),
                 {80}});
    r.push_back({"DanteState3",
                 Msg::DanteState3,
                 QByteArray::fromHex("010a"),
                 once(Msg::DanteState3),
                 [](const ParameterMirror &m) {
                     return QVariantList {m.dante.clockSource, m.dante.clockState};
                 },
                 QVariantList {1, 10},
                 {1, 3}});
    r.push_back({"DanteBlock4",
                 Msg::DanteBlock4,
                 filled(65, {{0, 2}, {1, 'a'}, {64, 'z'}}),
                 perChannel(Msg::DanteBlock4, {2}),
                 [](const ParameterMirror &m) { return QVariant(m.dante.blocks[2]); },
                 filled(64, {{0, 'a'}, {63, 'z'}}),
                 {64}});
    return r;
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
