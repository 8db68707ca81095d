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
};

// The one fixed credential of the control application.
inline QByteArray builtInPassword()
{
    return QByteArrayLiteral("#*qubit*");
}

} // namespace sim
