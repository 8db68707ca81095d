#include "DeviceConnection.h"

#include "DeviceDirectory.h"
#include "InterfaceChoice.h"
#include "wire/LinkLog.h"

namespace {

constexpr qint64 TicksPerSecond = 100; // the tick runs every 10 ms
constexpr qint64 ConnectTimeoutTicks = 300; // 3 s without a connection
constexpr qint64 SilenceTimeoutMs = 3000; // 3 s without a byte on an open connection
// Bytes handled per turn of the event loop. A device that floods the link is read in slices,
// so the 10 ms tick and the window run between them.
constexpr qint64 ReadSliceBytes = 16 * 1024;

} // namespace

DeviceConnection::DeviceConnection(const LinkSettings &settings, Clock clock,
                                   NetworkInterfaceProvider &interfaces,
                                   DeviceDirectory &directory, QObject *parent)
    : QObject(parent), m_settings(settings), m_clock(std::move(clock)), m_interfaces(interfaces),
      m_directory(directory)
{
}

QTcpSocket *DeviceConnection::currentSocket() const
{
    if (m_currentIndex < 0 || m_currentIndex >= m_directory.count())
        return nullptr;
    return m_directory.entry(m_currentIndex).socket.get();
}

bool DeviceConnection::isConnected() const
{
    const QTcpSocket *socket = currentSocket();
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

int DeviceConnection::indexOfSocket(const QObject *socket) const
{
    for (int i = 0; i < m_directory.count(); ++i) {
        if (m_directory.entry(i).socket.get() == socket)
            return i;
    }
    return -1;
}

void DeviceConnection::attach(DeviceEntry &entry)
{
    release(entry);
    entry.socket = std::make_unique<QTcpSocket>();
    QTcpSocket *socket = entry.socket.get();
    connect(socket, &QTcpSocket::stateChanged, this, &DeviceConnection::tcpStateChanged);
    connect(socket, &QTcpSocket::readyRead, this, &DeviceConnection::tcpReadyRead);
    connect(socket, &QTcpSocket::connected, this, &DeviceConnection::tcpConnected);
}

// A socket being destroyed aborts its connection and reports the state change; by then its
// entry may be half gone, so it is cut off first.
void DeviceConnection::release(DeviceEntry &entry)
{
    if (!entry.socket)
        return;
    entry.socket->disconnect(this);
    entry.socket.reset();
}

void DeviceConnection::stop()
{
    if (QTcpSocket *socket = currentSocket()) {
        socket->disconnectFromHost();
        socket->abort();
    }
}

void DeviceConnection::select(int index)
{
    m_currentIndex = index;
    m_enteredPassword.clear();
    m_rememberedPassword.clear();
    m_boundAddress = QHostAddress();
    m_firstAddress = QHostAddress();
    m_hadConnection = true;
    if (index >= 0)
        startAttempt();
}

void DeviceConnection::startAttempt()
{
    if (m_currentIndex < 0)
        return;
    DeviceEntry &entry = m_directory.entry(m_currentIndex);
    const QHostAddress target(entry.packet.ipAddress);
    stop();

    QHostAddress local;
    if (!entry.localAddress.isNull()) {
        // The interface that worked last time, tried once.
        local = entry.localAddress;
        entry.localAddress = QHostAddress();
    } else {
        local = InterfaceChoice::choose(
                InterfaceChoice::candidates(m_interfaces.interfaces(), target), m_boundAddress);
        if (!local.isNull() && m_firstAddress.isNull())
            m_firstAddress = local;
    }
    if (!local.isNull()) {
        m_boundAddress = local;
        if (!entry.socket->bind(local, 0, QAbstractSocket::ReuseAddressHint)) {
            qCDebug(lcLink) << "Bind to" << local.toString()
                            << "failed:" << entry.socket->errorString();
            attach(entry); // a fresh socket; this attempt goes out unbound
        }
    }
    entry.socket->connectToHost(target, m_settings.controlPort, QIODevice::ReadWrite);
    m_tickCount = 0;
}

void DeviceConnection::tcpConnected()
{
    if (sender() != currentSocket() || !sender())
        return;
    m_receive.clear();
    m_lastReceiveTime = m_clock();
    m_firstAddress = QHostAddress();
    m_hadConnection = true;
}

void DeviceConnection::tcpStateChanged(QAbstractSocket::SocketState state)
{
    const int index = indexOfSocket(sender());
    if (index < 0)
        return;
    if (index == m_currentIndex) {
        m_loggedIn = false;
        if (state == QAbstractSocket::ConnectedState)
            m_directory.entry(index).localAddress = m_boundAddress;
    }
    emit networkChanged(index);
}

bool DeviceConnection::countTick()
{
    ++m_tickCount;
    return m_tickCount % TicksPerSecond == 0;
}

bool DeviceConnection::checkLink()
{
    QTcpSocket *socket = currentSocket();
    if (!socket)
        return false;
    if (socket->state() == QAbstractSocket::ConnectedState) {
        if (m_lastReceiveTime + SilenceTimeoutMs >= m_clock())
            return true;
    } else if (m_tickCount < ConnectTimeoutTicks) {
        return false;
    }

    // The attempt timed out, or the link went silent. Exhausted only after a whole rotation
    // without a connection that began after a rotation that already failed.
    if (!m_firstAddress.isNull() && m_boundAddress == m_firstAddress) {
        if (!m_hadConnection) {
            emit connectTimeout(true);
        } else {
            m_hadConnection = false;
            emit connectTimeout(false);
        }
    } else {
        emit connectTimeout(false);
    }
    startAttempt();
    return false;
}

void DeviceConnection::deviceReturned()
{
    m_firstAddress = QHostAddress();
    m_hadConnection = true;
}

void DeviceConnection::sendFrame(MessageId id, quint8 flag, const char *payload, int length)
{
    QTcpSocket *socket = currentSocket();
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    const int size = Frame::encode(m_sendBuffer, m_settings.productCode, id, flag, payload, length);
    if (size < 0) {
        // Cutting a payload short would send the device a different value than the user set.
        qCDebug(lcLink) << "Payload too long, frame not sent: len =" << length;
        return;
    }
    socket->write(m_sendBuffer, size);
    socket->flush();
}

void DeviceConnection::sendBytes(const char *data, qint64 size)
{
    QTcpSocket *socket = currentSocket();
    if (!socket || socket->state() != QAbstractSocket::ConnectedState || size <= 0)
        return;
    socket->write(data, size);
    socket->flush();
}

void DeviceConnection::tcpReadyRead()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || socket != currentSocket())
        return; // data of another device's socket stays unread
    readSlice();
}

