#pragma once

#include "wire/Clock.h"
#include "link/DeviceEntry.h"
#include "link/DeviceRegistry.h"
#include "link/DiscoverySocket.h"
#include "wire/Frame.h"
#include "wire/FrameReassembler.h"
#include "link/LinkEnvironment.h"
#include "link/LinkSettings.h"
#include "wire/MessageId.h"
#include "link/NetworkInterfaceProvider.h"
#include "link/UdpBrowsingPacket.h"
#include "model/WriteThrottle.h"
#include "model/ParameterMirror.h"
#include "model/ReplyOutcome.h"
#include "model/StatusPoll.h"

#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <QVariant>

#include <memory>
#include <vector>

// The one device model of the program: the list of known processors with their connections,
// the control link to the selected one, and the mirror of its parameters. Views never build
// frames: they write the mirror and call the send operations with a message identity.
//
// The class is implemented by concern: model/DataModel.cpp (life cycle),
// link/DataModelTransport.cpp (frames in and out), link/DataModelConnection.cpp (selection,
// connection attempts, the 10 ms link tick, login), the discovery and registry parts in link/,
// and the reply handling and poll parts in model/.
class DataModel : public QObject
{
    Q_OBJECT

public:
    using UDPBrowsingPacket = UdpBrowsingPacket;

    explicit DataModel(const LinkSettings &settings, Clock clock = systemClock(),
                       QObject *parent = nullptr);
    // The same with every seam of the link given: clock, network interfaces, registry file.
    DataModel(const LinkSettings &settings, LinkEnvironment environment, QObject *parent = nullptr);
    ~DataModel() override;

    static DataModel *instance();

    // ---- transport ----------------------------------------------------------------------
    void sendFrame(quint8 type, quint8 subType, quint8 funcId, quint8 flag, const char *payload,
                   int length);
    void sendFrame(MessageId id, quint8 flag, const QByteArray &payload = {});
    void sendRead(MessageId id, const QByteArray &payload = {});
    void sendWrite(MessageId id, const QByteArray &payload = {});
    void queueWrite(MessageId id, quint8 channel, quint8 index, const QByteArray &payload);

    const LastWrite &lastWrite() const { return m_writes.lastWrite(); }
    const std::vector<PendingWrite> &pendingWrites() const { return m_writes.pending(); }
    qint64 lastReceiveTime() const { return m_lastReceiveTime; }
    qint64 now() const { return m_clock(); }

    // The receive path behind tcpReadyRead: appends bytes of the current connection and
    // dispatches every complete frame. Tests and the fuzzers feed it directly.
    void receiveBytes(const char *data, int size);

    // ---- settings -------------------------------------------------------------------------
    const LinkSettings &linkSettings() const { return m_settings; }
    void setBootMode(int bootMode) { m_settings.bootMode = bootMode; }

    // ---- device list and connection -------------------------------------------------------
    int currentIndex() const { return m_currentIndex; }
    int deviceCount() const { return int(m_devices.size()); }
    const DeviceEntry &device(int index) const { return *m_devices[size_t(index)]; }
    bool isLoggedIn() const { return m_loggedIn; }
    QTcpSocket *currentSocket() const;
    // The local address of the current attempt, the first one of the running rotation (null
    // when none runs), and whether a connection happened since that rotation began.
    const QHostAddress &boundAddress() const { return m_boundAddress; }
    const QHostAddress &firstAddress() const { return m_firstAddress; }
    bool hadConnection() const { return m_hadConnection; }
    int interfaceCount() const { return m_interfaceCount; }

    void selectDevice(int index, bool flag);
    // A device added by hand under a provisional identifier; returns its index.
    int addDeviceByAddress(quint32 address);
    void setDeviceNetwork(int index, quint32 address, quint32 mask, quint32 gateway);
    void removeDevice(int index);

    // ---- connection and login -------------------------------------------------------------
    void login(const QString &password, bool remember);
    // Drops both stored passwords (the device's admin password was changed).
    void forgetPasswords();
    const QString &enteredPassword() const { return m_enteredPassword; }
    const QString &rememberedPassword() const { return m_rememberedPassword; }
    // Entry points of the system reply handlers: the login result (2,1,1|2) with its one status
    // byte, and the identifier the connected device reports (2,2,29) when it differs from the
    // last one reported.
    void loginReplyReceived(quint8 status);
    void deviceIdReported(quint32 deviceId);

    // ---- discovery ------------------------------------------------------------------------
    // Recreates the sockets: the receiving one on the any-address and one per usable interface.
    void rebuildDiscoverySockets();
    int discoverySocketCount() const;
    // One received datagram with the index of the interface it arrived on (0 when unknown).
    // Tests and the fuzzers feed it directly.
    void processAnnouncement(const QByteArray &datagram, int interfaceIndex);
    // Announcements carry the u32 7 at offset 4 (110 bytes).
    bool alternativeAnnouncementForm() const;

    // ---- registry -------------------------------------------------------------------------
    DeviceRegistry &registry() { return *m_registry; }

    // ---- parameter mirror -----------------------------------------------------------------
    // Views read and write the fields directly, then send the matching set message.
    struct Filter
    {
        using HLPF = HlpfFilter;
        using PEQ = PeqFilter;
    };
    using Limiter = LimiterParams;

