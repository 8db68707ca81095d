#pragma once

#include "NetworkInterfaceProvider.h"

#include <QHostAddress>
#include <QVector>

// Which local interface the link uses: for a connection attempt (with rotation to the next
// interface after a failure), for a device heard on an interface, and for discovery sockets.
// Pure functions over an interface list.
namespace InterfaceChoice {

// Up or running, and not loopback.
bool isUsable(const NetworkInterfaceInfo &iface);
int usableCount(const QList<NetworkInterfaceInfo> &interfaces);

// Whether target lies in (address AND netmask) with the entry's prefix length. Only IPv4
// entries with an IPv4 netmask qualify.
bool inSubnet(const QNetworkAddressEntry &entry, const QHostAddress &target);

struct Candidate
{
    QHostAddress address;
    bool inSubnet = false; // the target lies in this address's subnet
};

// Every IPv4 address with an IPv4 netmask of every usable interface, in interface order.
QVector<Candidate> candidates(const QList<NetworkInterfaceInfo> &interfaces,
                              const QHostAddress &target);

// The address to connect from: the one after boundAddress (wrapping to the first) when the last
// attempt used a candidate, else the first candidate in the target's subnet, else the first.
// Null when there are no candidates.
QHostAddress choose(const QVector<Candidate> &candidates, const QHostAddress &boundAddress);

// The first IPv4 address of the interface whose subnet holds the device; null if none.
QHostAddress localAddressFor(const NetworkInterfaceInfo &iface, const QHostAddress &device);

// The interface's first IPv4 address entry; null if it has none.
QHostAddress firstIPv4(const NetworkInterfaceInfo &iface);

} // namespace InterfaceChoice