void DeviceConnection::readSlice()
{
    m_readScheduled = false;
    QTcpSocket *socket = currentSocket();
    if (!socket)
        return;
    m_lastReceiveTime = m_clock();
    if (socket->bytesAvailable() <= 0)
        return;
    const QByteArray bytes = socket->read(ReadSliceBytes);
    receiveBytes(bytes.constData(), bytes.size());
    // Stamped again once the slice is handled: a link that delivers data is never silent, however
    // long its handling took.
    m_lastReceiveTime = m_clock();
    if (socket == currentSocket() && socket->bytesAvailable() > 0 && !m_readScheduled) {
        m_readScheduled = true;
        QMetaObject::invokeMethod(this, &DeviceConnection::readSlice, Qt::QueuedConnection);
    }
}

void DeviceConnection::receiveBytes(const char *data, int size)
{
    m_receive.append(data, size);
    m_receive.process([this](const ReceivedFrame &frame) {
        if (m_frameHandler)
            m_frameHandler(frame);
    });
}

void DeviceConnection::rememberEnteredPassword()
{
    if (!m_enteredPassword.isEmpty())
        m_rememberedPassword = m_enteredPassword;
}

void DeviceConnection::forgetPasswords()
{
    m_enteredPassword.clear();
    m_rememberedPassword.clear();
}
