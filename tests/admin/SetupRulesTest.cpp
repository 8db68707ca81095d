#include "admin/SetupRules.h"
#include "wire/ByteWriter.h"

#include <QtTest>

using namespace SetupRules;

// The rules of the setup dialogs without widgets that the dialog tests do not reach: the address
// patterns at their edges, the numbers as shown, and Dante blocks that are short or full.
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

    void shownNumbers()
    {
        QCOMPARE(detailedVersionText({3, 1, 4}, 0), QStringLiteral("V3.1.4"));
        QCOMPARE(durationText(0), QStringLiteral("0day 00:00:00"));
        QCOMPARE(durationText(3 * 86400 + 5 * 3600 + 7 * 60 + 9), QStringLiteral("3day 05:07:09"));
        QCOMPARE(productVersionText(0), QString());
        QCOMPARE(productVersionText((4u << 24) | (2u << 16) | 300u), QStringLiteral("4.2.300"));
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
        QCOMPARE(info.latency, 5000u);

        // A name filling its field has no terminator; a new name replaces all of it.
        storeDanteName(block, QByteArray(40, 'n'));
        QCOMPARE(parseDanteInfo(block).deviceName, QByteArray(31, 'n'));
        storeDanteName(block, "Short");
        QCOMPARE(parseDanteInfo(block).deviceName, QByteArray("Short"));
        storeDanteLatency(block, 2000);
        QCOMPARE(parseDanteInfo(block).latency, 2000u);

        // A short block (81 bytes) grows to its full size when the network part is written.
        QByteArray shortBlock = block.left(81);
        storeDanteNetwork(shortBlock, info.network);
        QCOMPARE(shortBlock.size(), 94);
        QVERIFY(parseDanteInfo(shortBlock).network == info.network);

        // Nothing reported yet, and a cut block: fields beyond it read as zero.
        QCOMPARE(parseDanteInfo(QByteArray()).deviceName, QByteArray());
        QCOMPARE(parseDanteInfo(block.left(70)).network.address, (DanteAddress {169, 254, 0, 0}));
    }

    void subscriptions()
    {
        QCOMPARE(subscriptionText(QByteArray(64, '\0')), QString());
        // Full fields without terminators.
        QCOMPARE(subscriptionText(QByteArray(64, 'x')),
                 QString(32, QLatin1Char('x')) + QLatin1Char('@') + QString(32, QLatin1Char('x')));
    }
};

QTEST_GUILESS_MAIN(SetupRulesTest)
#include "SetupRulesTest.moc"
