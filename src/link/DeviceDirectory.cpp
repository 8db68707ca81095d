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
    loadRegistry();
    m_interfaceCount = InterfaceChoice::usableCount(m_interfaces.interfaces());
    rebuildSockets();
}

// At start the rows come before any signal; a file that was locked then is read as soon as it
// is free, its devices joining the list like new ones (offline).
void DeviceDirectory::loadRegistry()
{
    DeviceRegistry::LoadResult result;
    const QVector<UdpBrowsingPacket> packets = m_registry->load(&result);
    if (result == DeviceRegistry::LoadResult::Locked)
        return;
    const bool late = !m_entries.empty();
    m_registryLoaded = true;
    for (const UdpBrowsingPacket &packet : packets) {
        const int known = indexOf(packet.deviceId);
        if (known >= 0) {
            m_entries[size_t(known)]->kept = true;
            continue;
        }
        if (count() >= MaxDevices)
            break;
        const int index = appendEntry(packet, false);
        DeviceEntry &entry = *m_entries[size_t(index)];
        entry.stored = true;
        entry.kept = true;
        if (late)
            emit deviceListAdd(&entry.packet, false);
    }
    checkRegistryProblem();
}

void DeviceDirectory::saveRegistry()
{
    if (!m_registryLoaded)
        loadRegistry();
    m_registry->flush();
    checkRegistryProblem();
}

void DeviceDirectory::checkRegistryProblem()
{
    if (m_problemTold || m_registry->problem() == DeviceRegistry::Problem::None)
        return;
    m_problemTold = true;
    emit registryProblem();
}

int DeviceDirectory::indexOf(quint32 deviceId) const
{
    return m_byId.value(deviceId, -1);
}

int DeviceDirectory::indexOfAddress(quint32 address) const
{
    return m_byAddress.value(address, -1);
}

void DeviceDirectory::keep(int index)
{
    if (index >= 0 && index < count())
        m_entries[size_t(index)]->kept = true;
}

// The first entry at or after from with the key, or -1.
template<typename Key>
static int firstFrom(const std::vector<std::unique_ptr<DeviceEntry>> &entries, size_t from,
                     Key key)
{
    for (size_t i = from; i < entries.size(); ++i) {
        if (key(*entries[i]))
            return int(i);
    }
    return -1;
}

// Entries from index on moved one place up: their places in the indexes follow.
void DeviceDirectory::reindexFrom(int index)
{
    for (size_t i = size_t(index); i < m_entries.size(); ++i) {
        const UdpBrowsingPacket &p = m_entries[i]->packet;
        auto id = m_byId.find(p.deviceId);
        if (id != m_byId.end() && *id == int(i) + 1)
            *id = int(i);
        auto address = m_byAddress.find(p.ipAddress);
        if (address != m_byAddress.end() && *address == int(i) + 1)
            *address = int(i);
    }
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
    if (count() >= MaxDevices)
        releaseRoom();
}

// The list is full: the entries that were heard once and are gone (what a flood of spoofed
// identities leaves) give back room, the longest unheard first.
void DeviceDirectory::releaseRoom()
{
    std::vector<std::pair<qint64, int>> candidates;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const DeviceEntry &entry = *m_entries[i];
        if (!entry.kept && !entry.stored && !entry.online)
            candidates.emplace_back(entry.lastSeen, int(i));
    }
    if (candidates.size() > size_t(ReleasedPerSecond)) {
        std::nth_element(candidates.begin(), candidates.begin() + ReleasedPerSecond,
                         candidates.end());
        candidates.resize(size_t(ReleasedPerSecond));
    }
    std::vector<int> indexes;
    for (const auto &candidate : candidates)
        indexes.push_back(candidate.second);
    std::sort(indexes.begin(), indexes.end(), std::greater<int>()); // the later ones first
    for (int index : indexes) {
        if (m_hooks.releaseEntry)
            m_hooks.releaseEntry(index);
        else
            remove(index);
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
    const int index = int(m_entries.size());
    m_byId.insert(packet.deviceId, m_byId.value(packet.deviceId, index));
    m_byAddress.insert(packet.ipAddress, m_byAddress.value(packet.ipAddress, index));
    m_entries.push_back(std::move(entry));
    return index;
}

