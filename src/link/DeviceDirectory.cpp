// Announcements are broadcast to 255.255.255.255. On Linux a socket bound to an interface's
// unicast address never sees such a broadcast, so they are received on a socket bound to the
// any-address, which reports each datagram's receiving interface. The per-interface sockets
// remain: they take what is addressed to their interface and send the network-change command
// out of every interface.
#include "DeviceDirectory.h"

#include "Discovery.h"
#include "InterfaceChoice.h"
#include "wire/LinkLog.h"

#include <QNetworkDatagram>
#include <QPointer>

#include <algorithm>

namespace {

// Datagrams handled per readyRead; the rest wait for the next turn of the event loop, so a
// flood never holds the window.
constexpr int DatagramsPerRead = 16;
constexpr qint64 OfflineAfterMs = 2000; // no announcement for 2 s

constexpr QAbstractSocket::BindMode DiscoveryBindMode =
        QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint;

} // namespace

DeviceDirectory::DeviceDirectory(const LinkSettings &settings, Clock clock,
                                 NetworkInterfaceProvider &interfaces, Hooks hooks,
                                 QObject *parent)
    : QObject(parent), m_settings(settings), m_clock(std::move(clock)), m_interfaces(interfaces),
      m_hooks(std::move(hooks))
{
}

DeviceDirectory::~DeviceDirectory()
{
    for (auto &entry : m_entries) {
        if (m_hooks.entryRemoved)
            m_hooks.entryRemoved(*entry);
    }
}

void DeviceDirectory::start(const QString &registryFile)
{
    m_registry = std::make_unique<DeviceRegistry>(registryFile);
    const QVector<UdpBrowsingPacket> packets = m_registry->load();
    for (const UdpBrowsingPacket &packet : packets)
        appendEntry(packet, false);
    m_interfaceCount = InterfaceChoice::usableCount(m_interfaces.interfaces());
    rebuildSockets();
}

int DeviceDirectory::indexOf(quint32 deviceId) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i]->packet.deviceId == deviceId)
            return int(i);
    }
    return -1;
}

std::unique_ptr<QUdpSocket> DeviceDirectory::bindSocket(const QHostAddress &address)
{
    auto socket = std::make_unique<QUdpSocket>();
    if (!socket->bind(address, m_settings.broadcastPort, DiscoveryBindMode)) {
        qCDebug(lcLink) << "Discovery socket on" << address.toString()
                        << "failed:" << socket->errorString();
        m_interfaceCount = -1; // the next once-a-second check tries again
        return nullptr;
    }
    connect(socket.get(), &QUdpSocket::readyRead, this, &DeviceDirectory::udpReadyRead);
    return socket;
}

void DeviceDirectory::rebuildSockets()
{
    m_sockets.clear();
    if (!m_announcementSocket)
        m_announcementSocket = bindSocket(QHostAddress(QHostAddress::AnyIPv4));

    const QList<NetworkInterfaceInfo> interfaces = m_interfaces.interfaces();
    for (const NetworkInterfaceInfo &iface : interfaces) {
        if (!InterfaceChoice::isUsable(iface))
            continue;
        DiscoverySocket pair;
        pair.iface = iface;
        const QHostAddress address = InterfaceChoice::firstIPv4(iface);
        if (!address.isNull())
            pair.socket = bindSocket(address);
        m_sockets.push_back(std::move(pair));
    }
}

int DeviceDirectory::socketCount() const
{
    return int(std::count_if(m_sockets.begin(), m_sockets.end(),
                             [](const DiscoverySocket &pair) { return bool(pair.socket); }));
}

void DeviceDirectory::checkInterfaces()
{
    const int count = InterfaceChoice::usableCount(m_interfaces.interfaces());
    if (count != m_interfaceCount) {
        m_interfaceCount = count;
        rebuildSockets();
    }
}

void DeviceDirectory::ageDevices()
{
    const qint64 t = m_clock();
    for (size_t i = 0; i < m_entries.size(); ++i) {
        DeviceEntry &entry = *m_entries[i];
        if (!entry.online || entry.lastSeen + OfflineAfterMs >= t)
            continue;
        entry.online = false;
        emit deviceListNetworkChanged(int(i));
        entry.packet.fault = 0;
        emit deviceListFaultChanged(uint(i), false);
    }
}

