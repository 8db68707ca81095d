#include "CatalogueRows.h"
#include "ReplyTestSupport.h"

#include "wire/ByteWriter.h"
#include "model/MessageCatalogue.h"

#include <limits>
#include <random>

using namespace TestBytes;
using namespace TestFields;

Q_DECLARE_METATYPE(TestFields::Stored)

// Values outside a field's range are stored clamped (or, for enumerations the row says so,
// ignored); replies naming a channel, band, port, block or list entry that does not exist are
// ignored; and no reply of any content can move the mirror outside its ranges.
class ReplyRangesTest : public QObject
{
    Q_OBJECT

private slots:
    void outOfRangeValuesAreClamped_data()
    {
        QTest::addColumn<MessageId>("id");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<QVariant>("expected");
        auto row = [](const char *name, MessageId id, const QByteArray &payload, Stored g,
                      QVariant expected) { QTest::newRow(name) << id << payload << g << expected; };
        const float NaN = std::numeric_limits<float>::quiet_NaN();
        const auto D = &ParameterMirror::device;
        const auto G = &ParameterMirror::signalGenerator;
        const auto U = &ParameterMirror::usb;
        const auto hex = [](const char *h) { return QByteArray::fromHex(h); };
        const Stored inputHpf = [](const ParameterMirror &m) {
            const HlpfFilter &f = m.inputs[0].hpf;
            return QVariantList {f.enabled, f.type, f.slope, f.frequency};
        };
        const Stored outputLpf = [](const ParameterMirror &m) {
            const HlpfFilter &f = m.outputs[0].lpf;
            return QVariantList {f.enabled, f.type, f.slope, f.frequency};
        };
        const Stored peq = [](const ParameterMirror &m) {
            const PeqFilter &f = m.inputs[0].peq[0];
            return QVariantList {f.enabled, f.type, f.frequency, f.gain, f.q};
        };
        const Stored limiter = [](const ParameterMirror &m) {
            const LimiterParams &l = m.inputs[0].limiter;
            return QVariantList {l.enabled, l.threshold, l.ratio, l.attack, l.release};
        };
        const Stored gate = [](const ParameterMirror &m) {
            const GateParams &g = m.inputs[0].gate;
            return QVariantList {g.threshold, g.attack, g.release};
        };
        const Stored agc = [](const ParameterMirror &m) {
            const AgcParams &a = m.inputs[0].agc;
            return QVariantList {a.threshold, a.target, a.ratio, a.attack, a.release};
        };
        row("input gain above 50 dB", Msg::InputGain, floats(16, {{0, 60.0f}}),
            in(0, &InputChannel::inputGain), 50.0f);
        row("input gain below 0 dB", Msg::InputGain, floats(16, {{0, -3.0f}}, 1.0f),
            in(0, &InputChannel::inputGain), 0.0f);
        row("pre-mix gain -80 dB", Msg::PreMixGain, floats(16, {{0, -80.0f}}),
            in(0, &InputChannel::preMixGain), -56.0f);
        row("pre-mix fader limits", Msg::PreMixGainRange, floats(32, {{0, 20.0f}, {1, -90.0f}}),
            all(in(0, &InputChannel::gainMax), in(0, &InputChannel::gainMin)),
            QVariantList {12.0f, -56.0f});
        row("limiter gain", Msg::InLimiterGain, floats(16, {{0, 25.0f}}),
            in(0, &InputChannel::limiterGain), 20.0f);
        row("input delay", Msg::InDelay, floats(16, {{0, 1500.0f}}), in(0, &InputChannel::delay),
            1000.0f);
        row("output delay", Msg::OutDelay, floats(16, {{0, 2500.0f}}),
            out(0, &OutputChannel::delay), 2000.0f);
        row("output gain", Msg::OutGain, floats(16, {{0, 13.0f}}), out(0, &OutputChannel::gain),
            12.0f);
        row("NaN keeps the gain", Msg::InputGain, floats(16, {{0, NaN}}, 1.0f),
            in(0, &InputChannel::inputGain), 0.0f);
        row("HPF frequency, unknown type and slope keep theirs", Msg::InFilterHPF,
            ByteWriter().u8(0).u8(1).u8(3).u8(6).f32(5.0f), inputHpf,
            QVariantList {1, 0, 0, 20.0f});
        row("LPF frequency", Msg::OutFilterLPF, ByteWriter().u8(0).u8(0).u8(2).u8(5).f32(3e4f),
            outputLpf, QVariantList {0, 2, 5, 20000.0f});
        row("PEQ Q 100, gain, unknown type", Msg::InFilterPEQ,
            ByteWriter().u8(0).u8(0).u8(1).u8(3).f32(1e5f).f32(20.0f).u8(100), peq,
            QVariantList {1, 0, 20000.0f, 15.0f, 64});
        row("limiter", Msg::InLimiter,
            ByteWriter().u8(0).u8(1).f32(30.0f).f32(0.5f).f32(0.0f).f32(2000.0f), limiter,
            QVariantList {1, 18.0f, 1.0f, 1.0f, 1000.0f});
        row("gate", Msg::GateParams, ByteWriter().u8(0).u8(0).f32(10.0f).f32(0.0f).f32(5e3f), gate,
            QVariantList {0.0f, 1.0f, 1000.0f});
        row("AGC", Msg::Agc,
            ByteWriter().u8(0).u8(0).f32(-200.0f).f32(5.0f).f32(200.0f).f32(5.0f).f32(2e3f), agc,
            QVariantList {-120.0f, 0.0f, 100.0f, 20.0f, 1000.0f});
        row(
                "matrix gain", Msg::MatrixGain, filled(17, {{0, 0}, {1, -70}, {2, 20}}),
                [](const ParameterMirror &m) {
                    return QVariantList {m.inputs[0].matrixGain[0], m.inputs[1].matrixGain[0]};
                },
                QVariantList {-56, 12});
        row("signal generator frequency", Msg::SigGenFreq, f32(30000.0f),
            get(G, &SignalGeneratorState::frequency), 24000.0f);
        row("signal generator gain", Msg::SigGenGain, f32(-80.0f),
            get(G, &SignalGeneratorState::gain), -70.0f);
        row("signal generator type", Msg::SigGenType, "\x07", get(G, &SignalGeneratorState::type),
            2u);
        row(
                "auto-mixer weight", Msg::AutoMixWeight, floats(16, {{0, 13.0f}}),
                [](const ParameterMirror &m) { return QVariant(m.autoMixer.weights[0]); }, 12.0f);
        row(
                "auto-mixer group", Msg::AutoMixGroup, filled(16, {{0, 5}}),
                [](const ParameterMirror &m) { return QVariant(m.autoMixer.groups[0]); }, 2);
        row("USB play state", Msg::UsbPlayState, hex("090900000000"),
            all(get(U, &UsbState::playMode), get(U, &UsbState::playState)), QVariantList {3, 2});
        row("USB record state", Msg::UsbRecordState, hex("0400000000"),
            get(U, &UsbState::recordState), 1);
        row(
                "GPIO kind", Msg::GpioPort, filled(66, {{0, 0}, {1, 9}}),
                [](const ParameterMirror &m) { return QVariant(m.gpio[0].kind); }, 2);
        row("sync mode", Msg::SyncConfig, hex("0500000000"), get(D, &DeviceInfo::syncMode), 2);
        row("USB auto-play keeps two bits", Msg::SysUsbAutoPlay, hex("ff00"),
            get(D, &DeviceInfo::usbAutoPlay), 3);
        row("status 35 with one of bits 6, 7", Msg::SysStatus35, u32(0x41),
            get(D, &DeviceInfo::status35), 1u);
        row("status 35 with both bits", Msg::SysStatus35, u32(0xC1), get(D, &DeviceInfo::status35),
            0xC1u);
        row("Dante info cut at 94 bytes", Msg::DanteInfo, filled(120, {{93, 1}, {94, 2}}),
            get(&ParameterMirror::dante, &DanteState::info), filled(94, {{93, 1}}));
        // Enumerations whose unknown values are not read at all.
        row("input mode 3 ignored", Msg::InputMode, filled(16, {{0, 3}, {1, 2}}),
            all(in(0, &InputChannel::inputMode), in(1, &InputChannel::inputMode)),
            QVariantList {0, 2});
        row("group 9 ignored", Msg::PreMixGroup, filled(16, {{0, 9}, {1, 8}}),
            all(in(0, &InputChannel::group), in(1, &InputChannel::group)), QVariantList {0, 8});
        row("output group 9 ignored", Msg::OutGroup, filled(16, {{0, 9}}),
            out(0, &OutputChannel::group), 0);
        row(
                "rail state 3 ignored", Msg::SysFaults, hex("0302000000"),
                [](const ParameterMirror &m) {
                    return QVariantList {m.device.faults[0], m.device.faults[1]};
                },
                QVariantList {1, 2});
        row("sync status 3 ignored", Msg::SyncStatus, "\x03", get(D, &DeviceInfo::syncStatus), 0);
        row("Dante clock state 12 keeps the state", Msg::DanteState3, hex("020c"),
            all(get(&ParameterMirror::dante, &DanteState::clockSource),
                get(&ParameterMirror::dante, &DanteState::clockState)),
            QVariantList {2, 0});
    }
    void outOfRangeValuesAreClamped()
    {
        QFETCH(MessageId, id);
        QFETCH(QByteArray, payload);
        QFETCH(Stored, stored);
        QFETCH(QVariant, expected);
        ParameterMirror m;
        applyReply(m, id, payload);
        QCOMPARE(stored(m), expected);
        QVERIFY(m.isWithinRanges());
    }