// The entry gets its registry row now, with what it holds.
void DeviceDirectory::store(DeviceEntry &entry)
{
    entry.stored = true;
    m_registry->sqlAdd(entry.packet);
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
    if (count() >= MaxDevices) {
        if (m_refused++ == 0)
            qCDebug(lcLink) << "Device list full:" << MaxDevices << "devices";
        return;
    }
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
    // Rows are written only for a device already remembered; one heard the second time gets
    // its row below, with what it says now.
    DeviceRegistry *registry = entry.stored ? m_registry.get() : nullptr;
    if (changed & P::IPAddressField) {
        moveAddress(index, stored.ipAddress, packet.ipAddress);
        stored.ipAddress = packet.ipAddress;
        emit deviceListIPAddressChanged(i, stored.ipAddress);
        if (registry)
            registry->sqlUpdateIPAddress(id, stored.ipAddress);
    }
    if (changed & P::ModelField) {
        stored.model = packet.model;
        emit deviceListModelChanged(i, P::textString(stored.model));
        if (registry)
            registry->sqlUpdateModel(id, stored.model);
    }
    if (changed & P::ARMVersionField) {
        stored.armVersion = packet.armVersion;
        emit deviceListARMVersionChanged(i, stored.armVersion[0], stored.armVersion[1],
                                         stored.armVersion[2]);
        if (registry)
            registry->sqlUpdateARMVersion(id, stored.armVersion);
    }
    if (changed & P::DSPVersionField) {
        stored.dspVersion = packet.dspVersion;
        emit deviceListDSPVersionChanged(i, stored.dspVersion[0], stored.dspVersion[1],
                                         stored.dspVersion[2]);
        if (registry)
            registry->sqlUpdateDSPVersion(id, stored.dspVersion);
    }
    if (changed & P::SerialNumberField) {
        stored.serialNumber = packet.serialNumber;
        emit deviceListSerialNumberChanged(i, P::textString(stored.serialNumber));
        if (registry)
            registry->sqlUpdateSerialNumber(id, stored.serialNumber);
    }
    if (changed & P::LocationField) {
        stored.location = packet.location;
        emit deviceListLocationChanged(i, P::textString(stored.location));
        if (registry)
            registry->sqlUpdateLocation(id, stored.location);
    }
    if (changed & P::DescriptionField) {
        stored.description = packet.description;
        emit deviceListDescriptionChanged(i, P::textString(stored.description));
        if (registry)
            registry->sqlUpdateDescription(id, stored.description);
    }
    if (changed & P::FaultField) {
        stored.fault = packet.fault;
        emit deviceListFaultChanged(i, stored.fault != 0);
    }
    if (changed & P::PresetField) {
        stored.preset = packet.preset; // in memory only
        emit deviceListPresetChanged(i, P::textString(stored.preset));
    }
    if (!entry.stored)
        store(entry);
    // Shown only by the full list, which follows it; nothing else is done for it.
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
    const int index = appendEntry(packet, false);
    DeviceEntry &entry = *m_entries[size_t(index)];
    entry.kept = true;
    store(entry);
    emit deviceListAdd(&entry.packet, false);
    return index;
}

// The address index follows an entry's new address; the old one goes to the next entry that
// has it, if any.
void DeviceDirectory::moveAddress(int index, quint32 from, quint32 to)
{
    if (from == to)
        return;
    if (m_byAddress.value(from, -1) == index) {
        const int next = firstFrom(m_entries, size_t(index) + 1,
                                   [from](const DeviceEntry &e) { return e.packet.ipAddress == from; });
        if (next >= 0)
            m_byAddress.insert(from, next);
        else
            m_byAddress.remove(from);
    }
    const int holder = m_byAddress.value(to, -1);
    if (holder < 0 || holder > index)
        m_byAddress.insert(to, index);
}

void DeviceDirectory::changeAddress(int index, quint32 address)
{
    DeviceEntry &entry = *m_entries[size_t(index)];
    UdpBrowsingPacket &packet = entry.packet;
    if (packet.ipAddress == address)
        return;
    moveAddress(index, packet.ipAddress, address);
    packet.ipAddress = address;
    emit deviceListIPAddressChanged(uint(index), address);
    if (entry.stored)
        m_registry->sqlUpdateIPAddress(packet.deviceId, address);
    else
        store(entry);
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
    DeviceEntry &entry = *m_entries[size_t(index)];
    UdpBrowsingPacket &packet = entry.packet;
    const quint32 oldId = packet.deviceId;
    if (m_byId.value(oldId, -1) == index) {
        const int next = firstFrom(m_entries, size_t(index) + 1,
                                   [oldId](const DeviceEntry &e) { return e.packet.deviceId == oldId; });
        if (next >= 0)
            m_byId.insert(oldId, next);
        else
            m_byId.remove(oldId);
    }
    packet.deviceId = deviceId;
    const int holder = m_byId.value(deviceId, -1);
    if (holder < 0 || holder > index)
        m_byId.insert(deviceId, index);
    emit deviceListDeviceIDChanged(uint(index), deviceId);
    if (entry.stored)
        m_registry->sqlUpdateDeviceId(oldId, deviceId);
    else
        store(entry);
}

void DeviceDirectory::remove(int index)
{
    if (index < 0 || index >= count())
        return;
    DeviceEntry &entry = *m_entries[size_t(index)];
    const quint32 id = entry.packet.deviceId;
    const quint32 address = entry.packet.ipAddress;
    if (entry.stored)
        m_registry->sqlRemove(id);
    if (m_hooks.entryRemoved)
        m_hooks.entryRemoved(entry);
    m_entries.erase(m_entries.begin() + index);
    // Its places in the indexes go to the next entries with the same keys, then all shift.
    const auto replace = [&](QHash<quint32, int> &hash, quint32 key, auto matches) {
        if (hash.value(key, -1) != index)
            return;
        const int next = firstFrom(m_entries, size_t(index), matches);
        if (next >= 0)
            hash.insert(key, next + 1); // shifted below
        else
            hash.remove(key);
    };
    replace(m_byId, id, [id](const DeviceEntry &e) { return e.packet.deviceId == id; });
    replace(m_byAddress, address,
            [address](const DeviceEntry &e) { return e.packet.ipAddress == address; });
    reindexFrom(index);
}
