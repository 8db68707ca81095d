#include "SimDevice.h"

#include "Announcement.h"
#include "NetworkCommand.h"
#include "SimAnnouncer.h"
#include "SimCommandListener.h"
#include "SimConnection.h"
#include "SimLog.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>

namespace sim {

namespace {

constexpr int LoadSteps = 5; // progress 0, 20, 40, 60, 80, then 100

} // namespace

SimDevice::SimDevice(const SimOptions &options, Clock clock, QObject *parent)
    : QObject(parent), m_options(options), m_clock(std::move(clock)), m_store(options.identity),
      m_server(new QTcpServer(this)),
      m_announcer(new SimAnnouncer([this] { return announcement(); }, this)),
      m_commands(new SimCommandListener(this))
{
    for (const QString &fault : options.hardwareFaults)
        m_store.system.injectFault(fault);
    setUsbDriveInserted(options.usbDrive);
    m_store.setSceneSize(options.presetSceneSize);
    m_store.now = m_clock();
    m_store.bootTime = m_store.now;
    m_lastSecond = m_store.now;
    connect(m_server, &QTcpServer::newConnection, this, &SimDevice::acceptConnections);
    connect(m_announcer, &SimAnnouncer::announced, this, &SimDevice::announced);
    connect(m_commands, &SimCommandListener::commandReceived, this, &SimDevice::networkCommand);
    connect(&m_tick, &QTimer::timeout, this, &SimDevice::housekeeping);
    connect(&m_loadTimer, &QTimer::timeout, this, &SimDevice::presetLoadStep);
}

SimDevice::~SimDevice()
{
    stop();
}

void SimDevice::setUsbDriveInserted(bool inserted)
{
    m_store.usb.setDriveInserted(inserted);
    m_store.system.usbDisk = inserted ? 1 : 0;
}

quint16 SimDevice::start()
{
    return start(m_options.bind, m_options.controlPort);
}

quint16 SimDevice::start(const QHostAddress &address, quint16 port)
{
    stop();
    m_options.bind = address;
    if (!m_server->listen(address, port)) {
        m_error = QStringLiteral("control server on %1:%2: %3")
                          .arg(address.toString())
                          .arg(port)
                          .arg(m_server->errorString());
        return 0;
    }
    if (!m_commands->start(m_options.commandPort)) {
        m_error = QStringLiteral("command port %1: %2")
                          .arg(m_options.commandPort)
                          .arg(m_commands->errorString());
        stop();
        return 0;
    }
    if (!m_announcer->start(address, m_options.announceTo, m_options.broadcastPort,
                            m_options.timing.announceMs)) {
        m_error = QStringLiteral("announcements from %1: %2")
                          .arg(address.toString(), m_announcer->errorString());
        stop();
        return 0;
    }
    m_tick.start(m_options.timing.tickMs);
    return m_server->serverPort();
}

void SimDevice::stop()
{
    m_tick.stop();
    m_loadTimer.stop();
    m_announcer->stop();
    m_commands->stop();
    m_server->close();
    const auto connections = m_connections;
    m_connections.clear();
    for (SimConnection *c : connections)
        delete c;
}

quint16 SimDevice::controlPort() const
{
    return m_server->serverPort();
}

quint16 SimDevice::commandPort() const
{
    return m_commands->port();
}

QByteArray SimDevice::announcement()
{
    m_store.now = m_clock();
    return Announcement::encode(m_store, m_options.announceForm);
}

void SimDevice::acceptConnections()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (m_rebooting) { // nobody home until the reboot is over
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_store.now = m_clock();
        auto *connection = new SimConnection(socket, *this, m_clock);
        connection->setParent(this);
        connect(connection, &SimConnection::closed, this, &SimDevice::removeConnection);
        m_connections.push_back(connection);
        emit connectionOpened();
    }
}

void SimDevice::removeConnection(SimConnection *connection)
{
    const auto it = std::find(m_connections.begin(), m_connections.end(), connection);
    if (it == m_connections.end())
        return;
    m_connections.erase(it);
    connection->deleteLater();
    emit connectionClosed();
}

