#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// How the device list shows a processor's numbers, and how its dialogs read addresses typed by
// the user. Shared by the panel rows, the device list window and the network dialogs.
namespace DeviceText {

// "a.b.c.d", most significant byte first.
QString address(quint32 address);
// "major.minor.patch".
QString version(const std::array<quint8, 3> &version);
// Seconds as "%1day %2:%3:%4": whole days, then hours, minutes and seconds with two figures.
QString duration(quint32 seconds);

// What the address fields accept: a host or gateway address (first octet at most 223, so no
// multicast or reserved address), and a subnet mask (any four octets).
QString hostPattern();
QString maskPattern();

// The number of a complete "a.b.c.d" matching pattern; ok is cleared (and 0 returned) for
// anything else, including partly typed addresses.
quint32 parseAddress(const QString &text, const QString &pattern, bool *ok = nullptr);

} // namespace DeviceText
