#include "model/FilterTables.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<int, FilterTables::SlopeCount> Orders {1, 2, 3, 4, 6, 8};

// Section Q values per type (Bessel, Butterworth, Linkwitz-Riley) and slope index 1..5.
constexpr double
        SectionQ[FilterTables::TypeCount][FilterTables::SlopeCount][FilterTables::MaxSections] = {
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

// A value given to three significant figures, rounded or cut; a hair of slack keeps values
// that are whole in theory (20000) from falling to the figure below.
double threeFigures(double value, bool cut)
{
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 2);
    const double scaled = value / unit;
    return (cut ? std::floor(scaled * (1 + 1e-9)) : std::floor(scaled + 0.5)) * unit;
}

std::array<float, FilterTables::FrequencyCount> makeFrequencies()
{
    // Three decades in 200 equal steps; one decimal below 1 kHz, three figures (cut) above.
    std::array<float, FilterTables::FrequencyCount> table {};
    for (int i = 0; i < FilterTables::FrequencyCount; ++i) {
        const double exact = 20.0 * std::pow(10.0, 3.0 * i / 200.0);
        const double value =
                exact < 999.95 ? std::floor(exact * 10 + 0.5) / 10 : threeFigures(exact, true);
        table[size_t(i)] = float(value);
    }
    return table;
}

std::array<double, FilterTables::GridCount> makeGrid()
{
    // About a thirty-sixth of an octave apart at three figures. The first twelve and the last
    // six points are the fixed ones of the device's graph; the run between them is geometric.
    constexpr std::array<double, 12> head {10.0, 10.2, 10.4, 10.6, 10.8, 11.0,
                                           11.3, 11.5, 11.7, 11.9, 12.2, 12.4};
    constexpr std::array<double, 6> tail {29100, 29600, 30200, 30800, 31400, 32000};
    constexpr int runStart = int(head.size()) - 1;
    constexpr int runEnd = FilterTables::GridCount - int(tail.size());
    std::array<double, FilterTables::GridCount> grid {};
    std::copy(head.begin(), head.end(), grid.begin());
    for (int i = int(head.size()); i < runEnd; ++i) {
        const double t = double(i - runStart) / (runEnd - runStart);
        grid[size_t(i)] =
                threeFigures(head.back() * std::pow(tail.front() / head.back(), t), false);
    }
    std::copy(tail.begin(), tail.end(), grid.begin() + runEnd);
    return grid;
}

} // namespace

const std::array<float, FilterTables::FrequencyCount> &FilterTables::frequencies()
{
    static const auto table = makeFrequencies();
    return table;
}

const std::array<float, FilterTables::QCount> &FilterTables::qValues()
{
    static constexpr std::array<float, QCount> table {
            0.5f,  0.53f, 0.56f, 0.59f, 0.63f, 0.67f, 0.71f, 0.75f, 0.79f, 0.84f, 0.89f,
            0.94f, 1.0f,  1.06f, 1.12f, 1.19f, 1.26f, 1.3f,  1.4f,  1.5f,  1.6f,  1.7f,
            1.8f,  1.9f,  2.0f,  2.1f,  2.2f,  2.4f,  2.5f,  2.7f,  2.8f,  3.0f,  3.2f,
            3.4f,  3.6f,  3.8f,  4.0f,  4.2f,  4.5f,  4.8f,  5.0f,  5.3f,  5.7f,  6.0f,
            6.3f,  6.7f,  7.1f,  7.6f,  8.0f,  8.5f,  9.0f,  9.5f,  10.1f, 10.7f, 11.3f,
            12.0f, 12.7f, 13.5f, 14.0f, 15.0f, 16.0f, 17.0f, 18.0f, 19.0f, 20.0f};
    return table;
}

float FilterTables::q(int index)
{
    return qValues()[size_t(std::clamp(index, 0, QCount - 1))];
}

const std::array<double, FilterTables::GridCount> &FilterTables::grid()
{
    static const auto table = makeGrid();
    return table;
}

int FilterTables::frequencyIndex(double hz)
{
    if (!(hz >= MinFrequency && hz <= MaxFrequency))
        return -1;
    const auto &table = frequencies();
    const auto above = std::upper_bound(table.begin(), table.end(), float(hz));
    return int(above - table.begin()) - 1;
}

int FilterTables::order(int slope)
{
    return Orders[size_t(std::clamp(slope, 0, SlopeCount - 1))];
}

int FilterTables::slopeDb(int slope)
{
    return 6 * order(slope);
}

FilterTables::SectionQs FilterTables::sectionQs(int type, int slope)
{
    SectionQs result;
    const int t = std::clamp(type, 0, TypeCount - 1);
    const int s = std::clamp(slope, 0, SlopeCount - 1);
    result.count = order(s) / 2;
    for (int k = 0; k < result.count; ++k)
        result.q[size_t(k)] = SectionQ[t][s][k];
    return result;
}
