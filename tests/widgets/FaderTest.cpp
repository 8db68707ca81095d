#include "widgets/Fader.h"
#include "widgets/FaderScale.h"
#include "widgets/FaderState.h"

#include "widgets/PointerEvents.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {

// Height 240: travel 198, 0 dB at 66 from the top.
constexpr int kHeight = 240;

QList<float> values(const QSignalSpy &spy)
{
    QList<float> out;
    for (const QList<QVariant> &args : spy)
        out.append(args.at(0).toFloat());
    return out;
}

// A fader of the default range -56..12 dB, paging by 6 dB where clicks page.
void makeFader(Fader &fader)
{
    fader.resize(56, kHeight);
    fader.setSteps(1, 6);
}

} // namespace

class FaderTest : public QObject
{
    Q_OBJECT

private slots:
    void mapsValuesToHandlePositionsAndBack()
    {
        const struct
        {
            int minimum, maximum, value;
            double top;
        } cases[] = {{-56, 12, 12, 0.0}, // the maximum at the top
                     {-56, 12, 6, 33.0}, // +6 halfway to 0 dB
                     {-56, 12, 0, 66.0}, // 0 dB a third down
                     {-56, 12, -28, 132.0},
                     {-56, 12, -56, 198.0},
                     {-560, 120, -31, 66.0 + 31.0 / 560 * 132}, // tenths: -3.1 dB
                     {0, 0, 0, 66.0}, // an empty range
                     {-40, 0, 0, 66.0}};
        for (const auto &c : cases) {
            const FaderScale scale(kHeight, c.minimum, c.maximum);
            QCOMPARE(scale.travel(), 198.0);
            QCOMPARE(scale.zeroY(), 66.0);
            QCOMPARE(scale.handleTop(c.value), c.top);
        }

        // Every value comes back from the pointer at its handle's centre.
        for (const QPoint range : {QPoint(-56, 12), QPoint(-560, 120), QPoint(-80, 20)}) {
            for (int height : {120, 240, 317}) {
                const FaderScale scale(height, range.x(), range.y());
                for (int value = range.x(); value <= range.y(); ++value) {
                    const int back = scale.valueAt(scale.handleTop(value) + FaderScale::HalfHandle);
                    if (back != value)
                        QFAIL(qPrintable(QString("height %1: %2 came back as %3")
                                                 .arg(height)
                                                 .arg(value)
                                                 .arg(back)));
                }
                QCOMPARE(scale.valueAt(-500), range.y());
                QCOMPARE(scale.valueAt(5000), range.x());
            }
        }
    }

    void tinyOrEmptyFadersNeverDivideByZero()
    {
        for (int height : {0, 20, 42, 43}) {
            const FaderScale scale(height, -56, 12);
            for (double y : {-10.0, 0.0, 21.5, 30.0, 100.0}) {
                const int value = scale.valueAt(y);
                QVERIFY(value >= -56 && value <= 12);
            }
            QVERIFY(std::isfinite(scale.handleTop(-20)));
        }
        Fader fader;
        fader.setRange(0, 0);
        makeFader(fader);
        fader.setValue(3);
        QCOMPARE(fader.value(), 0.0f);
        QVERIFY(std::isfinite(fader.handleRect().top()));
        PointerEvents::press(&fader, fader.handleRect().center());
        PointerEvents::move(&fader, {20, 200});
        PointerEvents::release(&fader, {20, 200});
        QCOMPARE(fader.value(), 0.0f);
        QVERIFY(!fader.grab().isNull());
    }

    void printsTheScale()
    {
        const FaderScale scale(kHeight, -56, 12);
        const QVector<FaderScale::Tick> ticks = scale.ticks(-56, 12);
        QList<int> labels;
        for (const FaderScale::Tick &tick : ticks) {
            if (tick.labelled)
                labels.append(tick.db);
        }
        QCOMPARE(labels, QList<int>({12, 6, 0, -16, -32, -48, -56}));
        QCOMPARE(ticks.size(), 12);
        QCOMPARE(ticks.at(0).y, 21.5);
        QCOMPARE(ticks.at(4).y, 21.5 + 66);
        QCOMPARE(ticks.last().y, kHeight + 1.0 - 21);
    }

    void decimalsScaleTheStoredValue()
    {
        Fader fader;
        fader.setDecimals(1);
        QCOMPARE(fader.minimum(), -56.0f);
        QCOMPARE(fader.maximum(), 12.0f);
        fader.setValue(-3.14);
        QCOMPARE(fader.value(), -3.1f);
        fader.setValue(-3.25); // rounds half away from zero
        QCOMPARE(fader.value(), -3.3f);

        makeFader(fader);
        QSignalSpy changed(&fader, &Fader::valueChanged);
        PointerEvents::wheel(&fader, 120);
        QCOMPARE(values(changed), QList<float>({-3.2f}));
        QTest::keyClick(&fader, Qt::Key_Down);
        QTest::keyClick(&fader, Qt::Key_Down);
        QCOMPARE(fader.value(), -3.4f);

        // A second call keeps the meaning of the range and the value.
        fader.setDecimals(2);
        QCOMPARE(fader.minimum(), -56.0f);
        QCOMPARE(fader.value(), -3.4f);
    }

