#pragma once

#include <QList>
#include <QNetworkAddressEntry>
#include <QNetworkInterface>
#include <QString>

// One network interface as the link sees it: its index (as in a datagram's receiving
// interface), flags and address entries with netmask and prefix length.
struct NetworkInterfaceInfo
{
    int index = 0;
    QString name;
    QNetworkInterface::InterfaceFlags flags;
    QList<QNetworkAddressEntry> addressEntries;
};

// Where the link learns the machine's network interfaces. The program uses the platform's
// enumeration; tests hand in their own list.
class NetworkInterfaceProvider
{
public:
    virtual ~NetworkInterfaceProvider() = default;
    // The interfaces in the platform's order.
    virtual QList<NetworkInterfaceInfo> interfaces() const = 0;
};
