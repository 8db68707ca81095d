#pragma once

#include "link/DeviceConnection.h"
#include "link/DeviceDirectory.h"
#include "link/LinkEnvironment.h"
#include "link/LinkSettings.h"
#include "model/ParameterMirror.h"
#include "model/ReplyOutcome.h"
#include "model/StatusPoll.h"
#include "model/WriteThrottle.h"
#include "wire/Clock.h"
#include "wire/Frame.h"
#include "wire/MessageId.h"

#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QVariant>

#include <memory>
#include <vector>

// The one device model the views know: a facade over the device directory (known processors,
// discovery, registry), the device connection (the control link to the selected one), the write
// throttle, the reply handlers and the status poll, with the mirror of the device's parameters.
// Views never build frames: they write the mirror and call the send operations with a message
// identity. The 10 ms tick drives everything periodic.
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
    qint64 lastReceiveTime() const { return m_connection->lastReceiveTime(); }
    qint64 now() const { return m_clock(); }
    // Ticks since the current connection attempt began (the poll's time base).
    qint64 tickCount() const { return m_connection->tickCount(); }

    // The receive path behind tcpReadyRead: appends bytes of the current connection and
    // dispatches every complete frame. Tests and the fuzzers feed it directly.
    void receiveBytes(const char *data, int size);

    // ---- settings -------------------------------------------------------------------------
    const LinkSettings &linkSettings() const { return m_settings; }
    void setBootMode(int bootMode) { m_settings.bootMode = bootMode; }

    // ---- device list and connection -------------------------------------------------------
    int currentIndex() const { return m_connection->currentIndex(); }
    int deviceCount() const { return m_directory->count(); }
    const DeviceEntry &device(int index) const { return m_directory->entry(index); }
    bool isLoggedIn() const { return m_connection->isLoggedIn(); }
    QTcpSocket *currentSocket() const { return m_connection->currentSocket(); }
    // The local address of the current attempt, the first one of the running rotation (null
    // when none runs), and whether a connection happened since that rotation began.
    const QHostAddress &boundAddress() const { return m_connection->boundAddress(); }
    const QHostAddress &firstAddress() const { return m_connection->firstAddress(); }
    bool hadConnection() const { return m_connection->hadConnection(); }
    int interfaceCount() const { return m_directory->interfaceCount(); }

    void selectDevice(int index, bool flag);
    // A device added by hand under a provisional identifier; returns its index.
    int addDeviceByAddress(quint32 address);
    void setDeviceNetwork(int index, quint32 address, quint32 mask, quint32 gateway);
    void removeDevice(int index);

    // ---- connection and login -------------------------------------------------------------
    void login(const QString &password, bool remember);
    // Drops both stored passwords (the device's admin password was changed).
    void forgetPasswords();
    const QString &enteredPassword() const { return m_connection->enteredPassword(); }
    const QString &rememberedPassword() const { return m_connection->rememberedPassword(); }
    // Entry points of the system reply handlers: the login result (2,1,1|2) with its one status
    // byte, and the identifier the connected device reports (2,2,29) when it differs from the
    // last one reported.
    void loginReplyReceived(quint8 status);
    void deviceIdReported(quint32 deviceId);

    // ---- discovery ------------------------------------------------------------------------
    // Recreates the sockets: the receiving one on the any-address and one per usable interface.
    void rebuildDiscoverySockets() { m_directory->rebuildSockets(); }
    int discoverySocketCount() const { return m_directory->socketCount(); }
    // One received datagram with the index of the interface it arrived on (0 when unknown).
    // Tests and the fuzzers feed it directly.
    void processAnnouncement(const QByteArray &datagram, int interfaceIndex);
    // Announcements carry the u32 7 at offset 4 (110 bytes).
    bool alternativeAnnouncementForm() const;

    // ---- registry -------------------------------------------------------------------------
    DeviceRegistry &registry() { return m_directory->registry(); }
    // The device list and its lookups, for the views that show it.
    DeviceDirectory &directory() { return *m_directory; }

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
    void timeout();

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
    // devices.db could not be read or written (once a run); registry().problem() says which.
    void deviceRegistryProblem();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dispatch(const ReceivedFrame &frame);
    void transportTick();
    void stopLink();
    void applySelection(int index, bool flag);
    void sendClock();
    quint8 connectedArmMajor() const;

    using ReplyHandlerEntry = void (*)(ParameterMirror &, const ReceivedFrame &, const LastWrite &,
                                       ReplyOutcome &);
    void handleReply(ReplyHandlerEntry entry, const ReceivedFrame &frame);
    void publish(const ReplyOutcome &outcome);

    void poll();

    LinkSettings m_settings;
    Clock m_clock;
    QTimer m_timer;
    std::unique_ptr<NetworkInterfaceProvider> m_interfaces;
    std::unique_ptr<DeviceDirectory> m_directory;
    std::unique_ptr<DeviceConnection> m_connection;
    WriteThrottle m_writes;

    ParameterMirror m_mirror;
    ReplyOutcome m_replyOutcome; // reused from reply to reply
    int m_currentModule = StatusPoll::LevelPreMix;
    quint8 m_currentChannel = 0;
    quint8 m_openDialogs = 0;
    std::vector<StatusQuery> m_pollQueries; // reused from tick to tick
    std::vector<char> m_queryBytes; // the tick's frames, written at once
};
