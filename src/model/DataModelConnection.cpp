// The connection part of DataModel: the device entries' sockets, selection, connection
// attempts with the choice and rotation of the local interface, the 10 ms link tick with its
// time-outs, and login.
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"

#include "wire/ByteWriter.h"
#include "link/InterfaceChoice.h"
#include "wire/LinkLog.h"
#include "wire/LocalText.h"

#include <QDateTime>

namespace {

constexpr qint64 TicksPerSecond = 100; // the tick runs every 10 ms
constexpr qint64 ConnectTimeoutTicks = 300; // 3 s without a connection
constexpr qint64 SilenceTimeoutMs = 3000; // 3 s without a byte on an open connection
constexpr qint64 OfflineAfterMs = 2000; // no announcement for 2 s


enum LoginStatus : quint8 {
    NotLoggedIn = 0,
    Accepted = 1,
    Rejected = 2,
};

} // namespace

QTcpSocket *DataModel::currentSocket() const
{
    if (m_currentIndex < 0 || m_currentIndex >= int(m_devices.size()))
        return nullptr;
    return m_devices[size_t(m_currentIndex)]->socket.get();
}

int DataModel::indexOfSocket(const QObject *socket) const
{
    for (size_t i = 0; i < m_devices.size(); ++i) {
        if (m_devices[i]->socket.get() == socket)
            return int(i);
    }
    return -1;
}

void DataModel::connectSocket(DeviceEntry &entry)
{
    releaseSocket(entry);
    entry.socket = std::make_unique<QTcpSocket>();
    QTcpSocket *socket = entry.socket.get();
    connect(socket, &QTcpSocket::stateChanged, this, &DataModel::tcpStateChanged);
    connect(socket, &QTcpSocket::readyRead, this, &DataModel::tcpReadyRead);
    connect(socket, &QTcpSocket::connected, this, &DataModel::tcpConnected);
}

// A socket being destroyed aborts its connection and reports the state change; by then its
// entry may be half gone, so it is cut off from the model first.
void DataModel::releaseSocket(DeviceEntry &entry)
{
    if (!entry.socket)
        return;
    entry.socket->disconnect(this);
    entry.socket.reset();
}

void DataModel::stopLink()
{
    m_writes.clearPending();
    if (QTcpSocket *socket = currentSocket()) {
        socket->disconnectFromHost();
        socket->abort();
    }
}

void DataModel::selectDevice(int index, bool flag)
{
    if (index < 0 || index >= deviceCount())
        index = -1;
    if (index == m_currentIndex)
        return;
    stopLink();
    applySelection(index, flag);
}

void DataModel::applySelection(int index, bool flag)
{
    m_currentIndex = index;
    m_enteredPassword.clear();
    m_rememberedPassword.clear();
    m_boundAddress = QHostAddress();
    m_firstAddress = QHostAddress();
    m_hadConnection = true;
    if (index >= 0)
        startConnectionAttempt();
    emit deviceListSelectionChanged(index, flag);
}

void DataModel::startConnectionAttempt()
{
    if (m_currentIndex < 0)
        return;
    DeviceEntry &entry = *m_devices[size_t(m_currentIndex)];
    const QHostAddress target(entry.packet.ipAddress);
    stopLink();

    QHostAddress local;
    if (!entry.localAddress.isNull()) {
        // The interface that worked last time, tried once.
        local = entry.localAddress;
        entry.localAddress = QHostAddress();
    } else {
        local = InterfaceChoice::choose(
                InterfaceChoice::candidates(m_interfaces->interfaces(), target), m_boundAddress);
        if (!local.isNull() && m_firstAddress.isNull())
            m_firstAddress = local;
    }
    if (!local.isNull()) {
        m_boundAddress = local;
        if (!entry.socket->bind(local, 0, QAbstractSocket::ReuseAddressHint)) {
            qCDebug(lcLink) << "Bind to" << local.toString()
                            << "failed:" << entry.socket->errorString();
            connectSocket(entry); // a fresh socket; this attempt goes out unbound
        }
    }
    entry.socket->connectToHost(target, m_settings.controlPort, QIODevice::ReadWrite);
    m_tickCount = 0;
}

