#include "editors/chain/FirmwareVersion.h"
#include "editors/chain/DelayUnits.h"

#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

// The firmware version rule (letters, parentheses and spaces dropped, eight bits per part,
// only versions of equal length compared) and the delay unit conversions.
class FirmwareVersionTest : public QObject
{
    Q_OBJECT

private slots:
    void comparesWithThresholds_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<std::optional<int>>("order");
        const auto row = [](const char *version, const char *threshold, std::optional<int> o) {
            QTest::addRow("%s vs %s", version, threshold)
                    << QString(version) << QString(threshold) << o;
        };
        const std::optional<int> none;
        row("1.1.43", "1.1.44", -1);
        row("1.1.44", "1.1.44", 0);
        row("1.1.45", "1.1.44", 1);
        row("1.2.0", "1.1.45", 1); // a higher part outweighs every lower one
        row("5.255.255", "6.0.0", -1);
        row("6.2.1", "6.1.45", 1);
        row("V1.1.44", "1.1.44", 0); // letters go
        row("1.1.44b", "1.1.45", -1);
        row("(6.1.45)", "6.1.45", 0); // parentheses and spaces go
        row("6 . 1 . 46 (release)", "6.1.45", 1);
        row("1.1", "1.1.44", none); // different part counts
        row("1.1.44.0", "1.1.44", none);
        row("1.1.256", "1.1.44", none); // a part beyond eight bits
        row("1..44", "1.1.44", none);
        row("", "6.0.0", none);
        row("1.2", "1.10", -1); // parts compare as numbers
    }
    void comparesWithThresholds()
    {
        QFETCH(QString, version);
        QFETCH(QString, threshold);
        QFETCH(std::optional<int>, order);
        QCOMPARE(FirmwareVersion::compare(version, threshold), order);
        QCOMPARE(FirmwareVersion::atLeast(version, threshold), order.value_or(-1) >= 0);
    }

    void featuresFollowTheDspVersion()
    {
        const struct
        {
            std::array<quint8, 3> version;
            bool usb, filterExtras, second;
        } cases[] = {{{0, 0, 0}, true, true, false}, // not yet known
                     {{1, 1, 43}, false, false, false}, {{1, 1, 44}, true, false, false},
                     {{1, 1, 45}, true, true, false},   {{2, 0, 7}, true, true, false},
                     {{6, 0, 0}, false, false, true},   {{6, 1, 44}, true, false, true},
                     {{6, 1, 45}, true, true, true},    {{7, 0, 0}, true, true, true}};
        for (const auto &c : cases) {
            const FirmwareFeatures f = FirmwareFeatures::forDspVersion(c.version);
            const QByteArray text = FirmwareVersion::text(c.version).toLatin1();
            const char *version = text.constData();
            QVERIFY2(f.usbInputMode == c.usb, version);
            QVERIFY2(f.filterExtras == c.filterExtras, version);
            QVERIFY2(f.secondGeneration == c.second, version);
        }
    }

    // The conversions as the delay page shows them are ChainRequestsTest's; here the limits.
    void delaysStayInsideTheirLimits()
    {
        QCOMPARE(DelayUnits::msFromKnob(100000), 1000.0);
        QVERIFY(qAbs(DelayUnits::msFromFeet(32.808) - DelayUnits::msFromMetres(10.0)) < 1e-9);
        QCOMPARE(DelayUnits::metresFromMs(DelayUnits::inputs().maximumMs),
                 DelayUnits::inputs().maximumMetres);
        QCOMPARE(qRound(DelayUnits::feetFromMs(DelayUnits::outputs().maximumMs) * 1000),
                 qRound(DelayUnits::outputs().maximumFeet * 1000));
        QCOMPARE(DelayUnits::inputs().clampMs(1200.0), 1000.0);
        QCOMPARE(DelayUnits::outputs().clampMs(-3.0), 0.0);
        QCOMPARE(DelayUnits::outputs().clampMs(qQNaN()), 0.0);
    }
};

QTEST_APPLESS_MAIN(FirmwareVersionTest)
#include "FirmwareVersionTest.moc"
