#pragma once

#include <QString>

#include <array>
#include <optional>

// Firmware version texts and the features that depend on them. A version text such as
// "V1.1.44 (beta)" is compared with a threshold by dropping letters, parentheses and spaces,
// splitting at the dots and packing the parts into one number, eight bits per part, the first
// part highest. Versions with a different number of parts cannot be compared.
class FirmwareVersion
{
public:
    // The thresholds that switch features of the editors: the first generation of the DSP
    // firmware (1.x) and the second (6.x), each with two feature steps.
    static const char *const FirstGenerationUsbMode; // "1.1.44"
    static const char *const FirstGenerationFilterExtras; // "1.1.45"
    static const char *const SecondGeneration; // "6.0.0"
    static const char *const SecondGenerationUsbMode; // "6.1.44"
    static const char *const SecondGenerationFilterExtras; // "6.1.45"

    // The packed value; nothing when the text has an empty or non-numeric part, a part above
    // 255 or more than eight parts.
    static std::optional<quint64> pack(const QString &version, int *partCount = nullptr);

    // -1, 0 or 1 as version is below, equal to or above threshold; nothing when the two cannot
    // be compared.
    static std::optional<int> compare(const QString &version, const QString &threshold);
    // version >= threshold; false when they cannot be compared.
    static bool atLeast(const QString &version, const QString &threshold);

    // "major.minor.patch" of a reported version.
    static QString text(const std::array<quint8, 3> &version);
    // 0.0.0: the device has not reported its version yet.
    static bool isUnknown(const std::array<quint8, 3> &version);
};

// What the editors offer for one DSP firmware version. Before the device reports its version
// everything is offered.
struct FirmwareFeatures
{
    bool usbInputMode = true; // the "USB" mode of inputs 1 and 2
    bool filterExtras = true; // the version-dependent controls of the filter editors
    bool secondGeneration = false; // the second generation of echo and noise cancellation

    static FirmwareFeatures forDspVersion(const std::array<quint8, 3> &version);

    bool operator==(const FirmwareFeatures &o) const
    {
        return usbInputMode == o.usbInputMode && filterExtras == o.filterExtras
                && secondGeneration == o.secondGeneration;
    }
    bool operator!=(const FirmwareFeatures &o) const { return !(*this == o); }
};
