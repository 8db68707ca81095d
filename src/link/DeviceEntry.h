#pragma once

#include "UdpBrowsingPacket.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <memory>

// One known processor: its identity and status, and its own control connection.
struct DeviceEntry
{
    UdpBrowsingPacket packet;
    bool online = false;
    qint64 lastSeen = 0;
    std::unique_ptr<QTcpSocket> socket;
    QHostAddress localAddress; // the interface to connect from next time; used once
    // Has a registry row (or one queued): loaded, added by hand, or heard at least twice. A
    // spoofed identity is heard once and never reaches the file.
    bool stored = false;
    // Never given up to make room: loaded from the registry, added by hand, or selected.
    bool kept = false;
};
