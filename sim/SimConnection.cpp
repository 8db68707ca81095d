#include "SimConnection.h"

#include "SimDevice.h"
#include "SimLog.h"

#include "wire/Frame.h"

#include <QTcpSocket>

namespace sim {

namespace {

// Stray bytes between replies: never a header byte, so a reader resynchronises on the next
// frame.
const QByteArray Garbage = QByteArray::fromHex("00557dff13a5c3");

QString describe(MessageId id, quint8 flag, int length)
{
    return QStringLiteral("(%1,%2,%3) flag %4, %5 bytes")
            .arg(id.type)
            .arg(id.subType)
            .arg(id.funcId)
            .arg(flag, 2, 16, QLatin1Char('0'))
            .arg(length);
}

} // namespace

SimConnection::SimConnection(QTcpSocket *socket, SimDevice &device, Clock clock)
    : m_socket(socket), m_device(device), m_clock(std::move(clock)),
      m_session(device.store(), device.table(), device.faults()), m_openedAt(m_clock()),
      m_lastGarbage(m_openedAt)
{
    m_socket->setParent(this);
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_socket, &QTcpSocket::readyRead, this, &SimConnection::readFrames);
    connect(m_socket, &QTcpSocket::disconnected, this, &SimConnection::finish);
    connect(&m_trickleTimer, &QTimer::timeout, this, &SimConnection::trickle);
    m_trickleTimer.setInterval(1);
    qCInfo(lcSim).noquote() << "client connected from" << m_socket->peerAddress().toString();
    send(m_session.greeting());
}

SimConnection::~SimConnection()
{
    disconnect(m_socket, nullptr, this, nullptr);
    m_socket->abort();
}

bool SimConnection::silent() const
{
    const qint64 after = m_device.faults().silentAfterMs;
    return after >= 0 && age() >= after;
}

void SimConnection::checkFaults()
{
    const qint64 dropAfter = m_device.faults().dropAfterMs;
    if (dropAfter >= 0 && age() >= dropAfter && !m_finished) {
        qCInfo(lcSim) << "dropping the connection as asked";
        drop();
    }
}

void SimConnection::drop()
{
    if (m_finished)
        return;
    m_socket->abort();
    finish();
}

void SimConnection::readFrames()
{
    checkFaults();
    if (m_finished)
        return;
    const QByteArray data = m_socket->readAll();
    if (silent())
        return;
    m_frames.append(data);
    m_frames.process([this](const ReceivedFrame &frame) {
        const QByteArray payload = frame.payloadBytes();
        qCDebug(lcSim).noquote() << "<-" << describe(frame.id, frame.flag, frame.length);
        m_device.store().now = m_clock();
        m_device.apply(this, m_session.handle(frame.id, frame.flag, payload));
    });
}

void SimConnection::send(const Outgoing &frame)
{
    if (m_finished || m_closing || silent())
        return;
    qCDebug(lcSim).noquote() << "->" << describe(frame.id, Frame::Reply, frame.payload.size());
    const SimFaults &faults = m_device.faults();
    if (faults.garbageEveryMs > 0 && m_clock() - m_lastGarbage >= faults.garbageEveryMs) {
        m_lastGarbage = m_clock();
        writeRaw(Garbage);
    }
    writeRaw(Frame::build(frame.id, Frame::Reply, frame.payload));
}

void SimConnection::writeRaw(const QByteArray &bytes)
{
    if (!m_device.faults().byteByByte && m_trickle.isEmpty()) {
        m_socket->write(bytes);
        return;
    }
    m_trickle += bytes;
    if (!m_trickleTimer.isActive())
        m_trickleTimer.start();
}

void SimConnection::trickle()
{
    if (m_finished || m_trickle.isEmpty()) {
        m_trickleTimer.stop();
        if (m_closing && !m_finished)
            m_socket->disconnectFromHost();
        return;
    }
    m_socket->write(m_trickle.left(1));
    m_socket->flush();
    m_trickle.remove(0, 1);
}

void SimConnection::closeGracefully()
{
    if (m_finished || m_closing)
        return;
    m_closing = true;
    if (m_trickle.isEmpty())
        m_socket->disconnectFromHost();
}

void SimConnection::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_trickleTimer.stop();
    qCInfo(lcSim) << "client disconnected";
    emit closed(this);
}

} // namespace sim
