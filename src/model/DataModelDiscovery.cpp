// The discovery part of DataModel: announcements in, device entries created and updated, the
// network-change command out, ageing's counterpart (a device heard again), manual add and
// removal.
//
// Announcements are broadcast to 255.255.255.255. On Linux a socket bound to an interface's
// unicast address never sees such a broadcast, so they are received on a socket bound to the
// any-address, which reports each datagram's receiving interface. The per-interface sockets
// remain: they take what is addressed to their interface and send the network-change command
// out of every interface.
#include "model/DataModel.h"

#include "link/Discovery.h"
#include "link/InterfaceChoice.h"
#include "wire/LinkLog.h"
#include "link/SystemInterfaceProvider.h"

#include <QNetworkDatagram>
#include <QPointer>

#include <algorithm>

namespace {

// Datagrams handled per readyRead; the rest wait for the next turn of the event loop, so a
// flood never holds the window.
constexpr int DatagramsPerRead = 16;

constexpr QAbstractSocket::BindMode DiscoveryBindMode =
        QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint;

} // namespace

void DataModel::startDeviceLink(LinkEnvironment &environment)
{
    qRegisterMetaType<UDPBrowsingPacket *>("UDPBrowsingPacket*");
    qRegisterMetaType<UDPBrowsingPacket *>("DataModel::UDPBrowsingPacket*");
    m_interfaces = environment.interfaces ? std::move(environment.interfaces)
                                          : std::make_unique<SystemInterfaceProvider>();
    loadRegistry(environment.registryFile);
    m_interfaceCount = InterfaceChoice::usableCount(m_interfaces->interfaces());
    rebuildDiscoverySockets();
}

std::unique_ptr<QUdpSocket> DataModel::bindDiscoverySocket(const QHostAddress &address)
{
    auto socket = std::make_unique<QUdpSocket>();
    if (!socket->bind(address, m_settings.broadcastPort, DiscoveryBindMode)) {
        qCDebug(lcLink) << "Discovery socket on" << address.toString()
                        << "failed:" << socket->errorString();
        m_interfaceCount = -1; // the next once-a-second check tries again
        return nullptr;
    }
    connect(socket.get(), &QUdpSocket::readyRead, this, &DataModel::udpReadyRead);
    return socket;
}

void DataModel::rebuildDiscoverySockets()
{
    m_discoverySockets.clear();
    if (!m_announcementSocket)
        m_announcementSocket = bindDiscoverySocket(QHostAddress(QHostAddress::AnyIPv4));

    const QList<NetworkInterfaceInfo> interfaces = m_interfaces->interfaces();
    for (const NetworkInterfaceInfo &iface : interfaces) {
        if (!InterfaceChoice::isUsable(iface))
            continue;
        DiscoverySocket pair;
        pair.iface = iface;
        const QHostAddress address = InterfaceChoice::firstIPv4(iface);
        if (!address.isNull())
            pair.socket = bindDiscoverySocket(address);
        m_discoverySockets.push_back(std::move(pair));
    }
}

int DataModel::discoverySocketCount() const
{
    return int(std::count_if(m_discoverySockets.begin(), m_discoverySockets.end(),
                             [](const DiscoverySocket &pair) { return bool(pair.socket); }));
}

void DataModel::udpReadyRead()
{
    QPointer<QUdpSocket> socket = qobject_cast<QUdpSocket *>(sender());
    if (!socket)
        return;
    int fixedInterface = -1; // a per-interface socket knows its interface
    for (const DiscoverySocket &pair : m_discoverySockets) {
        if (pair.socket.get() == socket)
            fixedInterface = pair.iface.index;
    }
    if (fixedInterface < 0 && socket != m_announcementSocket.get())
        return;
    for (int n = 0; n < DatagramsPerRead && socket && socket->hasPendingDatagrams(); ++n) {
        const QNetworkDatagram datagram = socket->receiveDatagram(socket->pendingDatagramSize());
        const int iface = fixedInterface >= 0 ? fixedInterface : int(datagram.interfaceIndex());
        processAnnouncement(datagram.data(), iface);
    }
}

bool DataModel::alternativeAnnouncementForm() const
{
    return m_settings.bootMode == 2 || connectedArmMajor() == 5;
}

quint8 DataModel::connectedArmMajor() const
{
    return m_mirror.device.armVersion[0];
}

int DataModel::indexOfDevice(quint32 deviceId) const
{
    for (size_t i = 0; i < m_devices.size(); ++i) {
        if (m_devices[i]->packet.deviceId == deviceId)
            return int(i);
    }
    return -1;
}

int DataModel::appendEntry(const UDPBrowsingPacket &packet, bool online)
{
    auto entry = std::make_unique<DeviceEntry>();
    entry->packet = packet;
    entry->online = online;
    entry->lastSeen = now();
    connectSocket(*entry);
    m_devices.push_back(std::move(entry));
    return int(m_devices.size()) - 1;
}

// The address of the receiving interface in the device's subnet. Loopback and interfaces the
// discovery does not use give none.
QHostAddress DataModel::localAddressFor(int interfaceIndex, quint32 deviceAddress) const
{
    if (interfaceIndex <= 0)
        return {};
    for (const DiscoverySocket &pair : m_discoverySockets) {
        if (pair.iface.index == interfaceIndex)
            return InterfaceChoice::localAddressFor(pair.iface, QHostAddress(deviceAddress));
    }
    return {};
}

void DataModel::processAnnouncement(const QByteArray &datagram, int interfaceIndex)
{
    const std::optional<UDPBrowsingPacket> packet = UDPBrowsingPacket::parse(
            datagram, alternativeAnnouncementForm(), m_settings.productCode);
    if (!packet)
        return;
    const int index = indexOfDevice(packet->deviceId);
    if (index < 0)
        addDiscoveredDevice(*packet, interfaceIndex);
    else
        updateDiscoveredDevice(index, *packet, interfaceIndex);
}

