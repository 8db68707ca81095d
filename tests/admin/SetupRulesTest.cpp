#include "admin/SetupRules.h"
#include "wire/ByteWriter.h"

#include <QtTest>

using namespace SetupRules;

// The rules of the setup dialogs without widgets: addresses and their byte order, text lengths
// in the device's 8-bit encoding, gain limits, and the Dante records.
class SetupRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void addressesAreReadByTheirPattern_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("mask");
        QTest::addColumn<QString>("wire"); // SysNetwork bytes of the address, empty: refused
        const auto row = [](const char *text, bool mask, const char *wire) {
            QTest::addRow("%s%s", text, mask ? " (mask)" : "")
                    << QString::fromLatin1(text) << mask << QString::fromLatin1(wire);
        };
        row("192.168.1.100", false, "6401a8c0");
        row("223.255.255.254", false, "feffffdf");
        row("0.0.0.0", false, "00000000");
        row("224.0.0.1", false, "");
        row("10.0.300.1", false, "");
        row("192.168.1", false, "");
        row("192.168.1.1.5", false, "");
        row(" 192.168.1.1", false, "");
        row("255.255.255.0", true, "00ffffff");
        row("255.255.255.256", true, "");
    }
    void addressesAreReadByTheirPattern()
    {
        QFETCH(QString, text);
        QFETCH(bool, mask);
        QFETCH(QString, wire);
        const std::optional<quint32> value =
                parseAddress(text, mask ? maskPattern() : hostPattern());
        QCOMPARE(value.has_value(), !wire.isEmpty());
        if (!value)
            return;
        QCOMPARE(networkPayload(*value, 0, 0).left(4).toHex(), wire.toLatin1());
        QCOMPARE(addressText(*value), text);
    }

    void networkAndSyncPayloads()
    {
        const quint32 address = *parseAddress(QStringLiteral("192.168.1.100"), hostPattern());
        const quint32 mask = *parseAddress(QStringLiteral("255.255.255.0"), maskPattern());
        const quint32 gateway = *parseAddress(QStringLiteral("192.168.1.1"), hostPattern());
        QCOMPARE(networkPayload(address, mask, gateway).toHex(' '),
                 QByteArray("64 01 a8 c0 00 ff ff ff 01 01 a8 c0"));
        QCOMPARE(syncPayload(2, 0).toHex(' '), QByteArray("02 00 00 00 00"));
        QCOMPARE(syncPayload(2, gateway).toHex(' '), QByteArray("02 01 01 a8 c0"));
    }

    void limitsAreWholeDecibelsTowardZero_data()
    {
        QTest::addColumn<float>("maximum");
        QTest::addColumn<float>("minimum");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("channel 3, full range") << 12.0f << -56.0f << QByteArray("02 0c c8");
        QTest::newRow("fractions") << 5.9f << -10.9f << QByteArray("02 05 f6");
        QTest::newRow("zero") << 0.0f << -0.5f << QByteArray("02 00 00");
    }
    void limitsAreWholeDecibelsTowardZero()
    {
        QFETCH(float, maximum);
        QFETCH(float, minimum);
        QFETCH(QByteArray, bytes);
        QCOMPARE(limitPayload(2, maximum, minimum).toHex(' '), bytes);
    }

    void textsAreMeasuredInDeviceBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("check");
        QTest::addColumn<QByteArray>("bytes");
        const auto ok = int(TextCheck::Accepted);
        QTest::newRow("six ASCII") << QStringLiteral("Studio") << 16 << ok << QByteArray("Studio");
        QTest::newRow("trimmed") << QStringLiteral("  Hall A ") << 16 << ok << QByteArray("Hall A");
        QTest::newRow("sixteen ASCII")
                << QString(16, QLatin1Char('x')) << 16 << ok << QByteArray(16, 'x');
        QTest::newRow("seventeen ASCII")
                << QString(17, QLatin1Char('x')) << 16 << int(TextCheck::TooLong) << QByteArray();
        QTest::newRow("eight double-byte")
                << QStringLiteral("一二三四五六七八") << 16 << ok
                << QByteArray::fromHex("d2bbb6fec8fdcbc4cee5c1f9c6dfb0cb");
        QTest::newRow("nine double-byte (18 bytes)") << QStringLiteral("一二三四五六七八九") << 16
                                                     << int(TextCheck::TooLong) << QByteArray();
        QTest::newRow("blank") << QStringLiteral("   ") << 16 << int(TextCheck::Empty)
                               << QByteArray();
        QTest::newRow("Dante name of 31")
                << QString(31, QLatin1Char('d')) << 31 << ok << QByteArray(31, 'd');
        QTest::newRow("Dante name of 32")
                << QString(32, QLatin1Char('d')) << 31 << int(TextCheck::TooLong) << QByteArray();
    }
    void textsAreMeasuredInDeviceBytes()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(int, check);
        QFETCH(QByteArray, bytes);
        QByteArray encoded;
        QCOMPARE(int(checkText(text, limit, &encoded)), check);
        QCOMPARE(encoded, bytes);
    }

    void shownNumbers()
    {
        QCOMPARE(versionText({3, 1, 4}), QStringLiteral("V3.1.4"));
        QCOMPARE(detailedVersionText({3, 1, 4}, 0), QStringLiteral("V3.1.4"));
        QCOMPARE(detailedVersionText({3, 1, 4}, 0x1a2b), QStringLiteral("V3.1.4-1A2B"));
        QCOMPARE(durationText(0), QStringLiteral("0day 00:00:00"));
        QCOMPARE(durationText(3 * 86400 + 5 * 3600 + 7 * 60 + 9), QStringLiteral("3day 05:07:09"));
        QCOMPARE(productVersionText(0), QString());
        QCOMPARE(productVersionText((4u << 24) | (2u << 16) | 300u), QStringLiteral("4.2.300"));
    }

    void latencies_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.0 msec") << 0 << QByteArray("e8 03 00 00") << QStringLiteral("1.0");
        QTest::newRow("2.0 msec") << 1 << QByteArray("d0 07 00 00") << QStringLiteral("2.0");
        QTest::newRow("5.0 msec") << 2 << QByteArray("88 13 00 00") << QStringLiteral("5.0");
    }
    void latencies()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const quint32 latency = DanteLatencies[size_t(index)];
        QCOMPARE(latencyPayload(latency).toHex(' '), bytes);
        QCOMPARE(latencyIndex(latency), index);
        QCOMPARE(latencyText(latency), text);
        QCOMPARE(latencyIndex(1500), -1);
    }

    void danteNetworkRecord()
    {
        DanteNetwork n;
        n.mode = DanteNetwork::Manual;
        n.address = *parseDanteAddress(QStringLiteral("192.168.1.20"), hostPattern());
        n.netmask = *parseDanteAddress(QStringLiteral("255.255.255.0"), maskPattern());
        n.gateway = *parseDanteAddress(QStringLiteral("192.168.1.1"), hostPattern());
        QCOMPARE(danteNetworkPayload(n).toHex(' '),
                 QByteArray("04 c0 a8 01 14 ff ff ff 00 00 00 00 00 c0 a8 01 01"));
        QCOMPARE(danteAddressText(n.address), QStringLiteral("192.168.1.20"));
        QCOMPARE(danteAddressText(n.dns), QString()); // none

        // Written into a short block (81 bytes), read back whole; the name stays.
        QByteArray block(81, '\0');
        block.replace(0, 5, "Stage");
        storeDanteNetwork(block, n);
        QCOMPARE(block.size(), 94);
        const DanteInfo info = parseDanteInfo(block);
        QCOMPARE(info.deviceName, QByteArray("Stage"));
        QVERIFY(info.network == n);
    }

    void danteInfoBlock()
    {
        ByteWriter out(94);
        out.fixedText("VX-77010", 32).fixedText("DNA-4x4", 32).u32((4u << 24) | (2u << 16) | 3u);
        out.bytes(QByteArray::fromHex("a9fe0102")).u32(1000).u32(5000).u8(0).u8(2);
        QByteArray block = out;
        block.append(QByteArray(12, '\0'));
        DanteInfo info = parseDanteInfo(block);
        QCOMPARE(info.deviceName, QByteArray("VX-77010"));
        QCOMPARE(info.modelName, QByteArray("DNA-4x4"));
        QCOMPARE(productVersionText(info.productVersion), QStringLiteral("4.2.3"));
        QCOMPARE(danteAddressText(info.network.address), QStringLiteral("169.254.1.2"));
        QCOMPARE(info.linkSpeed, 1000u);
        QCOMPARE(info.latency, 5000u);
        QCOMPARE(info.network.mode, DanteNetwork::Automatic);

        // A name filling its field has no terminator; a new name replaces all of it.
        storeDanteName(block, QByteArray(40, 'n'));
        QCOMPARE(parseDanteInfo(block).deviceName, QByteArray(31, 'n'));
        storeDanteName(block, "Short");
        QCOMPARE(parseDanteInfo(block).deviceName, QByteArray("Short"));
        storeDanteLatency(block, 2000);
        QCOMPARE(parseDanteInfo(block).latency, 2000u);

        // Nothing reported yet, and a cut block: fields beyond it read as zero.
        QCOMPARE(parseDanteInfo(QByteArray()).deviceName, QByteArray());
        QCOMPARE(parseDanteInfo(block.left(70)).network.address, (DanteAddress {169, 254, 0, 0}));
    }

    void subscriptions()
    {
        QByteArray block(64, '\0');
        QCOMPARE(subscriptionText(block), QString());
        block.replace(0, 8, "StageBox");
        block.replace(32, 6, "Mic-01");
        QCOMPARE(subscriptionText(block), QStringLiteral("Mic-01@StageBox"));
        // Full fields without terminators.
        QCOMPARE(subscriptionText(QByteArray(64, 'x')),
                 QString(32, QLatin1Char('x')) + QLatin1Char('@') + QString(32, QLatin1Char('x')));
    }
};

QTEST_GUILESS_MAIN(SetupRulesTest)
#include "SetupRulesTest.moc"
