#pragma once

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

// The fixed parts of discovery: the command datagram the application sends to processors and
// the identifiers given to devices added by hand.
namespace Discovery {

constexpr quint16 CommandPort = 6001;
constexpr quint32 SetNetworkCommand = 2;
constexpr quint32 FirstManualDeviceId = 42215;

// Command 2 to the device: u32 device id, u32 command, u32 payload length 12, then address,
// netmask and gateway as numeric IPv4 addresses, all little-endian.
QByteArray networkChangeDatagram(quint32 deviceId, quint32 address, quint32 mask, quint32 gateway);

// The identifier for a device added by hand: 42215, or the next one up that no entry uses.
quint32 manualDeviceId(const QVector<quint32> &usedIds);

} // namespace Discovery
