#include "CatalogueRows.h"
#include "LoopbackDevice.h"
#include "ReplyTestSupport.h"

#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "support/TestLinkEnvironment.h"

#include <QSignalSpy>

// The mirror's start values and names, its reset between devices, the set payloads, and how
// DataModel passes handled replies on.
class MirrorTest : public QObject
{
    Q_OBJECT

private slots:
    void startValues()
    {
        const ParameterMirror m;
        QVERIFY(m.isWithinRanges());
        const InputChannel &in = m.inputs[5];
        QCOMPARE(in.preMeter, qint8(-100));
        QCOMPARE(in.postMeter, qint8(-100));
        QCOMPARE(in.gainMin, -56.0f);
        QCOMPARE(in.gainMax, 12.0f);
        QCOMPARE(in.hpf.frequency, 20.0f);
        QCOMPARE(in.lpf.frequency, 20000.0f);
        const float bands[] = {100, 300, 500, 800, 1000, 3000, 5000, 8000};
        for (int b = 0; b < 8; ++b) {
            QCOMPARE(m.outputs[17].peq[size_t(b)].frequency, bands[b]);
            QCOMPARE(m.outputs[17].peq[size_t(b)].enabled, quint8(1));
            QCOMPARE(m.outputs[17].peq[size_t(b)].q, quint8(43));
        }
        QCOMPARE(SetPayload::limiter(0, in.limiter), SetPayload::limiter(0, {0, 0, 2, 10, 151}));
        QCOMPARE(SetPayload::gate(0, in.gate), SetPayload::gate(0, {1, -65, 1, 20}));
        QCOMPARE(SetPayload::agc(0, in.agc), SetPayload::agc(0, {0, -30, -20, 2, 20, 20}));
        QCOMPARE(m.device.rs232Baud, 115200u);
        QCOMPARE(m.device.rs485Baud, 19200u);
        QCOMPARE(m.device.faults, (std::array<quint32, 5> {1, 1, 1, 1, 1}));
        QCOMPARE(m.device.usbDisk, quint8(2));
        QCOMPARE(m.device.danteConnected, quint8(2));
        QCOMPARE(m.device.fanTest, quint8(2));
        QCOMPARE(m.signalGenerator.frequency, 1000.0f);
        QCOMPARE(m.signalGenerator.gain, -30.0f);
        QCOMPARE(m.signalGenerator.mute, quint8(1));
        QCOMPARE(m.autoMixer.meters[31], qint8(-100));
        QCOMPARE(m.presets.current, quint8(255));
        QCOMPARE(m.usb.recordSource, quint8(0xFF));
    }

