#pragma once

#include "DeviceEntry.h"
#include "DeviceRegistry.h"
#include "DiscoverySocket.h"
#include "LinkSettings.h"
#include "NetworkInterfaceProvider.h"
#include "UdpBrowsingPacket.h"
#include "wire/Clock.h"

#include <QHash>
#include <QObject>
#include <QUdpSocket>

#include <functional>
#include <memory>
#include <vector>

// The processors the program knows: entries made from announcements, from the registry and by
// hand, their ageing, the discovery sockets and the network-change command, and the registry
// rows behind them. Every change of a shown field is told by a deviceList* signal.
//
// Bound: at most MaxDevices entries. Past it, an unknown identity takes no room until the
// once-a-second ageing gives some back: the entries heard only once, offline, never selected,
// the longest unheard first. Entries from the registry, added by hand or selected stay.
class DeviceDirectory : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxDevices = DeviceRegistry::MaxRows;
    // Given back per second at most, so a flood never turns the list over wholesale.
    static constexpr int ReleasedPerSecond = MaxDevices / 20;

    struct Hooks
    {
        // Whether announcements come in the alternative form (the u32 7 at offset 4).
        std::function<bool()> alternativeForm;
        // A new entry gets its control socket; a removed one gives it back.
        std::function<void(DeviceEntry &)> entryCreated;
        std::function<void(DeviceEntry &)> entryRemoved;
        // An entry given up to make room: the owner removes it as if the user had (index).
        std::function<void(int)> releaseEntry;
    };

    DeviceDirectory(const LinkSettings &settings, Clock clock,
                    NetworkInterfaceProvider &interfaces, Hooks hooks, QObject *parent = nullptr);
    ~DeviceDirectory() override;

    // Loads the known devices (offline) and binds the discovery sockets.
    void start(const QString &registryFile);

    int count() const { return int(m_entries.size()); }
    DeviceEntry &entry(int index) { return *m_entries[size_t(index)]; }
    const DeviceEntry &entry(int index) const { return *m_entries[size_t(index)]; }
    int indexOf(quint32 deviceId) const;
    // The first entry with that address, or -1.
    int indexOfAddress(quint32 address) const;
    DeviceRegistry &registry() { return *m_registry; }

    // Recreates the sockets: the receiving one on the any-address and one per usable interface.
    void rebuildSockets();
    int socketCount() const;
    int interfaceCount() const { return m_interfaceCount; }
    // Once a second: a changed set of interfaces rebuilds the sockets; devices not heard for 2 s
    // go offline.
    void checkInterfaces();
    void ageDevices();
    // Once a second: reads a registry that was locked at start, writes the queued changes.
    void saveRegistry();
    // The entry is never given up to make room (the user selected it).
    void keep(int index);
    // Unknown identities not taken because the list was full, this run.
    int refusedCount() const { return m_refused; }

    // One received datagram with the index of the interface it arrived on (0 when unknown).
    void processAnnouncement(const QByteArray &datagram, int interfaceIndex);
    // A device added by hand under a provisional identifier; returns its index.
    int addByAddress(quint32 address);
    // Stores the new address and sends the network-change command out of every interface.
    void changeNetwork(int index, quint32 address, quint32 mask, quint32 gateway);
    void changeAddress(int index, quint32 address);
    void changeDeviceId(int index, quint32 deviceId);
    // Forgets the entry and its registry row; the caller tells the views.
    void remove(int index);

public slots:
    void udpReadyRead();

signals:
    // The registry could not be read or written; registry().problem() says which.
    void registryProblem();
    // A device heard again after it went offline (before deviceListNetworkChanged).
    void deviceReturned(int index);
    void deviceListNetworkChanged(int index);
    void deviceListAdd(UdpBrowsingPacket *packet, bool online);
    void deviceListIPAddressChanged(uint index, uint address);
    void deviceListModelChanged(uint index, QString model);
    void deviceListARMVersionChanged(uint index, uchar major, uchar minor, uchar patch);
    void deviceListDSPVersionChanged(uint index, uchar major, uchar minor, uchar patch);
    void deviceListSerialNumberChanged(uint index, QString serialNumber);
    void deviceListLocationChanged(uint index, QString location);
    void deviceListDescriptionChanged(uint index, QString description);
    void deviceListFaultChanged(uint index, bool fault);
    void deviceListPresetChanged(uint index, QString preset);
    void deviceListRunTimeChanged(uint index, uint run, uint total);
    void deviceListDeviceIDChanged(uint index, uint deviceId);

private:
    int appendEntry(const UdpBrowsingPacket &packet, bool online);
    void loadRegistry();
    void reindexFrom(int index);
    void moveAddress(int index, quint32 from, quint32 to);
    void store(DeviceEntry &entry);
    void releaseRoom();
    void checkRegistryProblem();
    void addDiscovered(const UdpBrowsingPacket &packet, int interfaceIndex);
    void updateDiscovered(int index, const UdpBrowsingPacket &packet, int interfaceIndex);
    QHostAddress localAddressFor(int interfaceIndex, quint32 deviceAddress) const;
    std::unique_ptr<QUdpSocket> bindSocket(const QHostAddress &address);

    const LinkSettings &m_settings;
    Clock m_clock;
    NetworkInterfaceProvider &m_interfaces;
    Hooks m_hooks;
    std::vector<std::unique_ptr<DeviceEntry>> m_entries;
    std::unique_ptr<DeviceRegistry> m_registry;
    std::unique_ptr<QUdpSocket> m_announcementSocket;
    std::vector<DiscoverySocket> m_sockets;
    int m_interfaceCount = 0;
    QHash<quint32, int> m_byId; // identifier -> first entry with it
    QHash<quint32, int> m_byAddress; // address -> first entry with it
    bool m_registryLoaded = false;
    bool m_problemTold = false;
    int m_refused = 0;
};