    void dragsFromTheHandleOnly()
    {
        Fader fader;
        makeFader(fader);
        QSignalSpy changed(&fader, &Fader::valueChanged);

        QVERIFY(!PointerEvents::press(&fader, {22, 200})); // below the handle
        PointerEvents::move(&fader, {22, 150});
        PointerEvents::release(&fader, {22, 150});
        QCOMPARE(changed.count(), 0);

        const QRectF handle = fader.handleRect();
        QCOMPARE(handle, QRectF(12, 66, 20, 43));
        QVERIFY(PointerEvents::press(&fader, handle.bottomRight())); // edges count
        PointerEvents::move(&fader, {22, 33 + 21.5});
        PointerEvents::move(&fader, {22, 33 + 21.5}); // same place: nothing new
        PointerEvents::move(&fader, {22, -100});
        PointerEvents::release(&fader, {22, -100});
        QCOMPARE(values(changed), QList<float>({6, 12}));
        QCOMPARE(fader.handleRect().top(), 0.0);
    }

    void clicksBesideTheHandlePage()
    {
        Fader fader;
        makeFader(fader);
        QSignalSpy changed(&fader, &Fader::valueChanged);
        QSignalSpy doubled(&fader, &Fader::doubleClicked);
        const double centre = fader.handleRect().center().y(); // 87.5

        PointerEvents::click(&fader, {22, 200});
        QCOMPARE(changed.count(), 0); // off by default

        fader.setClickToPage(true);
        PointerEvents::click(&fader, {22, 200});
        QCOMPARE(fader.value(), -6.0f);
        fader.setValue(0);
        PointerEvents::click(&fader, {22, 10});
        QCOMPARE(fader.value(), 6.0f);
        fader.setValue(0);
        PointerEvents::click(&fader, {22, centre + 1}); // on the handle: nothing
        PointerEvents::click(&fader, {22, centre - 1});
        QCOMPARE(values(changed), QList<float>({-6, 6}));

        // A drag is no click.
        PointerEvents::press(&fader, {22, 200});
        PointerEvents::move(&fader, {22, 201});
        PointerEvents::release(&fader, {22, 201});
        QCOMPARE(changed.count(), 2);

        // A double click is reported and pages once.
        PointerEvents::doubleClick(&fader, {22, 200});
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(values(changed), QList<float>({-6, 6, -6}));
        PointerEvents::doubleClick(&fader, fader.handleRect().center());
        QCOMPARE(doubled.count(), 2);

        fader.setValue(10);
        PointerEvents::click(&fader, {22, 5});
        QCOMPARE(fader.value(), 12.0f);
    }

    void stepsStopSilentlyAtTheLimits()
    {
        Fader fader;
        makeFader(fader);
        fader.setValue(12);
        QSignalSpy changed(&fader, &Fader::valueChanged);
        PointerEvents::wheel(&fader, 120);
        QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(&fader, &up);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(fader.value(), 12.0f);
        QVERIFY(!up.isAccepted()); // goes on to the parent

        PointerEvents::wheel(&fader, -120);
        PointerEvents::wheel(&fader, 15); // a touchpad's small turn away from the user raises
        QTest::keyClick(&fader, Qt::Key_Left);
        QCOMPARE(values(changed), QList<float>({11, 12, 11}));

        fader.setValue(-100);
        QCOMPARE(fader.value(), -56.0f);
        QTest::keyClick(&fader, Qt::Key_Down);
        PointerEvents::wheel(&fader, -120);
        QCOMPARE(changed.count(), 3);
    }

    void coloursFollowTheAppearance()
    {
        ControlPalette::setDark(true);
        Fader fader;
        QCOMPARE(fader.scaleColour(), QColor(160, 161, 162));
        QCOMPARE(fader.grooveColour(), QColor(21, 26, 29));

        ControlPalette::setDark(false);
        QEvent styleChange(QEvent::StyleChange);
        QApplication::sendEvent(&fader, &styleChange); // the first one comes while setting up
        QApplication::sendEvent(&fader, &styleChange);
        QCOMPARE(fader.scaleColour(), QColor(50, 50, 50));
        QCOMPARE(fader.grooveColour(), QColor(113, 113, 113));
    }
};

QTEST_MAIN(FaderTest)
#include "FaderTest.moc"