void DataModel::tcpConnected()
{
    if (sender() != currentSocket() || !sender())
        return;
    m_receive.clear();
    m_lastReceiveTime = now();
    m_firstAddress = QHostAddress();
    m_hadConnection = true;
}

void DataModel::tcpStateChanged(QAbstractSocket::SocketState state)
{
    const int index = indexOfSocket(sender());
    if (index < 0)
        return;
    if (index == m_currentIndex) {
        m_loggedIn = false;
        if (state == QAbstractSocket::ConnectedState)
            m_devices[size_t(index)]->localAddress = m_boundAddress;
    }
    emit deviceListNetworkChanged(index);
}

void DataModel::timeout()
{
    ++m_tickCount;
    if (m_tickCount % TicksPerSecond == 0) {
        checkInterfaces();
        ageDevices();
    }
    if (m_currentIndex < 0)
        return;
    QTcpSocket *socket = currentSocket();
    if (socket->state() == QAbstractSocket::ConnectedState) {
        if (m_lastReceiveTime + SilenceTimeoutMs >= now()) {
            transportTick();
            return;
        }
    } else if (m_tickCount < ConnectTimeoutTicks) {
        return;
    }

    // The attempt timed out, or the link went silent. Exhausted only after a whole rotation
    // without a connection that began after a rotation that already failed.
    if (!m_firstAddress.isNull() && m_boundAddress == m_firstAddress) {
        if (!m_hadConnection) {
            emit tcpConnectTimeout(true);
        } else {
            m_hadConnection = false;
            emit tcpConnectTimeout(false);
        }
    } else {
        emit tcpConnectTimeout(false);
    }
    startConnectionAttempt();
}

void DataModel::checkInterfaces()
{
    const int count = InterfaceChoice::usableCount(m_interfaces->interfaces());
    if (count != m_interfaceCount) {
        m_interfaceCount = count;
        rebuildDiscoverySockets();
    }
}

void DataModel::ageDevices()
{
    const qint64 t = now();
    for (size_t i = 0; i < m_devices.size(); ++i) {
        DeviceEntry &entry = *m_devices[i];
        if (!entry.online || entry.lastSeen + OfflineAfterMs >= t)
            continue;
        entry.online = false;
        emit deviceListNetworkChanged(int(i));
        entry.packet.fault = 0;
        emit deviceListFaultChanged(uint(i), false);
    }
}

void DataModel::login(const QString &password, bool remember)
{
    if (remember)
        m_enteredPassword = password;
    const QByteArray bytes = LocalText::encode(password);
    sendFrame(m_settings.simple ? Msg::LoginUser : Msg::Login, Frame::WriteRequest, bytes);
}

void DataModel::forgetPasswords()
{
    m_enteredPassword.clear();
    m_rememberedPassword.clear();
}

void DataModel::loginReplyReceived(quint8 status)
{
    if (status > Rejected)
        return;
    m_loggedIn = status == Accepted;
    switch (status) {
    case Accepted:
        resetLoginCounters();
        if (!m_enteredPassword.isEmpty())
            m_rememberedPassword = m_enteredPassword;
        sendClock();
        break;
    case NotLoggedIn:
        if (!m_rememberedPassword.isEmpty())
            login(m_rememberedPassword, false);
        break;
    case Rejected:
        forgetPasswords();
        break;
    }
    emit deviceListNetworkChanged(m_currentIndex);
    emit tcpLoginChanged(status);
}

// The device's clock follows the PC's local time after every login.
void DataModel::sendClock()
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(now(), Qt::LocalTime);
    const QDate date = local.date();
    const QTime time = local.time();
    const QByteArray payload = ByteWriter(7)
                                       .u8(quint8(time.second()))
                                       .u8(quint8(time.minute()))
                                       .u8(quint8(time.hour()))
                                       .u8(quint8(date.day()))
                                       .u8(0)
                                       .u8(quint8(date.month() - 1))
                                       .u8(quint8(date.year() - 1900));
    sendWrite(Msg::SysDateTime, payload);
}