    void channelNames_data()
    {
        QTest::addColumn<int>("inputMask");
        QTest::addColumn<int>("outputMask");
        QTest::addColumn<QStringList>("inputs"); // indices 11..17
        QTest::addColumn<QStringList>("outputs");
        QTest::newRow("no Dante") << 0 << 0 << QStringList {"IN 12", "IN 13",    "IN 14", "IN 15",
                                                            "IN 16", "USB Play", "IN 18"}
                                  << QStringList {"OUT 12", "OUT 13",  "OUT 14", "OUT 15",
                                                  "OUT 16", "USB Rec", "OUT 18"};
        QTest::newRow("Dante 4x4")
                << 0xF0 << 0xF0
                << QStringList {"IN 12",      "Dante-RX 1", "Dante-RX 2", "Dante-RX 3",
                                "Dante-RX 4", "USB Play",   "IN 18"}
                << QStringList {"OUT 12",     "Dante-TX 1", "Dante-TX 2", "Dante-TX 3",
                                "Dante-TX 4", "USB Rec",    "OUT 18"};
        QTest::newRow("inputs 13 and 16 only, other bits ignored")
                << (0x10 | 0x80 | 0x08 | 0x100) << 0x0F
                << QStringList {"IN 12",      "Dante-RX 1", "IN 14", "IN 15",
                                "Dante-RX 4", "USB Play",   "IN 18"}
                << QStringList {"OUT 12", "OUT 13",  "OUT 14", "OUT 15",
                                "OUT 16", "USB Rec", "OUT 18"};
    }
    void channelNames()
    {
        QFETCH(int, inputMask);
        QFETCH(int, outputMask);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, outputs);
        ParameterMirror m;
        m.setDanteChannelNames(0xFF, 0xFF); // names go back as well as forth
        m.setDanteChannelNames(quint16(inputMask), quint16(outputMask));
        QCOMPARE(m.inputs[0].defaultName, QStringLiteral("IN 1"));
        QCOMPARE(m.outputs[0].defaultName, QStringLiteral("OUT 1"));
        for (int i = 11; i < 18; ++i) {
            QCOMPARE(m.inputs[size_t(i)].defaultName, inputs[i - 11]);
            QCOMPARE(m.outputs[size_t(i)].defaultName, outputs[i - 11]);
        }
    }

    void deviceVersions()
    {
        ParameterMirror m;
        const int expected[][3] = {{16, 16, 0}, {16, 8, 0}, {8, 8, 0}, {12, 12, 1}, {8, 8, 1}};
        for (int v = 0; v < 5; ++v) {
            m.presetDeviceVersion(v);
            QCOMPARE(int(m.device.inputCount), expected[v][0]);
            QCOMPARE(int(m.device.outputCount), expected[v][1]);
            QCOMPARE(int(m.device.danteSupported), expected[v][2]);
        }
    }

    void resetMirror_data()
    {
        QTest::addColumn<int>("bootMode");
        QTest::addColumn<int>("danteUi");
        QTest::addColumn<int>("danteSupported");
        QTest::newRow("normal boot") << 0 << 1 << 0;
        QTest::newRow("Dante chosen by hand") << 1 << 1 << 1;
        QTest::newRow("boot mode without Dante choice") << 2 << 0 << 0;
    }
    void resetMirror()
    {
        QFETCH(int, bootMode);
        QFETCH(int, danteUi);
        QFETCH(int, danteSupported);
        LinkSettings settings;
        settings.bootMode = bootMode;
        settings.danteUi = quint8(danteUi);
        settings.broadcastPort = freeUdpPort();
        FakeClock clock;
        DataModel model(settings, testLinkEnvironment(clock, QStringLiteral(":memory:")));
        QCOMPARE(model.currentModule(), int(StatusPoll::LevelPreMix)); // the first page shown
        ParameterMirror &m = model.mirror();
        applyReply(m, Msg::InputMeters, QByteArray(18, '\x05'));
        applyReply(m, Msg::OutputPreMeters, QByteArray(18, '\x05'));
        applyReply(m, Msg::AutoMixMeters, QByteArray(32, '\x05'));
        applyReply(m, Msg::SysArmVersion, "\x01\x02\x03");
        applyReply(m, Msg::SysSerialNumber, "SN1");
        applyReply(m, Msg::SysFaults, QByteArray::fromHex("0202020202"));
        applyReply(m, Msg::SysDanteState, QByteArray::fromHex("0101"));
        applyReply(m, Msg::SysFanTest, "\x01");
        applyReply(m, Msg::SysTemperature, TestBytes::f32(40.0f));
        applyReply(m, Msg::InputGain, TestBytes::floats(16, {{0, 20.0f}}));
        applyReply(m, Msg::InputLabels, QByteArray(256, 'L'));
        m.device.danteRestart = 1;

        QSignalSpy spy(&model, &DataModel::tcpSyncToUI);
        model.resetMirror();
        QCOMPARE(m.inputs[17].postMeter, qint8(-100));
        QCOMPARE(m.outputs[17].preMeter, qint8(-100));
        QCOMPARE(m.autoMixer.meters[31], qint8(-100));
        QCOMPARE(m.device.armVersion, (DeviceInfo::Version {0, 0, 0}));
        QVERIFY(m.device.serialNumber.isEmpty());
        QCOMPARE(m.device.faults, (std::array<quint32, 5> {1, 1, 1, 1, 1}));
        QCOMPARE(m.device.fanTest, quint8(2));
        QCOMPARE(m.device.danteConnected, quint8(2));
        QCOMPARE(m.device.danteRestart, quint8(0));
        QCOMPARE(m.device.temperature, 0.0f);
        QCOMPARE(int(m.device.danteSupported), danteSupported);
        // Parameters stay until the poll of their page overwrites them.
        QCOMPARE(m.inputs[0].inputGain, 20.0f);
        QCOMPARE(m.inputs[0].label, QStringLiteral("LLLLLLLLLLLLLLLL"));

        QStringList announced;
        for (const QList<QVariant> &a : spy) {
            QCOMPARE(a[3].toInt(), 255);
            QCOMPARE(a[4].toInt(), 255);
            announced << QStringLiteral("%1/%2/%3")
                                 .arg(a[0].toInt())
                                 .arg(a[1].toInt())
                                 .arg(a[2].toInt());
        }
        QCOMPARE(announced.join(' '),
                 QStringLiteral("3/1/1 3/7/7 3/11/8 3/11/1 3/18/5 2/2/2 2/2/3 2/2/34 2/2/19 "
                                "2/2/4 2/2/16 2/2/14 2/2/33 2/2/9 2/2/37 4/1/1 2/2/20"));
    }

    void setPayloads_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("channel byte") << SetPayload::channelByte(3, 1) << QByteArray("0301");
        QTest::newRow("channel float")
                << SetPayload::channelFloat(2, -10.0f) << QByteArray("02000020c1");
        QTest::newRow("HPF") << SetPayload::hlpf(1, {1, 2, 3, 100.0f})
                             << QByteArray("010102030000c842");
        QTest::newRow("PEQ band") << SetPayload::peq(0, 7, {1, 0, 1000.0f, -6.0f, 43})
                                  << QByteArray("0007010000007a440000c0c02b");
        QTest::newRow("limiter") << SetPayload::limiter(16, {1, -10.0f, 4.0f, 10.0f, 151.0f})
                                 << QByteArray("10010000"
                                               "20c100008040000020410000"
                                               "1743");
        QTest::newRow("gate") << SetPayload::gate(4, {1, -65.0f, 1.0f, 20.0f})
                              << QByteArray("04010000"
                                            "82c20000803f0000a041");
        QTest::newRow("AGC") << SetPayload::agc(15, {1, -30.0f, -20.0f, 2.0f, 20.0f, 20.0f})
                             << QByteArray("0f010000f0c1"
                                           "0000a0c1000000400000a0410000a041");
        QTest::newRow("AEC mixed into output 5")
                << SetPayload::matrix(5, {18}, 1) << QByteArray("051201");
        QTest::newRow("matrix gain off for three inputs")
                << SetPayload::matrix(2, QByteArray::fromHex("000102"), quint8(-70))
                << QByteArray("02000102ba");
        QTest::newRow("fader limits truncated")
                << SetPayload::gainRange(1, 11.9f, -55.7f) << QByteArray("010bc9");
        QTest::newRow("label") << SetPayload::indexedText(16, "Lectern")
                               << QByteArray("104c65637465726e");
        ::GpioPort port;
        port.kind = 2;
        port.settings[0] = 4;
        port.settings[63] = 0xAA;
        QTest::newRow("GPIO port") << SetPayload::gpioPort(2, port)
                                   << QByteArray("020204" + QByteArray(124, '0') + "aa");
        QTest::newRow("channel copy")
                << SetPayload::channelCopy(0x1FFFF, 0x8001, false) << QByteArray("ffff0180");
        QTest::newRow("wide channel copy")
                << SetPayload::channelCopy(0x1FFFF, 0x8001, true) << QByteArray("ffff018001000000");
        QTest::newRow("clock") << SetPayload::dateTime(QDateTime({2024, 12, 31}, {23, 59, 58}))
                               << QByteArray("3a3b171f000b7c");
    }
    void setPayloads()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, hex);
        QCOMPARE(payload.toHex(), hex);
    }

    // DataModel announces each change with its channel and index, and sends the follow-up
    // query a new USB count asks for.
    void repliesReachTheViewsAndTheDevice()
    {
        LoopbackDevice device;
        QVERIFY(device.connect());
        DataModel &model = *device.model;
        QSignalSpy spy(&model, &DataModel::tcpSyncToUI);
        device.reply(Msg::InFilterPEQ, catalogueRow(Msg::InFilterPEQ).payload);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0], (QList<QVariant> {3, 4, 3, 3, 7, QVariant()}));
        QCOMPARE(model.input(3).peq[7].frequency, 2500.0f);

        device.drain();
        spy.clear();
        device.reply(Msg::UsbPlayCount, TestBytes::u32(4));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(device.received(12).toHex(),
                 QByteArray("827d0100020502000000"
                            "7d82"));

        // After a login the counts start over: the same count is announced and asks again.
        model.resetLoginCounters();
        QCOMPARE(spy.count(), 4);
        device.reply(Msg::UsbPlayCount, TestBytes::u32(4));
        QCOMPARE(spy.count(), 5);
        QCOMPARE(device.received(12).toHex(),
                 QByteArray("827d0100020502000000"
                            "7d82"));

        // A frame split across reads is handled once it is complete.
        const QByteArray frame = Frame::build(Msg::SysFanTest, Frame::Reply, "\x01");
        model.receiveBytes(frame.constData(), 7);
        QCOMPARE(spy.count(), 5);
        model.receiveBytes(frame.constData() + 7, frame.size() - 7);
        QCOMPARE(spy.count(), 6);
        QCOMPARE(model.deviceInfo().fanTest, quint8(1));
    }
};

QTEST_GUILESS_MAIN(MirrorTest)
#include "MirrorTest.moc"
