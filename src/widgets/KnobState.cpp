#include "widgets/KnobState.h"

#include <algorithm>

void KnobState::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setValue(m_value);
}

bool KnobState::setValue(int value)
{
    const int clamped = std::clamp(value, m_minimum, m_maximum);
    if (clamped == m_value)
        return false;
    m_value = clamped;
    return true;
}

double KnobState::positionOf(int value, int minimum, int maximum)
{
    if (maximum <= minimum)
        return 0.0;
    return (double(value) - minimum) / (double(maximum) - minimum);
}

double KnobState::angleForPosition(double position)
{
    return Sweep * position - Sweep / 2;
}

double KnobState::positionForAngle(double angle)
{
    return (angle + Sweep / 2) / Sweep;
}
