#pragma once

#include "link/UdpBrowsingPacket.h"

#include <QHostAddress>

// A processor's announcement as the tests send it.
inline UdpBrowsingPacket announcement(quint32 deviceId, const char *address)
{
    UdpBrowsingPacket p;
    p.deviceId = deviceId;
    p.ipAddress = QHostAddress(QString::fromLatin1(address)).toIPv4Address();
    p.runTime = 60;
    p.totalTime = 3600;
    p.armVersion = {1, 0, 3};
    p.dspVersion = {2, 1, 0};
    p.serialNumber = UdpBrowsingPacket::toText("SN0001");
    p.model = UdpBrowsingPacket::toText("VT-1616");
    p.location = UdpBrowsingPacket::toText("Rack 1");
    p.description = UdpBrowsingPacket::toText("Main hall");
    p.preset = UdpBrowsingPacket::toText("Default");
    p.productCode = 1;
    return p;
}
