#pragma once

#include "NetworkInterfaceProvider.h"

#include <QUdpSocket>

#include <memory>

// One usable interface with the socket bound to its first IPv4 address at the discovery port.
// It sends the network-change command out of that interface and receives what is addressed to
// that address.
struct DiscoverySocket
{
    NetworkInterfaceInfo iface;
    std::unique_ptr<QUdpSocket> socket;
};
