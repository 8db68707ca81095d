#include "Discovery.h"

#include "wire/ByteWriter.h"

namespace Discovery {

QByteArray networkChangeDatagram(quint32 deviceId, quint32 address, quint32 mask, quint32 gateway)
{
    constexpr quint32 PayloadLength = 12;
    return ByteWriter(24)
            .u32(deviceId)
            .u32(SetNetworkCommand)
            .u32(PayloadLength)
            .u32(address)
            .u32(mask)
            .u32(gateway);
}

quint32 manualDeviceId(const QVector<quint32> &usedIds)
{
    quint32 id = FirstManualDeviceId;
    while (usedIds.contains(id))
        ++id;
    return id;
}

} // namespace Discovery