    void clampedChangeIsAnnounced()
    {
        ParameterMirror m;
        const ReplyOutcome out = applyReply(m, Msg::PreMixGain, floats(16, {{0, -80.0f}}));
        QCOMPARE(out.announcements, perChannel(Msg::PreMixGain, {0}));
        QVERIFY(applyReply(m, Msg::PreMixGain, floats(16, {{0, -90.0f}})).isEmpty());
    }

    void outOfRangeIndicesAreIgnored_data()
    {
        QTest::addColumn<MessageId>("id");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("playCount"); // the USB list counts the device reported
        QTest::addColumn<int>("indexAt"); // where the index sits, -1: no valid index exists
        const QByteArray band = ByteWriter().u8(0).u8(1).f32(50.0f).f32(1.0f).u8(3);
        const QByteArray filter = ByteWriter().u8(1).u8(1).u8(1).f32(50.0f);
        const QByteArray lim = ByteWriter().u8(1).f32(1.0f).f32(3.0f).f32(3.0f).f32(3.0f);
        QTest::newRow("PEQ band 8")
                << Msg::InFilterPEQ << QByteArray("\x00\x08", 2) + band << 0 << 1;
        QTest::newRow("input PEQ channel 17")
                << Msg::InFilterPEQ << QByteArray("\x11\x00", 2) + band << 0 << 0;
        QTest::newRow("output PEQ channel 16")
                << Msg::OutFilterPEQ << QByteArray("\x10\x00", 2) + band << 0 << 0;
        QTest::newRow("input HPF channel 17") << Msg::InFilterHPF << "\x11" + filter << 0 << 0;
        QTest::newRow("output LPF channel 16") << Msg::OutFilterLPF << "\x10" + filter << 0 << 0;
        QTest::newRow("input limiter channel 17") << Msg::InLimiter << "\x11" + lim << 0 << 0;
        QTest::newRow("output limiter channel 17") << Msg::OutLimiter << "\x11" + lim << 0 << 0;
        QTest::newRow("gate channel 17")
                << Msg::GateParams << filled(14, {{0, 17}, {1, 0}, {4, 0x40}}) << 0 << 0;
        QTest::newRow("AGC channel 16") << Msg::Agc << filled(22, {{0, 16}, {1, 1}}) << 0 << 0;
        QTest::newRow("matrix output 16") << Msg::MatrixRoute << filled(21, {{0, 16}}, 1) << 0 << 0;
        QTest::newRow("matrix gain output 255")
                << Msg::MatrixGain << filled(17, {{0, 255}}, 3) << 0 << 0;
        QTest::newRow("switch bank 2") << Msg::MatrixSwitches << filled(37, {{0, 2}}, 1) << 0 << 0;
        QTest::newRow("GPIO port 8") << Msg::GpioPort << filled(66, {{0, 8}}, 1) << 0 << 0;
        QTest::newRow("Dante block 4") << Msg::DanteBlock4 << filled(65, {{0, 4}}, 1) << 0 << 0;
        QTest::newRow("play list entry at the count")
                << Msg::UsbPlayList << u32(3) + "x.mp3" << 3 << 0;
        QTest::newRow("play list entry -1") << Msg::UsbPlayList << u32(0xFFFFFFFF) + "x" << 3 << -1;
        QTest::newRow("play list without count") << Msg::UsbPlayList << u32(0) + "x" << 0 << -1;
        QTest::newRow("record list entry at the count")
                << Msg::UsbRecordList << u32(3) + u32(1) + "r" << 3 << 0;
    }
    void outOfRangeIndicesAreIgnored()
    {
        QFETCH(MessageId, id);
        QFETCH(QByteArray, payload);
        QFETCH(int, playCount);
        QFETCH(int, indexAt);
        ParameterMirror m;
        m.usb.playCount = quint32(playCount);
        m.usb.recordCount = quint32(playCount);
        const ParameterMirror before = m;
        QVERIFY(applyReply(m, id, payload).isEmpty());
        QVERIFY(m.gpio == before.gpio && m.dante.blocks == before.dante.blocks
                && m.matrix.switches == before.matrix.switches);
        for (int ch = 0; ch < ParameterMirror::ChannelCount; ++ch) {
            const InputChannel &a = m.inputs[size_t(ch)];
            const InputChannel &b = before.inputs[size_t(ch)];
            QVERIFY(a.peq == b.peq && a.hpf == b.hpf && a.limiter == b.limiter && a.gate == b.gate
                    && a.agc == b.agc && a.matrixRoute == b.matrixRoute
                    && a.matrixGain == b.matrixGain);
            const OutputChannel &c = m.outputs[size_t(ch)];
            const OutputChannel &d = before.outputs[size_t(ch)];
            QVERIFY(c.peq == d.peq && c.lpf == d.lpf && c.limiter == d.limiter);
        }
        // The same reply with index 0 is taken: only the index made the difference.
        if (indexAt >= 0) {
            QByteArray valid = payload;
            valid[indexAt] = 0;
            QVERIFY(!applyReply(m, id, valid).isEmpty());
        }
    }

