#include "model/FilterResponse.h"
#include "model/FilterTables.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <vector>

namespace {

// An independent reading of the device's filter maths: analog prototypes through the bilinear
// transform with prewarping at f0 (which is what the cookbook formulas are), evaluated with
// complex numbers at the frequency rounded to 0.1 Hz.
constexpr double Fs = 192000.0;
constexpr double Pi = 3.14159265358979323846;
using cd = std::complex<double>;

// s of the analog prototype that the bilinear map with prewarping at f0 gives for frequency f.
cd prewarpedS(double f, double f0)
{
    const cd z = std::polar(1.0, std::round(10 * f) * Pi / 960000.0);
    return (z - 1.0) / (z + 1.0) / std::tan(Pi * f0 / Fs);
}

// A pass section: second order with the given Q, first order where q is 0.
double passSection(double f, double f0, double q, bool high)
{
    const cd s = prewarpedS(f, f0);
    const cd numerator = !high ? cd(1.0) : q > 0 ? s * s : s;
    return 20 * std::log10(std::abs(numerator / (q > 0 ? s * s + s / q + 1.0 : s + 1.0)));
}

// A PEQ band: peaking, low shelf or high shelf.
double bandDb(double f, const PeqFilter &b, double q)
{
    const double A = std::pow(10.0, b.gain / 40);
    const double r = std::sqrt(A) / q;
    const cd s = prewarpedS(f, b.frequency);
    const cd h = b.type == 0 ? (s * s + s * (A / q) + 1.0) / (s * s + s / (A * q) + 1.0)
            : b.type == 1    ? A * (s * s + r * s + A) / (A * s * s + r * s + 1.0)
                             : A * (A * s * s + r * s + 1.0) / (s * s + r * s + A);
    return 20 * std::log10(std::abs(h));
}

const double PeqQ[] = {0.5,  0.53, 0.56, 0.59, 0.63, 0.67, 0.71, 0.75, 0.79, 0.84, 0.89,
                       0.94, 1.0,  1.06, 1.12, 1.19, 1.26, 1.3,  1.4,  1.5,  1.6,  1.7,
                       1.8,  1.9,  2.0,  2.1,  2.2,  2.4,  2.5,  2.7,  2.8,  3.0,  3.2,
                       3.4,  3.6,  3.8,  4.0,  4.2,  4.5,  4.8,  5.0,  5.3,  5.7,  6.0,
                       6.3,  6.7,  7.1,  7.6,  8.0,  8.5,  9.0,  9.5,  10.1, 10.7, 11.3,
                       12.0, 12.7, 13.5, 14.0, 15.0, 16.0, 17.0, 18.0, 19.0, 20.0};

// Section Qs of the pass filters: Bessel, Butterworth, Linkwitz-Riley for slopes 1..5.
const std::vector<double> PassQ[3][6] = {
        {{},
         {0.5773},
         {0.691},
         {0.5219, 0.8055},
         {0.5103, 0.6112, 1.0234},
         {0.506, 1.2258, 0.7109, 0.5596}},
        {{},
         {0.7071},
         {1.0},
         {0.5412, 1.3065},
         {0.5177, 0.7071, 1.932},
         {0.5098, 0.6013, 0.8999, 2.5628}},
        {{}, {0.5}, {0.6}, {0.71, 0.71}, {0.5, 1.0, 1.0}, {0.54, 1.34, 0.54, 1.34}}};
const int Orders[] = {1, 2, 3, 4, 6, 8};

double passDb(double f, const HlpfFilter &p, bool high)
{
    double sum = Orders[p.slope] % 2 ? passSection(f, p.frequency, 0, high) : 0;
    for (double q : PassQ[p.type][p.slope])
        sum += passSection(f, p.frequency, q, high);
    return sum;
}

double expected(double f, const HlpfFilter &hpf, const HlpfFilter &lpf,
                const std::array<PeqFilter, 8> &bands)
{
    double sum = 0;
    if (hpf.enabled && hpf.frequency != 20.0f)
        sum += passDb(f, hpf, true);
    if (lpf.enabled && lpf.frequency != 20000.0f)
        sum += passDb(f, lpf, false);
    for (const PeqFilter &b : bands) {
        if (b.enabled)
            sum += bandDb(f, b, PeqQ[b.q]);
    }
    return sum;
}

int gridIndex(double hz)
{
    const auto &grid = FilterTables::grid();
    const auto at = std::find(grid.begin(), grid.end(), hz);
    return at == grid.end() ? -1 : int(at - grid.begin());
}

FilterResponse::Curve curveOf(const HlpfFilter &hpf, const HlpfFilter &lpf,
                              const std::array<PeqFilter, 8> &bands)
{
    return FilterResponse::compute(hpf, lpf, bands.data(), 8);
}

} // namespace

