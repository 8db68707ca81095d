#include "FirmwareVersion.h"

#include <QRegularExpression>
#include <QStringList>

const char *const FirmwareVersion::FirstGenerationUsbMode = "1.1.44";
const char *const FirmwareVersion::FirstGenerationFilterExtras = "1.1.45";
const char *const FirmwareVersion::SecondGeneration = "6.0.0";
const char *const FirmwareVersion::SecondGenerationUsbMode = "6.1.44";
const char *const FirmwareVersion::SecondGenerationFilterExtras = "6.1.45";

namespace {

constexpr int MaxParts = 8;
constexpr uint MaxPart = 255;

} // namespace

std::optional<quint64> FirmwareVersion::pack(const QString &version, int *partCount)
{
    static const QRegularExpression ignored(QStringLiteral("[a-zA-Z() ]"));
    const QStringList parts = QString(version).remove(ignored).split(QLatin1Char('.'));
    if (parts.size() > MaxParts)
        return std::nullopt;
    quint64 packed = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok);
        if (!ok || value > MaxPart)
            return std::nullopt;
        packed = (packed << 8) | value;
    }
    if (partCount)
        *partCount = parts.size();
    return packed;
}

std::optional<int> FirmwareVersion::compare(const QString &version, const QString &threshold)
{
    int versionParts = 0;
    int thresholdParts = 0;
    const std::optional<quint64> a = pack(version, &versionParts);
    const std::optional<quint64> b = pack(threshold, &thresholdParts);
    if (!a || !b || versionParts != thresholdParts)
        return std::nullopt;
    return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

bool FirmwareVersion::atLeast(const QString &version, const QString &threshold)
{
    const std::optional<int> order = compare(version, threshold);
    return order && *order >= 0;
}

QString FirmwareVersion::text(const std::array<quint8, 3> &version)
{
    return QStringLiteral("%1.%2.%3").arg(version[0]).arg(version[1]).arg(version[2]);
}

bool FirmwareVersion::isUnknown(const std::array<quint8, 3> &version)
{
    return version[0] == 0 && version[1] == 0 && version[2] == 0;
}

FirmwareFeatures FirmwareFeatures::forDspVersion(const std::array<quint8, 3> &version)
{
    FirmwareFeatures features;
    if (FirmwareVersion::isUnknown(version))
        return features;
    const QString v = FirmwareVersion::text(version);
    using F = FirmwareVersion;
    // Each generation gained the features at its own step; the second generation starts over.
    features.secondGeneration = F::atLeast(v, QLatin1String(F::SecondGeneration));
    if (features.secondGeneration) {
        features.usbInputMode = F::atLeast(v, QLatin1String(F::SecondGenerationUsbMode));
        features.filterExtras = F::atLeast(v, QLatin1String(F::SecondGenerationFilterExtras));
    } else {
        features.usbInputMode = F::atLeast(v, QLatin1String(F::FirstGenerationUsbMode));
        features.filterExtras = F::atLeast(v, QLatin1String(F::FirstGenerationFilterExtras));
    }
    return features;
}
