// The registry part of DataModel: known devices loaded at start, and the identity a connected
// device reports reconciled with the list and the registry.
#include "model/DataModel.h"

void DataModel::loadRegistry(const QString &fileName)
{
    m_registry = std::make_unique<DeviceRegistry>(fileName);
    const QVector<UDPBrowsingPacket> packets = m_registry->load();
    for (const UDPBrowsingPacket &packet : packets)
        appendEntry(packet, false);
}

void DataModel::deviceIdReported(quint32 deviceId)
{
    if (m_currentIndex < 0)
        return;
    DeviceEntry &current = *m_devices[size_t(m_currentIndex)];
    if (current.packet.deviceId == deviceId)
        return;

    const int other = indexOfDevice(deviceId);
    if (other >= 0) {
        // The device is known under its real identifier: that entry takes the address that
        // works and becomes the selection; the current one (say, added by hand) stays as it is.
        UDPBrowsingPacket &known = m_devices[size_t(other)]->packet;
        if (known.ipAddress != current.packet.ipAddress) {
            known.ipAddress = current.packet.ipAddress;
            emit deviceListIPAddressChanged(uint(other), known.ipAddress);
            m_registry->sqlUpdateIPAddress(known.deviceId, known.ipAddress);
        }
        selectDevice(other, false);
        return;
    }

    const quint32 oldId = current.packet.deviceId;
    current.packet.deviceId = deviceId;
    emit deviceListDeviceIDChanged(uint(m_currentIndex), deviceId);
    m_registry->sqlUpdateDeviceId(oldId, deviceId);
}
