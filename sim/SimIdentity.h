#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace sim {

using FirmwareVersion = std::array<quint8, 3>; // major, minor, patch

// What a simulated processor is: the properties given on its command line.
struct SimIdentity
{
    quint32 deviceId = 20001;
    QByteArray model; // empty: a model name derived from the channel configuration
    QString config = QStringLiteral("16x16");
    QByteArray password; // admin password; empty: the built-in password opens the device
    QByteArray userPassword; // empty: the user login follows the admin password
    FirmwareVersion armVersion {3, 1, 4};
    FirmwareVersion dspVersion {2, 0, 7};
    quint32 armBuild = 0x2a17;
    quint16 upgradeId = 0x5654; // the firmware image identifier this hardware takes
    quint32 address = 0x7F000001; // the announced IPv4 address

    // The DSP families from 5.x on run the echo and noise cancellers as blocks whose outputs
    // are sources of the matrix (18 and 19); the older ones cancel in place.
    bool cancellationFeedsMatrix() const { return dspVersion[0] >= 5; }
};

// The processor families the simulator can play: the firmware versions each one reports.
struct SimFamily
{
    const char *name;
    FirmwareVersion armVersion;
    FirmwareVersion dspVersion;
};
constexpr SimFamily SimFamilies[] = {
    {"classic", {3, 1, 4}, {2, 0, 7}}, // first-generation echo and noise cancellation
    {"v5", {5, 0, 2}, {5, 0, 2}}, // cancellation blocks with instructions, 110-byte announcements
    {"v6", {3, 1, 4}, {6, 1, 45}}, // cancellation blocks
};

// The one fixed credential of the control application.
inline QByteArray builtInPassword()
{
    return QByteArrayLiteral("#*qubit*");
}

} // namespace sim
