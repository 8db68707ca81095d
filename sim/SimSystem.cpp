#include "SimSystem.h"

namespace sim {

namespace {

// In the order the supply rails are reported.
const char *const RailNames[RailCount] = {"+5V", "+48V", "-5V", "+15V", "-15V"};
// The chips of the detection mask, in bit order.
const char *const ChipNames[] = {"PCA9539-1", "PCA9539-2", "PCA9539-3", "PCA9539-4",
                                 "WM8978",    "PCF8563",   "PCA9554"};

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
    for (quint32 chip = 0; chip < sizeof ChipNames / sizeof *ChipNames; ++chip)
        if (name.compare(QLatin1String(ChipNames[chip]), Qt::CaseInsensitive) == 0) {
            chipFailures |= 1u << chip;
            return true;
        }
    return false;
}

QStringList SimSystem::faultNames()
{
    QStringList names {QStringLiteral("dsp"), QStringLiteral("codec")};
    for (const char *rail : RailNames)
        names << QLatin1String(rail);
    for (const char *chip : ChipNames)
        names << QLatin1String(chip);
    return names;
}

} // namespace sim
