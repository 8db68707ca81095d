#pragma once

#include "link/Clock.h"
#include "link/DeviceEntry.h"
#include "link/Frame.h"
#include "link/FrameReassembler.h"
#include "link/LinkSettings.h"
#include "link/MessageId.h"
#include "link/UdpBrowsingPacket.h"
#include "link/WriteThrottle.h"
#include "model/ParameterMirror.h"
#include "model/ReplyOutcome.h"
#include "model/StatusPoll.h"

#include <QAbstractSocket>
#include <QObject>
#include <QTimer>
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

    void selectDevice(int index, bool flag);
    // Until discovery lands: adds an offline entry for a numeric IPv4 address.
    int appendDevice(const UDPBrowsingPacket &packet);

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

signals:
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     QVariant any);
    void tcpLoginChanged(uchar status);
    void tcpConnectTimeout(bool exhausted);
    void deviceListNetworkChanged(int index);
    void deviceListSelectionChanged(int index, bool flag);

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
    int indexOfSocket(const QObject *socket) const;
    // Called by the reply dispatcher: the login result (2,1,1|2) with its one status byte, and
    // the device identifier the connected device reports (2,2,29).
    void loginReplyReceived(quint8 status);
    void deviceIdReported(quint32 deviceId);

    // ---- discovery ----

    // ---- registry ----

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

    ParameterMirror m_mirror;
    ReplyOutcome m_replyOutcome; // reused from reply to reply
    int m_currentModule = StatusPoll::LevelPreMix;
    quint8 m_currentChannel = 0;
    quint8 m_openDialogs = 0;
    std::vector<StatusQuery> m_pollQueries; // reused from tick to tick
    std::vector<char> m_queryBytes; // the tick's frames, written at once
};
