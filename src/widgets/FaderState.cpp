#include "widgets/FaderState.h"

#include <algorithm>
#include <cmath>

namespace {

int powerOfTen(int decimals)
{
    return int(std::lround(std::pow(10.0, std::clamp(decimals, 0, 6))));
}

} // namespace

void FaderState::setRange(int minimum, int maximum)
{
    m_minimum = minimum * m_scale;
    m_maximum = std::max(minimum, maximum) * m_scale;
    setScaledValue(m_value);
}

void FaderState::setDecimals(int decimals)
{
    const int scale = powerOfTen(decimals);
    const auto rescale = [&](int v) { return int(std::lround(double(v) / m_scale * scale)); };
    m_minimum = rescale(m_minimum);
    m_maximum = rescale(m_maximum);
    m_value = rescale(m_value);
    m_singleStep = m_singleStep / m_scale * scale;
    m_pageStep = m_pageStep / m_scale * scale;
    m_decimals = std::clamp(decimals, 0, 6);
    m_scale = scale;
}

bool FaderState::setValue(double value)
{
    if (!std::isfinite(value))
        return false;
    return setScaledValue(std::llround(value * m_scale));
}

bool FaderState::setScaledValue(long long scaled)
{
    const int clamped = int(std::clamp<long long>(scaled, m_minimum, m_maximum));
    if (clamped == m_value)
        return false;
    m_value = clamped;
    return true;
}

void FaderState::setSteps(double single, double page)
{
    m_singleStep = single * m_scale;
    m_pageStep = page * m_scale;
}

bool FaderState::stepBy(double scaledDelta)
{
    return setScaledValue((long long)std::trunc(m_value + scaledDelta));
}
