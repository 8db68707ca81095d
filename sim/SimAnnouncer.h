#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <functional>

namespace sim {

// Sends the processor's announcement at a fixed pace to one target (a host, or a broadcast
// address inside a test namespace), from the processor's own address.
class SimAnnouncer : public QObject
{
    Q_OBJECT

public:
    SimAnnouncer(std::function<QByteArray()> datagram, QObject *parent = nullptr);

    // False (with errorString()) when the source address cannot be bound.
    bool start(const QHostAddress &from, const QHostAddress &to, quint16 port, int intervalMs);
    void stop();
    void setInterval(int intervalMs) { m_timer.setInterval(intervalMs); }
    // Paused while the processor reboots.
    void setPaused(bool paused) { m_paused = paused; }
    void announceNow();
    QString errorString() const { return m_socket.errorString(); }

signals:
    void announced(const QByteArray &datagram);

private:
    std::function<QByteArray()> m_datagram;
    QUdpSocket m_socket;
    QTimer m_timer;
    QHostAddress m_to;
    quint16 m_port = 0;
    bool m_paused = false;
};

} // namespace sim
