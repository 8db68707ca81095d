#include "widgets/Meter.h"
#include "widgets/MeterState.h"

#include <QtTest>

namespace {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QColor colourAt(Meter &meter, int x, int y)
{
    return QColor(meter.grab().toImage().pixel(x, y));
}

} // namespace

class MeterTest : public QObject
{
    Q_OBJECT

private slots:
    void clampsTheLevelToTheRange()
    {
        Meter meter;
        QCOMPARE(meter.level(), -40);
        meter.setLevel(100);
        QCOMPARE(meter.level(), 24);
        meter.setLevel(-100);
        QCOMPARE(meter.level(), -40);
        meter.setLevel(10);
        meter.setRange(-20, 0);
        QCOMPARE(meter.level(), 0);
    }

    void repaintsOnlyWhenTheShownLevelChanges()
    {
        Meter meter;
        meter.resize(12, 120);
        meter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&meter));
        PaintCounter counter;
        meter.installEventFilter(&counter);

        meter.setLevel(-10);
        QTRY_COMPARE(counter.paints, 1);
        meter.setLevel(-10);
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 1);
        meter.setLevel(200);
        QTRY_COMPARE(counter.paints, 2);
        meter.setLevel(300); // still shown at the top
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 2);
    }

    void fractionsStayInsideTheMeter()
    {
        const struct
        {
            int minimum, maximum, level;
            double fraction, zero;
        } cases[] = {{-40, 24, -40, 0.0, 0.375}, {-40, 24, 0, 0.625, 0.375},
                     {-40, 24, 24, 1.0, 0.375},  {-60, -10, -35, 0.5, 0.0}, // all below 0 dB
                     {10, 30, 20, 0.5, 1.0}, // all above 0 dB
                     {5, 5, 5, 0.0, 0.0}}; // an empty range
        for (const auto &c : cases) {
            MeterState state;
            state.setRange(c.minimum, c.maximum);
            state.setLevel(c.level);
            QCOMPARE(state.fraction(), c.fraction);
            QCOMPARE(state.zeroFromTop(), c.zero);

            Meter meter; // paints without a warning or a division by zero
            meter.setRange(c.minimum, c.maximum);
            meter.setLevel(c.level);
            meter.resize(12, 100);
            QVERIFY(!meter.grab().isNull());
        }
    }

    void litPartRisesFromTheBottomReductionFromTheTop()
    {
        ControlPalette::setDark(true);
        Meter meter;
        meter.resize(12, 100);
        const QColor background = ControlPalette::dark().meterBackground;
        QCOMPARE(colourAt(meter, 6, 50), background); // at the floor nothing is lit
        QCOMPARE(colourAt(meter, 0, 50), ControlPalette::dark().meterFrame);

        meter.setLevel(24);
        const QColor top = colourAt(meter, 6, 3);
        QVERIFY(top.red() > 200 && top.green() < 100); // red at the loud end
        const QColor bottom = colourAt(meter, 6, 96);
        QVERIFY(bottom.green() > 200 && bottom.red() < 50);

        meter.setLevel(-8); // half way: the upper half unlit
        QCOMPARE(colourAt(meter, 6, 40), background);
        QVERIFY(colourAt(meter, 6, 60) != background);

        meter.setEnabled(false); // a disabled meter draws nothing of its own
        QVERIFY(colourAt(meter, 0, 50) != ControlPalette::dark().meterFrame);
        QCOMPARE(colourAt(meter, 6, 60), colourAt(meter, 6, 40));

        meter.setEnabled(true);
        meter.setRange(0, 20);
        meter.setReductionMode(true);
        meter.setLevel(10);
        QVERIFY(colourAt(meter, 6, 20) != background);
        QCOMPARE(colourAt(meter, 6, 80), background);
        ControlPalette::setDark(false);
    }
};

QTEST_MAIN(MeterTest)
#include "MeterTest.moc"
