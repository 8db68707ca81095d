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
};