// The filter editor's fixed scales and the response the graph draws, against the printed
// values and an independent calculation.
class FilterResponseTest : public QObject
{
    Q_OBJECT

private slots:
    void scalesHoldThePrintedEntries()
    {
        const auto &t = FilterTables::frequencies();
        QCOMPARE(int(t.size()), 201);
        const std::pair<int, float> printed[] = {
                {0, 20.0f},   {1, 20.7f},   {2, 21.4f},   {3, 22.2f},   {4, 23.0f},
                {5, 23.8f},   {6, 24.6f},   {7, 25.5f},   {190, 14100}, {191, 14600},
                {192, 15100}, {193, 15700}, {194, 16200}, {195, 16800}, {196, 17400},
                {197, 18000}, {198, 18600}, {199, 19300}, {200, 20000}};
        for (const auto &[index, value] : printed)
            QCOMPARE(t[size_t(index)], value);
        for (float inside : {101.4f, 108.7f, 1020.0f, 1090.0f})
            QVERIFY2(std::find(t.begin(), t.end(), inside) != t.end(),
                     qPrintable(QString::number(inside)));
        for (size_t i = 1; i < t.size(); ++i) {
            QVERIFY(t[i] > t[i - 1]);
            // One decimal below 1 kHz, three figures above.
            const double tenths = double(t[i]) * 10;
            if (t[i] < 1000)
                QVERIFY(std::abs(tenths - std::round(tenths)) < 1e-3);
            else
                QCOMPARE(std::fmod(double(t[i]), t[i] < 10000 ? 10.0 : 100.0), 0.0);
        }

        const auto &q = FilterTables::qValues();
        QCOMPARE(int(q.size()), 65);
        for (int i = 0; i < 65; ++i)
            QCOMPARE(q[size_t(i)], float(PeqQ[i]));
        QCOMPARE(FilterTables::q(-3), 0.5f);
        QCOMPARE(FilterTables::q(200), 20.0f);

        const auto &g = FilterTables::grid();
        QCOMPARE(int(g.size()), 420);
        const double head[] = {10.0, 10.2, 10.4, 10.6, 10.8, 11.0,
                               11.3, 11.5, 11.7, 11.9, 12.2, 12.4};
        QVERIFY(std::equal(std::begin(head), std::end(head), g.begin()));
        const double tail[] = {29100, 29600, 30200, 30800, 31400, 32000};
        QVERIFY(std::equal(std::begin(tail), std::end(tail), g.end() - 6));
        for (double inside : {20.1, 40.1, 101.0, 1020.0, 10300.0})
            QVERIFY2(gridIndex(inside) >= 0, qPrintable(QString::number(inside)));
        for (size_t i = 1; i < g.size(); ++i) {
            // About a thirty-sixth of an octave (1.94 %), within what three figures allow.
            const double ratio = g[i] / g[i - 1];
            QVERIFY2(ratio > 1.009 && ratio < 1.03, qPrintable(QString::number(g[i])));
            const double unit = std::pow(10.0, std::floor(std::log10(g[i])) - 2);
            QVERIFY(std::abs(g[i] / unit - std::round(g[i] / unit)) < 1e-6);
        }
        for (int s = 0; s < 6; ++s)
            QCOMPARE(FilterTables::slopeDb(s), 6 * Orders[s]);
    }

    void frequencyIndexIsTheLargestEntryNotAbove()
    {
        const std::pair<double, int> lookups[] = {{20.0, 0},      {20.6, 0},         {20.7, 1},
                                                  {15000.5, 191}, {20000, 200},      {19.9, -1},
                                                  {25000, -1},    {std::nan(""), -1}};
        for (const auto &[hz, index] : lookups)
            QVERIFY2(FilterTables::frequencyIndex(hz) == index, qPrintable(QString::number(hz)));
    }

