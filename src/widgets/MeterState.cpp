#include "widgets/MeterState.h"

#include <algorithm>

void MeterState::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_level = std::clamp(m_level, m_minimum, m_maximum);
}

bool MeterState::setLevel(int level)
{
    const int clamped = std::clamp(level, m_minimum, m_maximum);
    if (clamped == m_level)
        return false;
    m_level = clamped;
    return true;
}

double MeterState::fraction() const
{
    if (m_maximum <= m_minimum)
        return 0.0;
    return (double(m_level) - m_minimum) / (double(m_maximum) - m_minimum);
}

double MeterState::zeroFromTop() const
{
    if (m_maximum <= m_minimum)
        return 0.0;
    return std::clamp(1.0 - (0.0 - m_minimum) / (double(m_maximum) - m_minimum), 0.0, 1.0);
}
