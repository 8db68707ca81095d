#include "widgets/FaderScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Truncates towards zero, but takes a result within rounding noise of a whole number as that
// number: the pointer exactly at a value's handle position gives that value back.
double truncated(double v)
{
    return std::trunc(v + std::copysign(1e-9, v));
}

} // namespace

FaderScale::FaderScale(int height, int minimum, int maximum, int zeroNumerator, int zeroDenominator,
                       int bottomReserve)
    : m_height(height), m_minimum(minimum), m_maximum(maximum),
      m_travel(height + 1.0 - bottomReserve),
      m_zeroY(zeroDenominator != 0 ? m_travel / zeroDenominator * zeroNumerator : 0.0)
{
}

double FaderScale::handleTop(int value) const
{
    if (value >= 0) {
        // A range that tops out at 0 (or below) has nothing above the 0 dB point.
        if (m_maximum <= 0)
            return m_zeroY;
        return m_zeroY * (m_maximum - value) / m_maximum;
    }
    if (m_minimum >= 0)
        return m_zeroY;
    return m_zeroY + double(value) / m_minimum * (m_travel - m_zeroY);
}

int FaderScale::valueAt(double pointerY) const
{
    const double zero = m_zeroY + HalfHandle;
    if (pointerY <= zero) {
        if (m_zeroY <= 0) // no room above the 0 dB point
            return m_maximum;
        const double v = m_maximum - (pointerY - HalfHandle) * m_maximum / (zero - HalfHandle);
        return int(std::min<double>(m_maximum, truncated(v)));
    }
    const double below = m_height + 1.0 - HalfHandle - zero;
    if (below <= 0) // no room below the 0 dB point
        return m_minimum;
    const double v = (pointerY - zero) * m_minimum / below;
    return int(std::max<double>(m_minimum, truncated(v)));
}

QVector<FaderScale::Tick> FaderScale::ticks(double displayMinimum, double displayMaximum) const
{
    QVector<Tick> out;
    const double top = HalfHandle;
    for (int i = 0; i < 4; ++i) {
        const int db = int(displayMaximum - std::round(displayMaximum * i / 4));
        out.append({top + m_zeroY / 4 * i, db, db == 6 || db == 12});
    }
    const double zero = top + m_zeroY;
    out.append({zero, 0, true});
    const double bottom = m_height + 1.0 - 21;
    for (int i = 0; i < 7; ++i) {
        const int db = -int(std::round(-displayMinimum / 7 * (i + 1)));
        const bool labelled = i == 1 || i == 3 || i == 5 || i == 6;
        out.append({zero + (bottom - zero) / 7 * (i + 1), db, labelled});
    }
    return out;
}
