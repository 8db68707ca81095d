#include "SimSystem.h"

namespace sim {

namespace {

// In the order the supply rails are reported.
const char *const RailNames[RailCount] = {"+5V", "+48V", "-5V", "+15V", "-15V"};

} // namespace

bool SimSystem::faulty() const
{
    if (faultFlags != 0)
        return true;
    for (quint8 r : rails)
        if (r == RailFailed)
            return true;
    return false;
}

bool SimSystem::injectFault(const QString &name)
{
    if (name.compare(QLatin1String("dsp"), Qt::CaseInsensitive) == 0) {
        faultFlags |= DspFault;
        return true;
    }
    if (name.compare(QLatin1String("codec"), Qt::CaseInsensitive) == 0) {
        faultFlags |= CodecFault;
        return true;
    }
    for (int r = 0; r < RailCount; ++r)
        if (name.compare(QLatin1String(RailNames[r]), Qt::CaseInsensitive) == 0) {
            rails[r] = RailFailed;
            return true;
        }
    return false;
}

QStringList SimSystem::faultNames()
{
    QStringList names {QStringLiteral("dsp"), QStringLiteral("codec")};
    for (const char *rail : RailNames)
        names << QLatin1String(rail);
    return names;
}

} // namespace sim
