#include "DelayUnits.h"

#include <QtGlobal>

#include <cmath>

DelayUnits DelayUnits::inputs()
{
    return {1000.0, 340.0, 1115.472, 100000};
}

DelayUnits DelayUnits::outputs()
{
    return {2000.0, 680.0, 2230.944, 200000};
}

int DelayUnits::knobFromMs(double ms)
{
    return int(std::lround(ms * KnobStepsPerMs));
}

double DelayUnits::clampMs(double ms) const
{
    if (!std::isfinite(ms))
        return 0.0;
    return qBound(0.0, ms, maximumMs);
}
