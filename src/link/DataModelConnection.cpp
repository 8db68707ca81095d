// The connection part of DataModel: the device entries' sockets, selection, connection
// attempts, the 10 ms link tick with its time-outs, and login.
#include "model/DataModel.h"

#include <QHostAddress>

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
    entry.socket = std::make_unique<QTcpSocket>();
    QTcpSocket *socket = entry.socket.get();
    connect(socket, &QTcpSocket::stateChanged, this, &DataModel::tcpStateChanged);
    connect(socket, &QTcpSocket::readyRead, this, &DataModel::tcpReadyRead);
    connect(socket, &QTcpSocket::connected, this, &DataModel::tcpConnected);
}

int DataModel::appendDevice(const UDPBrowsingPacket &packet)
{
    auto entry = std::make_unique<DeviceEntry>();
    entry->packet = packet;
    entry->lastSeen = now();
    connectSocket(*entry);
    m_devices.push_back(std::move(entry));
    return int(m_devices.size()) - 1;
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
    if (index == m_currentIndex)
        return;
    stopLink();
    m_currentIndex = index < int(m_devices.size()) ? index : -1;
    if (m_currentIndex >= 0)
        startConnectionAttempt();
    emit deviceListSelectionChanged(m_currentIndex, flag);
}

void DataModel::startConnectionAttempt()
{
    QTcpSocket *socket = currentSocket();
    if (!socket)
        return;
    stopLink();
    const DeviceEntry &entry = device(m_currentIndex);
    socket->connectToHost(QHostAddress(entry.packet.ipAddress), m_settings.controlPort,
                          QIODevice::ReadWrite);
    m_tickCount = 0;
}

void DataModel::tcpConnected()
{
    if (sender() != currentSocket())
        return;
    m_receive.clear();
    m_lastReceiveTime = now();
}

void DataModel::tcpStateChanged(QAbstractSocket::SocketState)
{
    const int index = indexOfSocket(sender());
    if (index < 0)
        return;
    if (index == m_currentIndex)
        m_loggedIn = false;
    emit deviceListNetworkChanged(index);
}

void DataModel::timeout()
{
    ++m_tickCount;
    if (m_currentIndex < 0)
        return;
    QTcpSocket *socket = currentSocket();
    if (socket && socket->state() == QAbstractSocket::ConnectedState) {
        if (m_lastReceiveTime + 3000 >= now()) {
            transportTick();
            return;
        }
    } else if (m_tickCount < 300) {
        return;
    }
    emit tcpConnectTimeout(false);
    startConnectionAttempt();
}


void DataModel::loginReplyReceived(quint8 status)
{
    Q_UNUSED(status)
}

void DataModel::deviceIdReported(quint32 deviceId)
{
    Q_UNUSED(deviceId)
}
