#pragma once

#include "MessageTable.h"
#include "NetworkCommand.h"
#include "SimOptions.h"
#include "SimSession.h"
#include "SimStore.h"

#include "wire/Clock.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <vector>

class QTcpServer;

namespace sim {

class SimAnnouncer;
class SimCommandListener;
class SimConnection;

// A simulated processor, ready to run in-process (tests) or as the vexatarn-sim program: a
// control server with one session per client, the announcer, the network-change listener and
// the processor's own pace (preset loads, reboot after a firmware upgrade, USB player, Dante
// module). Tests reach into its store and fault switches, and may pass their own clock.
class SimDevice : public QObject
{
    Q_OBJECT

public:
    explicit SimDevice(const SimOptions &options = SimOptions(), Clock clock = systemClock(),
                       QObject *parent = nullptr);
    ~SimDevice() override;

    // Starts the control server on the options' bind address and control port, the announcer
    // and the command listener. Returns the control port (useful with port 0), or 0 on failure
    // (see errorString()).
    quint16 start();
    quint16 start(const QHostAddress &address, quint16 port);
    void stop();

    SimStore &store() { return m_store; }
    // Puts a drive into the USB port or pulls it out.
    void setUsbDriveInserted(bool inserted);
    const MessageTable &table() const { return m_table; }
    SimFaults &faults() { return m_options.faults; }
    SimTiming &timing() { return m_options.timing; }
    const SimOptions &options() const { return m_options; }

    quint16 controlPort() const;
    quint16 commandPort() const;
    int connectionCount() const { return int(m_connections.size()); }
    bool rebooting() const { return m_rebooting; }
    QString errorString() const { return m_error; }
    // The announcement as it would go out now.
    QByteArray announcement();

    // Lets the processor's own time pass: USB player and recorder, Dante module, connection
    // faults. Runs on a timer; tests may call it after moving their clock.
    void housekeeping();

    // Carries out what a session asked for (replies, preset load, reboot).
    void apply(SimConnection *connection, const SimSession::Result &result);

signals:
    void connectionOpened();
    void connectionClosed();
    void announced(const QByteArray &datagram);
    void networkChanged();
    void presetLoaded(int slot);
    void rebootStarted();
    void rebootFinished();

private:
    void acceptConnections();
    void removeConnection(SimConnection *connection);
    void presetLoadStep();
    void beginReboot(const FirmwareVersion &version);
    void finishReboot();
    void networkCommand(const NetworkCommand &command);
    // With followNetwork: after a network change, serve from the processor's new address.
    void followAddress();
    void moveTo(const QHostAddress &address);

    SimOptions m_options;
    Clock m_clock;
    SimStore m_store;
    MessageTable m_table;
    QTcpServer *m_server;
    SimAnnouncer *m_announcer;
    SimCommandListener *m_commands;
    std::vector<SimConnection *> m_connections;
    QTimer m_tick;
    qint64 m_lastFlip = 0;
    bool m_flipped = false;
    qint64 m_lastSecond = 0;

    QTimer m_loadTimer;
    QPointer<SimConnection> m_loadClient;
    int m_loadSlot = -1;
    int m_loadStep = 0;

    bool m_rebooting = false;
    FirmwareVersion m_nextVersion {};
    QString m_error;
};

} // namespace sim