void DataModel::addDiscoveredDevice(const UDPBrowsingPacket &packet, int interfaceIndex)
{
    m_registry->sqlAdd(packet);
    const int index = appendEntry(packet, true);
    DeviceEntry &entry = *m_devices[size_t(index)];
    entry.localAddress = localAddressFor(interfaceIndex, packet.ipAddress);
    emit deviceListAdd(&entry.packet, true);
}

void DataModel::updateDiscoveredDevice(int index, const UDPBrowsingPacket &packet,
                                       int interfaceIndex)
{
    using P = UDPBrowsingPacket;
    DeviceEntry &entry = *m_devices[size_t(index)];
    P &stored = entry.packet;
    const quint32 id = stored.deviceId;
    const uint i = uint(index);
    entry.lastSeen = now();

    const unsigned changed = P::changedFields(stored, packet);
    if (changed & P::IPAddressField) {
        stored.ipAddress = packet.ipAddress;
        emit deviceListIPAddressChanged(i, stored.ipAddress);
        m_registry->sqlUpdateIPAddress(id, stored.ipAddress);
    }
    if (changed & P::ModelField) {
        stored.model = packet.model;
        emit deviceListModelChanged(i, P::textString(stored.model));
        m_registry->sqlUpdateModel(id, stored.model);
    }
    if (changed & P::ARMVersionField) {
        stored.armVersion = packet.armVersion;
        emit deviceListARMVersionChanged(i, stored.armVersion[0], stored.armVersion[1],
                                         stored.armVersion[2]);
        m_registry->sqlUpdateARMVersion(id, stored.armVersion);
    }
    if (changed & P::DSPVersionField) {
        stored.dspVersion = packet.dspVersion;
        emit deviceListDSPVersionChanged(i, stored.dspVersion[0], stored.dspVersion[1],
                                         stored.dspVersion[2]);
        m_registry->sqlUpdateDSPVersion(id, stored.dspVersion);
    }
    if (changed & P::SerialNumberField) {
        stored.serialNumber = packet.serialNumber;
        emit deviceListSerialNumberChanged(i, P::textString(stored.serialNumber));
        m_registry->sqlUpdateSerialNumber(id, stored.serialNumber);
    }
    if (changed & P::LocationField) {
        stored.location = packet.location;
        emit deviceListLocationChanged(i, P::textString(stored.location));
        m_registry->sqlUpdateLocation(id, stored.location);
    }
    if (changed & P::DescriptionField) {
        stored.description = packet.description;
        emit deviceListDescriptionChanged(i, P::textString(stored.description));
        m_registry->sqlUpdateDescription(id, stored.description);
    }
    if (changed & P::FaultField) {
        stored.fault = packet.fault;
        emit deviceListFaultChanged(i, stored.fault != 0);
    }
    if (changed & P::PresetField) {
        stored.preset = packet.preset; // in memory only
        emit deviceListPresetChanged(i, P::textString(stored.preset));
    }
    stored.runTime = packet.runTime;
    stored.totalTime = packet.totalTime;
    emit deviceListRunTimeChanged(i, stored.runTime, stored.totalTime);

    if (!entry.online) {
        // A device coming back counts as a connection for the rotation's time-out report.
        entry.online = true;
        m_firstAddress = QHostAddress();
        m_hadConnection = true;
        emit deviceListNetworkChanged(index);
    }
    if (entry.localAddress.isNull())
        entry.localAddress = localAddressFor(interfaceIndex, stored.ipAddress);
}

int DataModel::addDeviceByAddress(quint32 address)
{
    QVector<quint32> used;
    used.reserve(int(m_devices.size()));
    for (const auto &entry : m_devices)
        used.append(entry->packet.deviceId);
    UDPBrowsingPacket packet;
    packet.deviceId = Discovery::manualDeviceId(used);
    packet.ipAddress = address;
    m_registry->sqlAdd(packet);
    const int index = appendEntry(packet, false);
    emit deviceListAdd(&m_devices[size_t(index)]->packet, false);
    return index;
}

void DataModel::setDeviceNetwork(int index, quint32 address, quint32 mask, quint32 gateway)
{
    if (index < 0 || index >= deviceCount())
        return;
    UDPBrowsingPacket &packet = m_devices[size_t(index)]->packet;
    if (packet.ipAddress != address) {
        packet.ipAddress = address;
        emit deviceListIPAddressChanged(uint(index), address);
        m_registry->sqlUpdateIPAddress(packet.deviceId, address);
    }
    const QByteArray datagram =
            Discovery::networkChangeDatagram(packet.deviceId, address, mask, gateway);
    for (const DiscoverySocket &pair : m_discoverySockets) {
        if (pair.socket)
            pair.socket->writeDatagram(datagram, QHostAddress(QHostAddress::Broadcast),
                                       Discovery::CommandPort);
    }
}

void DataModel::removeDevice(int index)
{
    if (index < 0 || index >= deviceCount())
        return;
    const bool wasSelected = index == m_currentIndex;
    if (wasSelected)
        stopLink(); // while the entry is still the current one
    m_registry->sqlRemove(m_devices[size_t(index)]->packet.deviceId);
    releaseSocket(*m_devices[size_t(index)]);
    m_devices.erase(m_devices.begin() + index);

    if (m_currentIndex > index) {
        --m_currentIndex;
        emit deviceListSelectionChanged(m_currentIndex, true);
    } else if (wasSelected) {
        applySelection(-1, true);
    }
    emit deviceListRemove(index);
}
