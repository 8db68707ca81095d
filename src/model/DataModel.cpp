#include "DataModel.h"

#include <QHostAddress>

namespace {
DataModel *g_instance = nullptr;
}

DataModel::DataModel(const LinkSettings &settings, Clock clock, QObject *parent)
    : QObject(parent), m_settings(settings), m_clock(std::move(clock))
{
    if (!g_instance)
        g_instance = this;
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &DataModel::timeout);
    m_timer.start();
}

DataModel::~DataModel()
{
    m_timer.stop();
    m_writes.clearPending();
    m_devices.clear();
    if (g_instance == this)
        g_instance = nullptr;
}

DataModel *DataModel::instance()
{
    return g_instance;
}

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

void DataModel::poll() { }
