#include "SimAnnouncer.h"

#include "SimLog.h"

namespace sim {

SimAnnouncer::SimAnnouncer(std::function<QByteArray()> datagram, QObject *parent)
    : QObject(parent), m_datagram(std::move(datagram))
{
    connect(&m_timer, &QTimer::timeout, this, &SimAnnouncer::announceNow);
}

bool SimAnnouncer::start(const QHostAddress &from, const QHostAddress &to, quint16 port,
                         int intervalMs)
{
    stop();
    if (!m_socket.bind(from, 0))
        return false;
    m_to = to;
    m_port = port;
    m_timer.start(intervalMs);
    announceNow();
    return true;
}

void SimAnnouncer::stop()
{
    m_timer.stop();
    m_socket.close();
}

void SimAnnouncer::announceNow()
{
    if (m_paused || m_socket.state() != QAbstractSocket::BoundState)
        return;
    const QByteArray datagram = m_datagram();
    if (m_socket.writeDatagram(datagram, m_to, m_port) != datagram.size())
        qCDebug(lcSim) << "announcement not sent:" << m_socket.errorString();
    emit announced(datagram);
}

} // namespace sim
