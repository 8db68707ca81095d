#include "model/DynamicsTransfer.h"

#include <QtTest>

using namespace DynamicsTransfer;

// Expected output levels (dB) at input steps.
using Levels = QList<QPair<int, double>>;

// The transfer curves of the limiter and the AGC against values worked out by hand.
class DynamicsTransferTest : public QObject
{
    Q_OBJECT

    static constexpr double Min = -100.0; // the limiter graph's level range
    static constexpr double Max = 20.0;
    static constexpr double Step = 120.0 / 256.0; // dB per table step

private slots:
    void limiterCurve_data()
    {
        QTest::addColumn<double>("threshold");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("bypass");
        QTest::addColumn<int>("knee");
        // Row: the expected output level (dB) at a few input steps.
        QTest::addColumn<Levels>("levels");

        // 0 dB sits at step 100 / (120/256) = 213.33: steps 214.. are limited.
        const double atZero = 0.0;
        QTest::newRow("ratio 100 is flat at the threshold")
                << 0.0 << 100.0 << false << 214
                << Levels {{0, Min}, {213, Min + 213 * Step}, {214, atZero}, {255, atZero}};
        QTest::newRow("ratio 1 is the diagonal")
                << -40.0 << 1.0 << false << 128
                << Levels {{0, Min}, {128, -40.0}, {255, Min + 255 * Step}};
        // -28 dB is step 153.6; step 255 (19.53 dB) comes out at -28 + 47.53 / 4.
        QTest::newRow("ratio 4 above -28 dB")
                << -28.0 << 4.0 << false << 154
                << Levels {{153, Min + 153 * Step}, {255, -28.0 + (Min + 255 * Step + 28.0) / 4}};
        QTest::newRow("bypassed is the diagonal whatever the settings")
                << -60.0 << 100.0 << true << -1
                << Levels {{0, Min}, {200, Min + 200 * Step}, {255, Min + 255 * Step}};
        QTest::newRow("lowest threshold limits from the first step")
                << -100.0 << 2.0 << false << 0 << Levels {{0, Min}, {10, Min + 5 * Step}};
        QTest::newRow("highest threshold: 18 dB is step 251.7")
                << 18.0 << 2.0 << false << 252
                << Levels {{251, Min + 251 * Step}, {255, 18.0 + (Min + 255 * Step - 18.0) / 2}};
    }

    void limiterCurve()
    {
        QFETCH(double, threshold);
        QFETCH(double, ratio);
        QFETCH(bool, bypass);
        QFETCH(int, knee);
        QFETCH(Levels, levels);
        const LimiterCurve curve =
                DynamicsTransfer::limiterCurve(Min, Max, threshold, ratio, bypass);
        QCOMPARE(curve.knee, knee);
        for (const auto &[step, level] : levels) {
            const double got = limiterLevel(Min, Max, curve.output[size_t(step)]);
            QVERIFY2(qAbs(got - level) < 1e-9,
                     qPrintable(QString("step %1: %2 dB").arg(step).arg(got)));
        }
    }

    void limiterKneeStaysWhenNothingIsLimited()
    {
        // Switching the limiter off keeps the knee of the last curve that limited.
        const LimiterCurve off = DynamicsTransfer::limiterCurve(Min, Max, -50.0, 2.0, true, 214);
        QCOMPARE(off.knee, 214);
        QCOMPARE(off.output[255], 255.0);
        // An empty range limits nothing and divides by nothing.
        const LimiterCurve empty = DynamicsTransfer::limiterCurve(0.0, 0.0, 0.0, 2.0, false, 7);
        QCOMPARE(empty.knee, 7);
        QCOMPARE(empty.output[100], 100.0);
    }

    void agcOutputAndCorners()
    {
        // Threshold -30 dB, target -20 dB, ratio 2 unless named; above the threshold the output
        // is target + (input - target) / ratio.
        struct Case
        {
            double ratio;
            bool bypass;
            double input;
            double output;
        };
        const Case cases[] = {{2, false, -30, -25},
                              {2, false, 0, -10},
                              {2, false, -31, -31},
                              {2, true, 0, 0},
                              {1, false, -5, -5}};
        for (const Case &c : cases)
            QCOMPARE(DynamicsTransfer::agcOutput(c.input, -30, -20, c.ratio, c.bypass), c.output);
        QVERIFY(qAbs(DynamicsTransfer::agcOutput(0, -50, -20, 100, false) + 19.8) < 1e-9);

        using Corners = QVector<QPointF>;
        QCOMPARE(agcCurve(-120, 0, -30, -20, 2, false),
                 (Corners {{-120, -120}, {-30, -30}, {-30, -25}, {0, -10}}));
        const Corners diagonal {{-120, -120}, {0, 0}};
        QCOMPARE(agcCurve(-120, 0, -30, -20, 2, true), diagonal);
        QCOMPARE(agcCurve(-120, 0, -30, -20, 1, false), diagonal);
    }
};

QTEST_GUILESS_MAIN(DynamicsTransferTest)
#include "DynamicsTransferTest.moc"
