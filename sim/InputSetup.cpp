#include "InputSetup.h"

namespace sim {

std::array<EqBand, EqBands> InputSetup::startBands()
{
    std::array<EqBand, EqBands> bands {};
    for (int b = 0; b < EqBands; ++b)
        bands[b].frequency = eqStartFrequency(b);
    return bands;
}

void InputSetup::resetFilters()
{
    highPass = PassFilter::highPass();
    lowPass = PassFilter::lowPass();
    eq = startBands();
}

} // namespace sim
