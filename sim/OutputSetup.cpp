#include "OutputSetup.h"

namespace sim {

void OutputSetup::resetFilters()
{
    highPass = PassFilter::highPass();
    lowPass = PassFilter::lowPass();
    eq = InputSetup::startBands();
}

} // namespace sim