void DeviceDirectory::udpReadyRead()
{
    QPointer<QUdpSocket> socket = qobject_cast<QUdpSocket *>(sender());
    if (!socket)
        return;
    int fixedInterface = -1; // a per-interface socket knows its interface
    for (const DiscoverySocket &pair : m_sockets) {
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

int DeviceDirectory::appendEntry(const UdpBrowsingPacket &packet, bool online)
{
    auto entry = std::make_unique<DeviceEntry>();
    entry->packet = packet;
    entry->online = online;
    entry->lastSeen = m_clock();
    if (m_hooks.entryCreated)
        m_hooks.entryCreated(*entry);
    m_entries.push_back(std::move(entry));
    return int(m_entries.size()) - 1;
}

// The address of the receiving interface in the device's subnet. Loopback and interfaces the
// discovery does not use give none.
QHostAddress DeviceDirectory::localAddressFor(int interfaceIndex, quint32 deviceAddress) const
{
    if (interfaceIndex <= 0)
        return {};
    for (const DiscoverySocket &pair : m_sockets) {
        if (pair.iface.index == interfaceIndex)
            return InterfaceChoice::localAddressFor(pair.iface, QHostAddress(deviceAddress));
    }
    return {};
}

void DeviceDirectory::processAnnouncement(const QByteArray &datagram, int interfaceIndex)
{
    const bool alternative = m_hooks.alternativeForm && m_hooks.alternativeForm();
    const std::optional<UdpBrowsingPacket> packet =
            UdpBrowsingPacket::parse(datagram, alternative, m_settings.productCode);
    if (!packet)
        return;
    const int index = indexOf(packet->deviceId);
    if (index < 0)
        addDiscovered(*packet, interfaceIndex);
    else
        updateDiscovered(index, *packet, interfaceIndex);
}

void DeviceDirectory::addDiscovered(const UdpBrowsingPacket &packet, int interfaceIndex)
{
    m_registry->sqlAdd(packet);
    const int index = appendEntry(packet, true);
    DeviceEntry &entry = *m_entries[size_t(index)];
    entry.localAddress = localAddressFor(interfaceIndex, packet.ipAddress);
    emit deviceListAdd(&entry.packet, true);
}

void DeviceDirectory::updateDiscovered(int index, const UdpBrowsingPacket &packet,
                                       int interfaceIndex)
{
    using P = UdpBrowsingPacket;
    DeviceEntry &entry = *m_entries[size_t(index)];
    P &stored = entry.packet;
    const quint32 id = stored.deviceId;
    const uint i = uint(index);
    entry.lastSeen = m_clock();

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
        entry.online = true;
        emit deviceReturned(index);
        emit deviceListNetworkChanged(index);
    }
    if (entry.localAddress.isNull())
        entry.localAddress = localAddressFor(interfaceIndex, stored.ipAddress);
}

int DeviceDirectory::addByAddress(quint32 address)
{
    QVector<quint32> used;
    used.reserve(int(m_entries.size()));
    for (const auto &entry : m_entries)
        used.append(entry->packet.deviceId);
    UdpBrowsingPacket packet;
    packet.deviceId = Discovery::manualDeviceId(used);
    packet.ipAddress = address;
    m_registry->sqlAdd(packet);
    const int index = appendEntry(packet, false);
    emit deviceListAdd(&m_entries[size_t(index)]->packet, false);
    return index;
}

void DeviceDirectory::changeAddress(int index, quint32 address)
{
    UdpBrowsingPacket &packet = m_entries[size_t(index)]->packet;
    if (packet.ipAddress == address)
        return;
    packet.ipAddress = address;
    emit deviceListIPAddressChanged(uint(index), address);
    m_registry->sqlUpdateIPAddress(packet.deviceId, address);
}

void DeviceDirectory::changeNetwork(int index, quint32 address, quint32 mask, quint32 gateway)
{
    if (index < 0 || index >= count())
        return;
    changeAddress(index, address);
    const QByteArray datagram = Discovery::networkChangeDatagram(
            m_entries[size_t(index)]->packet.deviceId, address, mask, gateway);
    for (const DiscoverySocket &pair : m_sockets) {
        if (pair.socket)
            pair.socket->writeDatagram(datagram, QHostAddress(QHostAddress::Broadcast),
                                       Discovery::CommandPort);
    }
}

void DeviceDirectory::changeDeviceId(int index, quint32 deviceId)
{
    UdpBrowsingPacket &packet = m_entries[size_t(index)]->packet;
    const quint32 oldId = packet.deviceId;
    packet.deviceId = deviceId;
    emit deviceListDeviceIDChanged(uint(index), deviceId);
    m_registry->sqlUpdateDeviceId(oldId, deviceId);
}

void DeviceDirectory::remove(int index)
{
    if (index < 0 || index >= count())
        return;
    m_registry->sqlRemove(m_entries[size_t(index)]->packet.deviceId);
    if (m_hooks.entryRemoved)
        m_hooks.entryRemoved(*m_entries[size_t(index)]);
    m_entries.erase(m_entries.begin() + index);
}
