#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QUdpSocket>

#include <vector>

namespace sim {

// Many processors on one network: each announces once a second with its run time advancing,
// as a real one does, and a flood of announcements from random identities on demand.
class SimCrowd
{
public:
    // count processors with identifiers from firstId and addresses from firstAddress on.
    SimCrowd(int count, quint32 firstId = 0x00A00000, quint32 firstAddress = 0x7F640001);

    int count() const { return int(m_runTimes.size()); }
    // The announcement of processor index at the given second of its run.
    QByteArray announcement(int index, quint32 second) const;
    // One round: every processor once, a second later than the round before.
    std::vector<QByteArray> round();
    // An announcement from an identity never seen (spoofed), from a random address.
    QByteArray spoofed();

    // Sends datagrams to a loopback target.
    qint64 send(QUdpSocket &socket, const QByteArray &datagram, const QHostAddress &to,
                quint16 port) const;

private:
    quint32 m_firstId;
    quint32 m_firstAddress;
    std::vector<quint32> m_runTimes;
    QRandomGenerator m_random {20261206};
};

} // namespace sim
