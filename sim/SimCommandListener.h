#pragma once

#include "NetworkCommand.h"

#include <QObject>
#include <QUdpSocket>

namespace sim {

// Receives the network-change command. A control program broadcasts it, and on Linux only a
// socket bound to the any-address hears broadcasts, so it listens on every address; several
// processors on one machine share the port and each takes only its own device id.
class SimCommandListener : public QObject
{
    Q_OBJECT

public:
    explicit SimCommandListener(QObject *parent = nullptr);

    bool start(quint16 port); // 0: any free port
    void stop() { m_socket.close(); }
    quint16 port() const { return m_socket.localPort(); }
    QString errorString() const { return m_socket.errorString(); }

signals:
    void commandReceived(const NetworkCommand &command);

private:
    void readDatagrams();

    QUdpSocket m_socket;
};

} // namespace sim
