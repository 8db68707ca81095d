#include "SimCommandListener.h"

#include <QNetworkDatagram>

namespace sim {

SimCommandListener::SimCommandListener(QObject *parent) : QObject(parent)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &SimCommandListener::readDatagrams);
}

bool SimCommandListener::start(quint16 port)
{
    m_socket.close();
    return m_socket.bind(QHostAddress::AnyIPv4, port,
                         QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
}

void SimCommandListener::readDatagrams()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        if (const auto command = NetworkCommand::decode(datagram.data()))
            emit commandReceived(*command);
    }
}

} // namespace sim