    void knownPoints()
    {
        const HlpfFilter off {0, 0, 0, 20.0f};
        const HlpfFilter lpfOff {0, 0, 0, 20000.0f};
        const PeqFilter flat {0, 0, 1000.0f, 0.0f, 0};
        struct Point
        {
            const char *name;
            HlpfFilter hpf, lpf;
            PeqFilter band;
            double at, dB;
        };
        // Butterworth, 18 dB/oct: one biquad with Q 1 and one first-order section. The shelves
        // approach their gain, close enough two decades away.
        const Point points[] = {
                {"Butterworth HPF corner", {1, 1, 2, 1020.0f}, lpfOff, flat, 1020.0, -3.0103},
                {"Butterworth LPF corner", off, {1, 1, 2, 10300.0f}, flat, 10300.0, -3.0103},
                {"Butterworth 12 dB corner", {1, 1, 1, 101.0f}, lpfOff, flat, 101.0, -3.0103},
                {"Linkwitz-Riley 24 dB corner", {1, 2, 3, 1020.0f}, lpfOff, flat, 1020.0, -5.9497},
                {"24 dB/oct three octaves down", {1, 1, 3, 1020.0f}, lpfOff, flat, 127.0, -72.384},
                {"PEQ +12 dB at its centre", off, lpfOff, {1, 0, 1020.0f, 12.0f, 20}, 1020.0, 12.0},
                {"low shelf far below", off, lpfOff, {1, 1, 2000.0f, 6.0f, 6}, 10.0, 6.0},
                {"high shelf far above", off, lpfOff, {1, 2, 200.0f, -8.0f, 6}, 20200.0, -8.0},
                {"high shelf half gain at f0",
                 off,
                 lpfOff,
                 {1, 2, 1020.0f, 10.0f, 6},
                 1020.0,
                 5.0}};
        for (const Point &p : points) {
            std::array<PeqFilter, 8> bands = PeqFilter::startBands();
            for (PeqFilter &b : bands)
                b.enabled = 0;
            bands[0] = p.band;
            const int i = gridIndex(p.at);
            QVERIFY2(i >= 0, p.name);
            const double got = curveOf(p.hpf, p.lpf, bands)[size_t(i)];
            const double tolerance = QByteArray(p.name).contains("far") ? 0.05 : 0.01;
            QVERIFY2(std::abs(got - p.dB) < tolerance,
                     qPrintable(QString("%1: %2 dB").arg(p.name).arg(got, 0, 'f', 4)));
        }
    }

    void flatCases()
    {
        // Enabled pass filters at their end stops, everything off, 0 dB PEQ bands at any Q.
        const std::pair<HlpfFilter, HlpfFilter> passes[] = {{{1, 1, 5, 20.0f}, {1, 2, 5, 20000.0f}},
                                                            {{0, 1, 5, 500.0f}, {0, 1, 5, 900.0f}}};
        for (const auto &[hpf, lpf] : passes) {
            std::array<PeqFilter, 8> bands = PeqFilter::startBands();
            for (PeqFilter &b : bands) {
                b.enabled = 0;
                b.gain = 12.0f; // bypassed bands count for nothing
            }
            for (double value : curveOf(hpf, lpf, bands))
                QVERIFY(std::abs(value) < 1e-9);
        }
        for (int q : {0, 20, 43, 64}) {
            std::array<PeqFilter, 8> bands = PeqFilter::startBands();
            for (PeqFilter &b : bands) {
                b.enabled = 1;
                b.q = quint8(q);
            }
            for (double value : curveOf({0, 0, 0, 20.0f}, {0, 0, 0, 20000.0f}, bands))
                QVERIFY2(std::abs(value) < 1e-9, qPrintable(QString("Q index %1").arg(q)));
        }
    }

    void wholeCurveMatchesTheIndependentCalculation()
    {
        // Every type and slope of the pass filters with a full set of bands of all three kinds.
        for (int type = 0; type < 3; ++type) {
            for (int slope = 0; slope < 6; ++slope) {
                const HlpfFilter hpf {1, quint8(type), quint8(slope), 63.5f};
                const HlpfFilter lpf {1, quint8(2 - type), quint8(5 - slope), 12345.6f};
                std::array<PeqFilter, 8> bands = PeqFilter::startBands();
                for (int b = 0; b < 8; ++b) {
                    bands[size_t(b)].type = quint8((b + slope) % 3);
                    bands[size_t(b)].gain = float((b % 2 ? 1 : -1) * (2.5 + b + type));
                    bands[size_t(b)].q = quint8((b * 9 + slope * 5) % 65);
                    bands[size_t(b)].enabled = b != 3;
                }
                const auto curve = curveOf(hpf, lpf, bands);
                const auto &grid = FilterTables::grid();
                for (size_t i = 0; i < grid.size(); ++i) {
                    const double want = expected(grid[i], hpf, lpf, bands);
                    // Far into the stop band, below anything drawn, is left out.
                    QVERIFY2(want < -200 || std::abs(curve[i] - want) < 0.01,
                             qPrintable(QString("type %1 slope %2 at %3 Hz: %4, want %5")
                                                .arg(type)
                                                .arg(slope)
                                                .arg(grid[i])
                                                .arg(curve[i])
                                                .arg(want)));
                }
            }
        }
    }

    void nonsenseFromTheDeviceStaysFinite()
    {
        std::array<PeqFilter, 8> bands = PeqFilter::startBands();
        bands[0] = PeqFilter {1, 7, std::numeric_limits<float>::infinity(), 3.0f, 200};
        bands[1] = PeqFilter {1, 0, 1000.0f, std::nanf(""), 10};
        bands[2] = PeqFilter {1, 0, -5.0f, 3.0f, 10};
        for (double value : curveOf({1, 9, 9, std::nanf("")}, {1, 1, 5, 0.0f}, bands))
            QVERIFY(std::isfinite(value));
    }
};

QTEST_GUILESS_MAIN(FilterResponseTest)
#include "FilterResponseTest.moc"
