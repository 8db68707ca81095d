#include "widgets/Knob.h"
#include "widgets/KnobInputHandler.h"
#include "widgets/KnobState.h"

#include "widgets/PointerEvents.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QList<int> values(const QSignalSpy &spy)
{
    QList<int> out;
    for (const QList<QVariant> &args : spy)
        out.append(args.at(0).toInt());
    return out;
}

} // namespace

class KnobTest : public QObject
{
    Q_OBJECT

private slots:
    void mapsPositionToAngle()
    {
        const struct
        {
            int value, minimum, maximum;
            double angle;
        } cases[] = {{0, 0, 100, -120.0},
                     {50, 0, 100, 0.0},
                     {100, 0, 100, 120.0},
                     {-30, -40, 20, -80.0},
                     {7, 7, 7, -120.0}}; // an empty range
        for (const auto &c : cases) {
            const double position = KnobState::positionOf(c.value, c.minimum, c.maximum);
            QCOMPARE(KnobState::angleForPosition(position), c.angle);
            QCOMPARE(KnobState::positionForAngle(c.angle), position);
        }
    }

    void slowDragsAccumulateUntilTheValueMoves()
    {
        Knob knob;
        knob.setRange(0, 100);
        knob.setSensitivity(0.002, 0.002); // 0.2 of a unit per pixel
        QSignalSpy changed(&knob, &Knob::valueChanged);
        QSignalSpy pressed(&knob, &Knob::mousePressed);
        QSignalSpy released(&knob, &Knob::mouseReleased);

        knob.setValue(10);
        PointerEvents::press(&knob, {20, 20});
        QVERIFY(knob.isPressed());
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).toInt(), 10);

        PointerEvents::move(&knob, {21, 20}); // 0.2
        PointerEvents::move(&knob, {22, 20}); // 0.4
        QCOMPARE(changed.count(), 0);
        PointerEvents::move(&knob, {23, 20}); // 0.6 rounds to 1
        QCOMPARE(values(changed), QList<int>({11}));
        PointerEvents::move(&knob, {24, 20}); // counted again from x 23
        QCOMPARE(changed.count(), 1);

        PointerEvents::move(&knob, {24, 10}); // up raises: 10 px x 0.2 = 2
        QCOMPARE(values(changed), QList<int>({11, 13}));
        PointerEvents::move(&knob, {24, 40}); // down lowers: 30 px = 6
        QCOMPARE(knob.value(), 7);

        PointerEvents::release(&knob, {24, 40});
        QVERIFY(!knob.isPressed());
        QCOMPARE(released.count(), 1);
        PointerEvents::move(&knob, {90, 40});
        QCOMPARE(knob.value(), 7);

        // Drags stop at the limits (default 0.5 a pixel) and come back from there.
        knob.setSensitivity(0.005, 0.005);
        knob.setValue(98);
        PointerEvents::press(&knob, {20, 20});
        PointerEvents::move(&knob, {60, 20});
        QCOMPARE(knob.value(), 100);
        PointerEvents::move(&knob, {0, 20});
        QCOMPARE(knob.value(), 70);
        PointerEvents::release(&knob, {0, 20});
    }

    void accelerationGrowsWithTheDistanceFromThePress()
    {
        KnobState state;
        KnobInputHandler input(state);
        input.setAcceleration(true, 0.001);
        input.setSensitivity(0.5, 0.5); // ignored while accelerating
        input.press({0, 0});
        QCOMPARE(input.horizontalSensitivity(), 0.001);

        QVERIFY(input.move({100, 0})); // 100 px x 0.001 x 100 = 10
        QCOMPARE(state.value(), 10);
        input.tick(); // 100 px from the press: 0.1 per pixel
        QCOMPARE(input.horizontalSensitivity(), 0.1);
        QCOMPARE(input.verticalSensitivity(), 0.001); // no vertical travel: unchanged
        QVERIFY(input.move({101, 0}));
        QCOMPARE(state.value(), 20);
        input.release();
        QVERIFY(!input.move({200, 0}));

        input.setAcceleration(false, 0.001); // plain dragging as before
        QCOMPARE(input.horizontalSensitivity(), KnobInputHandler::DefaultSensitivity);
    }

    void wheelAndArrowKeysStepTheValue()
    {
        Knob knob;
        knob.setRange(0, 100);
        knob.setStep(5);
        knob.setValue(50);
        QSignalSpy changed(&knob, &Knob::valueChanged);

        PointerEvents::wheel(&knob, 120);
        PointerEvents::wheel(&knob, -240);
        QCOMPARE(values(changed), QList<int>({55, 45}));

        // Arrow keys are taken before anyone else; other keys are not.
        changed.clear();
        QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QVERIFY(QApplication::sendEvent(&knob, &up));
        QTest::keyClick(&knob, Qt::Key_A);
        QTest::keyClick(&knob, Qt::Key_Right);
        QTest::keyClick(&knob, Qt::Key_Down);
        QTest::keyClick(&knob, Qt::Key_Left);
        QTest::keyClick(&knob, Qt::Key_Left);
        QCOMPARE(values(changed), QList<int>({50, 55, 50, 45, 40}));

        knob.setValue(100);
        PointerEvents::wheel(&knob, 120);
        QCOMPARE(knob.value(), 100);
        QTest::keyClick(&knob, Qt::Key_Up);
        QCOMPARE(knob.value(), 100);
    }

    // Smooth wheels and touchpads report parts of a notch: they add up, one step per 120.
    void wheelTurnsAddUpToNotches_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<QList<int>>("reported");
        QTest::newRow("classic notches") << QList<int> {120, 120, -120} << QList<int> {55, 60, 55};
        QTest::newRow("thirds of a notch")
                << QList<int> {40, 40, 40, 40, 40, 40, 40} << QList<int> {55, 60};
        QTest::newRow("touchpad eighths")
                << QList<int> {15, 15, 15, 15, 15, 15, 15, 15} << QList<int> {55};
        QTest::newRow("less than a notch") << QList<int> {60, 59} << QList<int> {};
        QTest::newRow("a fast spin") << QList<int> {360, 130, 110} << QList<int> {65, 70, 75};
        // Turning back drops what was left over from the other direction.
        QTest::newRow("turning back") << QList<int> {100, -100, -20} << QList<int> {45};
        QTest::newRow("at the limit") << QList<int> {1200, 120} << QList<int> {100, 100};
    }
    void wheelTurnsAddUpToNotches()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(QList<int>, reported);
        Knob knob;
        knob.setRange(0, 100);
        knob.setStep(5);
        knob.setValue(50);
        QSignalSpy changed(&knob, &Knob::valueChanged);
        for (int delta : deltas)
            PointerEvents::wheel(&knob, delta);
        QCOMPARE(values(changed), reported);
        QCOMPARE(knob.value(), reported.isEmpty() ? 50 : reported.last());
    }

    void programmaticChangesClampAndStaySilent()
    {
        Knob knob;
        QSignalSpy changed(&knob, &Knob::valueChanged);
        knob.setRange(0, 100);
        knob.setValue(150);
        QCOMPARE(knob.value(), 100);
        knob.setRange(0, 50);
        QCOMPARE(knob.value(), 50);
        knob.setRange(60, 80);
        QCOMPARE(knob.value(), 60);
        knob.setValue(-5);
        QCOMPARE(knob.value(), 60);
        QCOMPARE(changed.count(), 0);
    }

    void emptyRangeHoldsItsOneValue()
    {
        Knob knob;
        knob.setRange(5, 5);
        QCOMPARE(knob.value(), 5);
        PointerEvents::press(&knob, {20, 20});
        PointerEvents::move(&knob, {80, -40});
        PointerEvents::release(&knob, {80, -40});
        PointerEvents::wheel(&knob, 120);
        QCOMPARE(knob.value(), 5);
        QVERIFY(!knob.grab().isNull());

        knob.setRange(9, 3); // a maximum below the minimum: empty at the minimum
        QCOMPARE(knob.minimum(), 9);
        QCOMPARE(knob.maximum(), 9);
        QCOMPARE(knob.value(), 9);
    }

    void indicatorTurnsWithTheValue()
    {
        Knob knob;
        knob.setSizeCode(Knob::Large);
        knob.setSizeCode(4); // no such size: kept
        QCOMPARE(knob.size(), QSize(104, 104));
        knob.setRange(0, 100);
        const QImage atMinimum = knob.grab().toImage();
        knob.setValue(100);
        const QImage atMaximum = knob.grab().toImage();
        // The artwork is there: the centre of the cap is drawn, and the picture moved.
        QVERIFY(qAlpha(atMinimum.pixel(52, 52)) > 0);
        QVERIFY(atMinimum != atMaximum);

        knob.setHighlighted(true);
        const QImage highlighted = knob.grab().toImage();
        QCOMPARE(QColor(highlighted.pixel(1, 52)), ControlPalette::current().highlightFrame);
    }
};

QTEST_MAIN(KnobTest)
#include "KnobTest.moc"
