#include "model/FilterResponse.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
// The smallest power ratio taken to the logarithm: far below anything the graph shows.
constexpr double PowerFloor = 1e-300;

FilterResponse::Section normalised(double b0, double b1, double b2, double a0, double a1, double a2)
{
    return FilterResponse::Section {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

// The angle of a grid point, at its frequency rounded to 0.1 Hz.
double omegaOf(double hz)
{
    return std::round(10.0 * hz) * Pi / 960000.0;
}

// cos and sin of w and 2w for every grid point, worked out once.
struct GridTrig
{
    std::array<double, FilterTables::GridCount> c1 {}, s1 {}, c2 {}, s2 {};
    GridTrig()
    {
        const auto &grid = FilterTables::grid();
        for (size_t i = 0; i < grid.size(); ++i) {
            const double w = omegaOf(grid[i]);
            c1[i] = std::cos(w);
            s1[i] = std::sin(w);
            c2[i] = std::cos(2 * w);
            s2[i] = std::sin(2 * w);
        }
    }
};

const GridTrig &gridTrig()
{
    static const GridTrig trig;
    return trig;
}

// |H|^2 of a section from cos/sin of w and 2w.
inline double power(const FilterResponse::Section &s, double c1, double s1, double c2, double s2)
{
    const double nr = s.b0 + s.b1 * c1 + s.b2 * c2;
    const double ni = -(s.b1 * s1 + s.b2 * s2);
    const double dr = 1.0 + s.a1 * c1 + s.a2 * c2;
    const double di = -(s.a1 * s1 + s.a2 * s2);
    return (nr * nr + ni * ni) / (dr * dr + di * di);
}

} // namespace

FilterResponse::Section FilterResponse::passBiquad(PassKind kind, double f0, double q)
{
    const double w0 = 2 * Pi * f0 / SampleRate;
    const double alpha = std::sin(w0) / (2 * q);
    const double k = std::cos(w0);
    if (kind == HighPass)
        return normalised((1 + k) / 2, -(1 + k), (1 + k) / 2, 1 + alpha, -2 * k, 1 - alpha);
    return normalised((1 - k) / 2, 1 - k, (1 - k) / 2, 1 + alpha, -2 * k, 1 - alpha);
}

FilterResponse::Section FilterResponse::firstOrder(PassKind kind, double f0)
{
    const double w = 2 * Pi * f0;
    const double K = w / std::tan(Pi * f0 / SampleRate);
    const double d = w + K;
    Section s;
    s.b0 = kind == HighPass ? K / d : w / d;
    s.b1 = kind == HighPass ? -K / d : w / d;
    s.a1 = (w - K) / d;
    return s;
}

FilterResponse::Section FilterResponse::bandBiquad(int type, double f0, double gainDb, double q)
{
    const double w0 = 2 * Pi * f0 / SampleRate;
    const double alpha = std::sin(w0) / (2 * q);
    const double A = std::pow(10.0, gainDb / 40.0);
    const double k = std::cos(w0);
    const double s = 2 * std::sqrt(A) * alpha;
    switch (type) {
    case LowShelf:
        return normalised(A * ((A + 1) - (A - 1) * k + s), 2 * A * ((A - 1) - (A + 1) * k),
                          A * ((A + 1) - (A - 1) * k - s), (A + 1) + (A - 1) * k + s,
                          -2 * ((A - 1) + (A + 1) * k), (A + 1) + (A - 1) * k - s);
    case HighShelf:
        return normalised(A * ((A + 1) + (A - 1) * k + s), -2 * A * ((A - 1) + (A + 1) * k),
                          A * ((A + 1) + (A - 1) * k - s), (A + 1) - (A - 1) * k + s,
                          2 * ((A - 1) - (A + 1) * k), (A + 1) - (A - 1) * k - s);
    default:
        return normalised(1 + alpha * A, -2 * k, 1 - alpha * A, 1 + alpha / A, -2 * k,
                          1 - alpha / A);
    }
}

FilterResponse::Sections FilterResponse::passSections(PassKind kind, const HlpfFilter &filter)
{
    Sections sections;
    const double f0 = filter.frequency;
    const FilterTables::SectionQs qs = FilterTables::sectionQs(filter.type, filter.slope);
    for (int k = 0; k < qs.count; ++k)
        sections.add(passBiquad(kind, f0, qs.q[size_t(k)]));
    if (FilterTables::order(filter.slope) % 2 == 1)
        sections.add(firstOrder(kind, f0));
    return sections;
}

FilterResponse::Block FilterResponse::activeSections(const HlpfFilter &hpf, const HlpfFilter &lpf,
                                                     const PeqFilter *bands, int bandCount)
{
    Block block;
    const auto addPass = [&block](PassKind kind, const HlpfFilter &filter, float endStop) {
        if (!filter.enabled || filter.frequency == endStop || !std::isfinite(filter.frequency)
            || filter.frequency <= 0)
            return;
        const Sections s = passSections(kind, filter);
        for (int i = 0; i < s.count; ++i)
            block.items[size_t(block.count++)] = s.items[size_t(i)];
    };
    addPass(HighPass, hpf, FilterTables::MinFrequency);
    addPass(LowPass, lpf, FilterTables::MaxFrequency);
    const int limit = std::clamp(bandCount, 0, 16);
    for (int b = 0; bands && b < limit; ++b) {
        const PeqFilter &band = bands[b];
        if (!band.enabled || !std::isfinite(band.frequency) || band.frequency <= 0
            || !std::isfinite(band.gain))
            continue;
        block.items[size_t(block.count++)] =
                bandBiquad(band.type, band.frequency, band.gain, FilterTables::q(band.q));
    }
    return block;
}

double FilterResponse::magnitudeDb(const Section &section, double hz)
{
    const double w = omegaOf(hz);
    const double p = power(section, std::cos(w), std::sin(w), std::cos(2 * w), std::sin(2 * w));
    return 10.0 * std::log10(std::max(p, PowerFloor));
}

FilterResponse::Curve FilterResponse::compute(const Block &block)
{
    // The sections multiply; one logarithm per point instead of one per section and point.
    const GridTrig &t = gridTrig();
    Curve curve;
    for (size_t i = 0; i < curve.size(); ++i) {
        double p = 1.0;
        for (int k = 0; k < block.count; ++k)
            p *= power(block.items[size_t(k)], t.c1[i], t.s1[i], t.c2[i], t.s2[i]);
        curve[i] = block.count ? 10.0 * std::log10(std::max(p, PowerFloor)) : 0.0;
    }
    return curve;
}

FilterResponse::Curve FilterResponse::compute(const HlpfFilter &hpf, const HlpfFilter &lpf,
                                              const PeqFilter *bands, int bandCount)
{
    return compute(activeSections(hpf, lpf, bands, bandCount));
}