void SimDevice::housekeeping()
{
    m_store.now = m_clock();
    const qint64 seconds = (m_store.now - m_lastSecond) / 1000;
    if (seconds > 0) {
        m_lastSecond += seconds * 1000;
        const int n = int(qMin<qint64>(seconds, 3600));
        m_store.usb.advance(n);
        m_store.dante.advance(n);
    }
    const auto connections = m_connections;
    for (SimConnection *c : connections)
        c->checkFaults();
}

void SimDevice::apply(SimConnection *connection, const SimSession::Result &result)
{
    for (const Outgoing &reply : result.replies)
        connection->send(reply);
    if (!result.note.isEmpty())
        qCInfo(lcSim).noquote() << result.note;
    if (result.loadPreset >= 0) {
        m_loadClient = connection;
        m_loadSlot = result.loadPreset;
        m_loadStep = 0;
        presetLoadStep();
        m_loadTimer.start(m_options.timing.loadStepMs);
    }
    if (result.installed)
        beginReboot(*result.installed);
    followAddress();
    if (result.drop)
        connection->drop();
}

void SimDevice::presetLoadStep()
{
    const int progress = m_loadStep * 100 / LoadSteps;
    if (m_loadStep == LoadSteps) {
        m_loadTimer.stop();
        m_store.loadPreset(m_loadSlot);
        qCInfo(lcSim) << "preset" << m_loadSlot + 1 << "loaded";
    }
    if (m_loadClient)
        m_loadClient->send({{3, 32, 9}, QByteArray(1, char(progress))});
    if (m_loadStep == LoadSteps)
        emit presetLoaded(m_loadSlot);
    ++m_loadStep;
}

void SimDevice::beginReboot(const FirmwareVersion &version)
{
    qCInfo(lcSim) << "firmware installed, rebooting into" << version[0] << version[1] << version[2];
    m_rebooting = true;
    m_nextVersion = version;
    m_announcer->setPaused(true);
    m_loadTimer.stop();
    const auto connections = m_connections;
    for (SimConnection *c : connections)
        c->closeGracefully();
    emit rebootStarted();
    QTimer::singleShot(m_options.timing.rebootMs, this, &SimDevice::finishReboot);
}

void SimDevice::finishReboot()
{
    m_store.now = m_clock();
    m_store.reboot(m_nextVersion);
    m_rebooting = false;
    m_announcer->setPaused(false);
    m_announcer->announceNow();
    qCInfo(lcSim) << "up again";
    emit rebootFinished();
}

void SimDevice::networkCommand(const NetworkCommand &command)
{
    if (command.deviceId != m_store.system.deviceId)
        return;
    m_store.system.address = command.address;
    m_store.system.netmask = command.netmask;
    m_store.system.gateway = command.gateway;
    qCInfo(lcSim).noquote() << "network changed to" << QHostAddress(command.address).toString();
    emit networkChanged();
    m_announcer->announceNow();
    followAddress();
}

void SimDevice::followAddress()
{
    const QHostAddress target(m_store.system.address);
    if (!m_options.followNetwork || target == m_options.bind || m_store.system.address == 0)
        return;
    // The reply to the change goes out from the old address first.
    QTimer::singleShot(0, this, [this, target] { moveTo(target); });
}

void SimDevice::moveTo(const QHostAddress &address)
{
    if (address == m_options.bind || address.toIPv4Address() != m_store.system.address)
        return;
    const quint16 port = m_server->serverPort();
    const auto connections = m_connections;
    for (SimConnection *c : connections)
        c->closeGracefully();
    m_server->close();
    m_announcer->stop();
    const QHostAddress old = m_options.bind;
    if (!m_server->listen(address, port)) {
        qCWarning(lcSim).noquote() << "cannot move to" << address.toString() << ":"
                                    << m_server->errorString();
        m_server->listen(old, port);
        m_announcer->start(old, m_options.announceTo, m_options.broadcastPort,
                           m_options.timing.announceMs);
        return;
    }
    m_options.bind = address;
    m_announcer->start(address, m_options.announceTo, m_options.broadcastPort,
                       m_options.timing.announceMs);
    qCInfo(lcSim).noquote() << "moved to" << address.toString();
    emit networkChanged();
    m_announcer->announceNow();
}

} // namespace sim