    ParameterMirror &mirror() { return m_mirror; }
    const ParameterMirror &mirror() const { return m_mirror; }
    InputChannel &input(int index) { return m_mirror.inputs[size_t(index)]; }
    OutputChannel &output(int index) { return m_mirror.outputs[size_t(index)]; }
    DeviceInfo &deviceInfo() { return m_mirror.device; }

    // Forgets the live values of the last device and announces the fixed redraw list.
    void resetMirror();
    void setDanteChannelNames(quint16 danteInputMask, quint16 danteOutputMask);
    // After an accepted login: the USB list counts and the device id start over, so the next
    // reports are announced and the lists asked for again.
    void resetLoginCounters();
    // tcpSyncToUI for a change a view made itself that other views must follow.
    void announce(MessageId id, quint8 channel = 255, quint8 other = 255,
                  const QVariant &value = {});

    // What the status poll looks at: the module page on screen, its selected channel, and the
    // administration dialogs that are open (StatusPoll::Dialog bits).
    int currentModule() const { return m_currentModule; }
    void setCurrentModule(int module) { m_currentModule = module; }
    quint8 currentChannel() const { return m_currentChannel; }
    void setCurrentChannel(quint8 channel) { m_currentChannel = channel; }
    quint8 openDialogs() const { return m_openDialogs; }
    void setOpenDialogs(quint8 mask) { m_openDialogs = mask; }
    void setDialogOpen(StatusPoll::Dialog dialog, bool open);
    // Sends each query as a read request (flag 0), in order, in one write.
    void sendQueries(const std::vector<StatusQuery> &queries);

public slots:
    void tcpReadyRead();
    void tcpConnected();
    void tcpStateChanged(QAbstractSocket::SocketState state);
    void timeout();
    void udpReadyRead();

signals:
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     QVariant any);
    void tcpLoginChanged(uchar status);
    void tcpConnectTimeout(bool exhausted);
    void deviceListNetworkChanged(int index);
    void deviceListSelectionChanged(int index, bool flag);
    void deviceListAdd(DataModel::UDPBrowsingPacket *packet, bool online);
    void deviceListRemove(int index);
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // ---- transport ----
    void dispatch(const ReceivedFrame &frame);
    void dispatchUpgrade(const ReceivedFrame &frame);
    void dispatchSystem(const ReceivedFrame &frame);
    void dispatchAudio(const ReceivedFrame &frame);
    void dispatchDante(const ReceivedFrame &frame);
    void transportTick();
    void stopLink();

    // ---- connection and login ----
    void startConnectionAttempt();
    void connectSocket(DeviceEntry &entry);
    void releaseSocket(DeviceEntry &entry);
    int indexOfSocket(const QObject *socket) const;
    void applySelection(int index, bool flag);
    void checkInterfaces();
    void ageDevices();
    void sendClock();

    // ---- discovery ----
    void startDeviceLink(LinkEnvironment &environment);
    int indexOfDevice(quint32 deviceId) const;
    int appendEntry(const UDPBrowsingPacket &packet, bool online);
    void addDiscoveredDevice(const UDPBrowsingPacket &packet, int interfaceIndex);
    void updateDiscoveredDevice(int index, const UDPBrowsingPacket &packet, int interfaceIndex);
    QHostAddress localAddressFor(int interfaceIndex, quint32 deviceAddress) const;
    std::unique_ptr<QUdpSocket> bindDiscoverySocket(const QHostAddress &address);
    quint8 connectedArmMajor() const;

    // ---- registry ----
    void loadRegistry(const QString &fileName);

    // ---- parameter mirror ----

    // ---- reply handling ----
    using ReplyHandlerEntry = void (*)(ParameterMirror &, const ReceivedFrame &, const LastWrite &,
                                       ReplyOutcome &);
    void handleReply(ReplyHandlerEntry entry, const ReceivedFrame &frame);
    void publish(const ReplyOutcome &outcome);

    // ---- status poll ----
    void poll();

    LinkSettings m_settings;
    Clock m_clock;
    QTimer m_timer;

    char m_sendBuffer[Frame::MaxFrameSize];
    FrameReassembler m_receive;
    WriteThrottle m_writes;
    qint64 m_lastReceiveTime = 0;

    std::vector<std::unique_ptr<DeviceEntry>> m_devices;
    int m_currentIndex = -1;
    bool m_loggedIn = false;
    qint64 m_tickCount = 0;
    QString m_enteredPassword;
    QString m_rememberedPassword;
    QHostAddress m_boundAddress;
    QHostAddress m_firstAddress;
    bool m_hadConnection = true;
    int m_interfaceCount = 0;

    std::unique_ptr<NetworkInterfaceProvider> m_interfaces;
    std::unique_ptr<QUdpSocket> m_announcementSocket;
    std::vector<DiscoverySocket> m_discoverySockets;
    std::unique_ptr<DeviceRegistry> m_registry;

    ParameterMirror m_mirror;
    ReplyOutcome m_replyOutcome; // reused from reply to reply
    int m_currentModule = StatusPoll::LevelPreMix;
    quint8 m_currentChannel = 0;
    quint8 m_openDialogs = 0;
    std::vector<StatusQuery> m_pollQueries; // reused from tick to tick
    std::vector<char> m_queryBytes; // the tick's frames, written at once
};
