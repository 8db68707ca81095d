#include "CancellationGeneration.h"

#include "editors/chain/FirmwareVersion.h"

namespace CancellationGeneration {

Generation forDspVersion(const std::array<quint8, 3> &version)
{
    if (FirmwareVersion::isUnknown(version))
        return Third;
    if (version[0] == 5)
        return Third;
    if (FirmwareVersion::atLeast(FirmwareVersion::text(version),
                                 QLatin1String(FirmwareVersion::SecondGeneration)))
        return Second;
    return First;
}

} // namespace CancellationGeneration
