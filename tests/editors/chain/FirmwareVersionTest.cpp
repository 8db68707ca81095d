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
        row("1.1.44", "1.1.45", -1);
        row("1.2.0", "1.1.45", 1); // a higher part outweighs every lower one
        row("5.255.255", "6.0.0", -1);
        row("6.0.0", "6.0.0", 0);
        row("6.1.43", "6.1.44", -1);
        row("6.1.45", "6.1.45", 0);
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

    void packsEightBitsPerPart()
    {
        QCOMPARE(FirmwareVersion::pack(QStringLiteral("6.1.45")), std::optional<quint64>(0x06012D));
        QCOMPARE(FirmwareVersion::text({6, 1, 45}), QStringLiteral("6.1.45"));
    }

    void featuresFollowTheDspVersion_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("patch");
        QTest::addColumn<bool>("usb");
        QTest::addColumn<bool>("filterExtras");
        QTest::addColumn<bool>("second");
        QTest::newRow("not yet known") << 0 << 0 << 0 << true << true << false;
        QTest::newRow("before 1.1.44") << 1 << 1 << 43 << false << false << false;
        QTest::newRow("1.1.44") << 1 << 1 << 44 << true << false << false;
        QTest::newRow("1.1.45") << 1 << 1 << 45 << true << true << false;
        QTest::newRow("6.0.0") << 6 << 0 << 0 << false << false << true;
        QTest::newRow("6.1.44") << 6 << 1 << 44 << true << false << true;
        QTest::newRow("6.1.45") << 6 << 1 << 45 << true << true << true;
    }
    void featuresFollowTheDspVersion()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, patch);
        const FirmwareFeatures f =
                FirmwareFeatures::forDspVersion({quint8(major), quint8(minor), quint8(patch)});
        QTEST(f.usbInputMode, "usb");
        QTEST(f.filterExtras, "filterExtras");
        QTEST(f.secondGeneration, "second");
    }

    void convertsDelays()
    {
        QCOMPARE(qRound(DelayUnits::msFromMetres(10.0) * 100), 2941); // 29.41 ms
        QCOMPARE(qRound(DelayUnits::feetFromMs(DelayUnits::msFromMetres(10.0)) * 1000), 32808);
        QVERIFY(qAbs(DelayUnits::msFromFeet(32.808) - DelayUnits::msFromMetres(10.0)) < 1e-9);
        QCOMPARE(DelayUnits::knobFromMs(29.4117), 2941);
        QCOMPARE(DelayUnits::msFromKnob(100000), 1000.0);
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
