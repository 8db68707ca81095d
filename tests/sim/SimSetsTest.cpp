#include "SimClient.h"

using namespace sim;

// Sets change what later replies say, related values follow, and nothing but the login changes
// anything before a login.
class SimSetsTest : public SimTestCase
{
    Q_OBJECT

    qint8 meter(MessageId id, int channel)
    {
        const QByteArray levels = m_client->ask(id);
        return levels.size() > channel ? qint8(levels[channel]) : qint8(127);
    }

private slots:
    void cleanup() { stop(); }

    void setsChangeLaterReplies_data()
    {
        QTest::addColumn<MessageId>("setId");
        QTest::addColumn<QByteArray>("setPayload");
        QTest::addColumn<MessageId>("queryId");
        QTest::addColumn<QByteArray>("selector");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, MessageId setId, const QByteArray &set,
                            MessageId queryId, const QByteArray &selector, int offset,
                            const QByteArray &expected) {
            QTest::newRow(name) << setId << set << queryId << selector << offset << expected;
        };
        const MessageId none {};
        row("input mute", {3, 1, 2}, hex("0501"), none, {}, 5, hex("01"));
        row("switch byte stored as 1", {3, 1, 5}, hex("0af0"), none, {}, 10, hex("01"));
        row("input gain clamped", {3, 1, 8}, hex("03") + f32(60), none, {}, 12, f32(50));
        row("pre-mix gain floor", {3, 7, 2}, hex("02") + f32(-100), none, {}, 8, f32(-56));
        row("pre-mix gain of USB input", {3, 7, 2}, hex("11") + f32(-6), none, {}, 68, f32(-6));
        row("gain step", {3, 7, 5}, hex("01") + f32(-4.5f), {3, 7, 2}, {}, 4, f32(-4.5f));
        row("volume limits", {3, 7, 6}, hex("040af6"), none, {}, 32, f32(10) + f32(-10));
        row("output limits", {3, 11, 7}, hex("00f4c8"), none, {}, 0, f32(-12) + f32(-56));
        row("USB mode on input 2", {3, 1, 4}, hex("0102"), none, {}, 1, hex("02"));
        row("USB mode refused on input 6", {3, 1, 4}, hex("0502"), none, {}, 5, hex("00"));
        row("group above 8 refused", {3, 7, 4}, hex("0309"), none, {}, 3, hex("00"));
        row("eq band", {3, 4, 3}, hex("0203 0102") + f32(1250) + f32(-3.5f) + hex("50"), none,
            hex("0203"), 0, hex("0203 0102") + f32(1250) + f32(-3.5f) + hex("40"));
        row("gate", {3, 2, 2}, hex("0500") + f32(-40) + f32(5) + f32(100), none, hex("05"), 0,
            hex("0500") + f32(-40) + f32(5) + f32(100));
        row("output limiter", {3, 13, 1}, hex("0101") + f32(-6) + f32(4) + f32(2) + f32(500), none,
            hex("01"), 1, hex("01") + f32(-6) + f32(4) + f32(2) + f32(500));
        row("matrix routes", {3, 8, 1}, hex("07 00 03 10 12 01"), none, hex("07"), 0,
            hex("07 01000001 000000000000000000000000 01 00 0100"));
        row("matrix gain off", {3, 8, 2}, hex("02 04 b0"), none, hex("02"), 5, hex("ba"));
        row("record sources, one channel", {3, 8, 17}, hex("01 05 01"), none, hex("01"), 6,
            hex("01"));
        row("generator frequency", {3, 9, 2}, f32(440), none, {}, 0, f32(440));
        row("generator output", {3, 9, 1}, hex("0301"), none, {}, 3, hex("01"));
        row("input label", {2, 3, 1}, hex("02") + QByteArray("Lectern"), none, {}, 32,
            QByteArray("Lectern").leftJustified(16, '\0'));
        row("short label", {2, 3, 3}, hex("00") + QByteArray("Pult"), none, {}, 0,
            QByteArray("Pult").leftJustified(10, '\0'));
        row("location", {2, 2, 10}, QByteArray("Hall B"), none, {}, 0, QByteArray("Hall B"));
        row("location too long refused", {2, 2, 10}, QByteArray(17, 'x'), none, {}, 0,
            QByteArray("Rack 1"));
        row("network", {2, 2, 13}, hex("0a01a8c0 00ffffff 0101a8c0"), none, {}, 0,
            hex("0a01a8c0 00ffffff 0101a8c0"));
        row("rs232 baud", {2, 2, 17}, hex("80250000"), none, {}, 0, hex("80250000"));
        row("odd baud refused", {2, 2, 17}, hex("e8030000"), none, {}, 0, hex("00c20100"));
        row("usb auto play", {2, 2, 40}, hex("03"), none, {}, 0, hex("03"));
        row("data sync", {2, 16, 1}, hex("02 0501a8c0"), none, {}, 0, hex("02 0501a8c0"));
        row("gpio port", {2, 6, 1}, hex("0202 04") + QByteArray(63, '\x5a'), none, hex("02"), 0,
            hex("0202 04") + QByteArray(63, '\x5a'));
        row("gpio mute of channel 33 refused", {2, 6, 1}, hex("0301 21") + QByteArray(63, 0), none,
            hex("03"), 0, hex("0300 00") + QByteArray(63, 0));
        row("clock", {2, 2, 12}, hex("1e0d0a0f0005 7c"), none, {}, 0, hex("1e0d0a0f0005 7c"));
        row("play a file", {2, 5, 4}, hex("03") + QByteArray("Announcement.aac"), {2, 5, 3}, {}, 0,
            hex("00 01 0000 0c00"));
        row("record source button", {3, 11, 9}, hex("04"), none, {}, 0, hex("04"));
        row("auto mixer group", {3, 18, 2}, hex("0602"), none, {}, 6, hex("02"));
        row("dante latency", {4, 1, 18}, hex("88130000"), {4, 1, 1}, {}, 76, hex("88130000"));
        row("dante network", {4, 1, 19}, hex("04 c0a80114 ffffff00 08080808 c0a80101"), {4, 1, 1},
            {}, 68, hex("c0a80114"));
    }
    void setsChangeLaterReplies()
    {
        QFETCH(MessageId, setId);
        QFETCH(QByteArray, setPayload);
        QFETCH(MessageId, queryId);
        QFETCH(QByteArray, selector);
        QFETCH(int, offset);
        QFETCH(QByteArray, expected);
        QVERIFY(open(testOptions(QStringLiteral("12x12+Dante4x4"))));
        if (queryId == MessageId {})
            queryId = setId;
        const QList<SimClient::Reply> echo = m_client->set(setId, setPayload);
        QVERIFY(echo.size() <= 1);
        const QByteArray reply = m_client->ask(queryId, selector);
        QCOMPARE(reply.mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
        if (!echo.isEmpty())
            QCOMPARE(echo[0].payload.toHex(' '), reply.toHex(' '));
    }

    void filterCopyAndReset()
    {
        QVERIFY(open(testOptions()));
        const QByteArray highPass = hex("01 02 03") + f32(250);
        m_client->set({3, 4, 1}, hex("00") + highPass);
        m_client->set({3, 4, 4}, hex("00 0600 0100")); // inputs 2 and 3, output 1
        QCOMPARE(m_client->ask({3, 4, 1}, hex("02")), hex("02") + highPass);
        QCOMPARE(m_client->ask({3, 12, 1}, hex("00")), hex("00") + highPass);
        QCOMPARE(m_client->ask({3, 4, 1}, hex("03")), hex("03 000000") + f32(20));
        m_client->set({3, 4, 5}, hex("02"));
        QCOMPARE(m_client->ask({3, 4, 1}, hex("02")), hex("02 000000") + f32(20));
    }

    void preMixMuteAndGainMoveThePostFaderMeter()
    {
        QVERIFY(open(testOptions()));
        SimStore &store = m_device->store();
        store.audio.inputs[3].mode = 1; // a line source: no pauses
        store.audio.inputs[3].gate.enabled = 0;
        const qint8 pre = meter({3, 7, 7}, 3);
        QVERIFY(pre > -60 && pre < 0);
        QCOMPARE(meter({3, 1, 1}, 3), pre);
        m_client->set({3, 7, 2}, hex("03") + f32(-10));
        QCOMPARE(meter({3, 1, 1}, 3), qint8(pre - 10));
        m_client->set({3, 7, 1}, hex("0301"));
        QCOMPARE(meter({3, 1, 1}, 3), qint8(-100));
        QCOMPARE(meter({3, 7, 7}, 3), pre);
        m_client->set({3, 1, 2}, hex("0301"));
        QCOMPARE(meter({3, 7, 7}, 3), qint8(-100));
    }

    void generatorAndMatrixFeedTheOutputs()
    {
        QVERIFY(open(testOptions()));
        QCOMPARE(meter({3, 11, 8}, 4), qint8(-100));
        m_client->set({3, 9, 4}, f32(-20));
        m_client->set({3, 9, 1}, hex("0401"));
        m_client->set({3, 9, 5}, hex("00"));
        const qint8 generated = meter({3, 11, 8}, 4);
        QVERIFY(qAbs(generated + 20) <= 1);
        m_client->set({3, 11, 3}, hex("04") + f32(-6));
        QCOMPARE(meter({3, 11, 1}, 4), qint8(generated - 6));
        m_client->set({2, 2, 16}, hex("01")); // system mute
        QCOMPARE(meter({3, 11, 1}, 4), qint8(-100));
        QCOMPARE(meter({3, 11, 8}, 4), generated);
    }

    void metersMoveAndStayInRange()
    {
        QVERIFY(open(testOptions(QStringLiteral("8x8"))));
        QSet<QByteArray> seen;
        for (int step = 0; step < 20; ++step) {
            const QByteArray levels = m_client->ask({3, 7, 7});
            for (int ch = 0; ch < levels.size(); ++ch)
                QVERIFY(qint8(levels[ch]) >= -100 && qint8(levels[ch]) <= 20);
            QCOMPARE(qint8(levels[8]), qint8(-100)); // input 9 is not built in
            QCOMPARE(qint8(levels[16]), qint8(-100)); // USB player stopped
            seen.insert(levels);
            m_clock.advance(700);
        }
        QVERIFY(seen.size() > 10);
    }

    void setsWaitForTheLogin()
    {
        QVERIFY(open(testOptions()));
        SimClient other;
        QVERIFY(other.open(m_device->controlPort()));
        const QList<SimClient::Reply> refused = other.set({3, 1, 2}, hex("0001"));
        QCOMPARE(refused.size(), 1);
        QVERIFY(refused[0].id == MessageId({2, 1, 1}));
        QCOMPARE(refused[0].payload, hex("00"));
        QCOMPARE(other.ask({3, 1, 2}).left(1), hex("00"));
        // Queries are answered at once, and the other session's login is its own.
        QCOMPARE(m_client->set({3, 1, 2}, hex("0001")).size(), 1);
        QCOMPARE(other.ask({3, 1, 2}).left(1), hex("01"));
    }

    void runTimeCountsAndUsbPlays()
    {
        QVERIFY(open(testOptions()));
        QCOMPARE(m_client->ask({2, 2, 6}), hex("00000000"));
        m_client->set({2, 5, 4}, hex("00")); // play
        m_clock.advance(3000);
        m_device->housekeeping();
        QCOMPARE(m_client->ask({2, 2, 6}), hex("03000000"));
        QCOMPARE(m_client->ask({2, 5, 3}), hex("00 01 0300 d600"));
        QCOMPARE(QString::fromUtf8(m_client->ask({2, 5, 5})), QStringLiteral("Opening Theme.mp3"));
        QVERIFY(meter({3, 7, 7}, 16) > -100);
        m_client->set({2, 5, 19}, hex("01"));
        m_clock.advance(2000);
        m_device->housekeeping();
        m_client->set({2, 5, 19}, hex("00"));
        QCOMPARE(m_client->ask({2, 5, 16}), hex("03000000"));
        const QList<SimClient::Reply> records = m_client->query({2, 5, 17});
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[2].payload, hex("02000000 02000000") + QByteArray("REC0003.wav"));
    }

    void factoryResetRestoresTheStartValues()
    {
        QVERIFY(open(testOptions()));
        m_client->set({3, 7, 2}, hex("00") + f32(5));
        m_client->set({2, 3, 2}, hex("00") + QByteArray("Main L"));
        m_client->set({2, 2, 21}, {});
        QCOMPARE(m_client->ask({3, 7, 2}).left(4), f32(0));
        QCOMPARE(m_client->ask({2, 3, 2}).left(16), QByteArray(16, '\0'));
    }
};

QTEST_MAIN(SimSetsTest)
#include "SimSetsTest.moc"