    // Every known identity with every payload length up to beyond its longest layout, filled
    // with random bytes and with 0xFF: nothing reads out of bounds (the sanitized build checks
    // that) and the mirror stays within its ranges.
    void anyPayloadKeepsTheMirrorInRange()
    {
        std::mt19937 rng(20240601);
        ParameterMirror m;
        m.usb.playCount = 5;
        m.usb.recordCount = 5;
        for (const CatalogueRow &row : catalogueRows()) {
            const int longest = std::max(row.payload.size(), 100) + 4;
            for (int length = 0; length <= longest; ++length) {
                QByteArray random(length, '\0');
                for (char &c : random)
                    c = char(rng());
                applyReply(m, row.id, random);
                applyReply(m, row.id, QByteArray(length, '\xff'));
            }
            QVERIFY2(m.isWithinRanges(), row.name);
        }
        for (int i = 0; i < 20000; ++i) {
            const MessageId id {quint8(1 + rng() % 4), quint8(rng() % 40), quint8(rng() % 45)};
            QByteArray random(int(rng() % 600), '\0');
            for (char &c : random)
                c = char(rng());
            applyReply(m, id, random, {}, rng() % 4 ? quint8(Frame::Reply) : quint8(rng()));
        }
        QVERIFY(m.isWithinRanges());
    }
};

QTEST_GUILESS_MAIN(ReplyRangesTest)
#include "ReplyRangesTest.moc"
