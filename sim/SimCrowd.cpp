#include "SimCrowd.h"

#include "wire/ByteWriter.h"

namespace sim {

namespace {

constexpr int AnnouncementSize = 106;

QByteArray encode(quint32 id, quint32 address, quint32 runTime, quint32 totalTime)
{
    ByteWriter out(AnnouncementSize);
    out.u32(id).u32(address).u32(runTime).u32(totalTime).u8(0);
    for (quint8 v : {1, 0, 3})
        out.u8(v);
    for (quint8 v : {2, 1, 0})
        out.u8(v);
    out.fixedText(QByteArray("SN") + QByteArray::number(id), 16)
            .fixedText("VT-1616", 16)
            .fixedText("Campus", 16)
            .fixedText(QByteArray("Room ") + QByteArray::number(id % 1000), 16)
            .fixedText("Default", 16)
            .u8(0)
            .u16(1);
    return out;
}

} // namespace

SimCrowd::SimCrowd(int count, quint32 firstId, quint32 firstAddress)
    : m_firstId(firstId), m_firstAddress(firstAddress), m_runTimes(size_t(count), 0)
{
}

QByteArray SimCrowd::announcement(int index, quint32 second) const
{
    return encode(m_firstId + quint32(index), m_firstAddress + quint32(index), second,
                  100000 + second);
}

std::vector<QByteArray> SimCrowd::round()
{
    std::vector<QByteArray> datagrams;
    datagrams.reserve(m_runTimes.size());
    for (size_t i = 0; i < m_runTimes.size(); ++i)
        datagrams.push_back(announcement(int(i), ++m_runTimes[i]));
    return datagrams;
}

QByteArray SimCrowd::spoofed()
{
    const quint32 id = m_random.generate() | 0x80000000u; // away from the crowd's own
    const quint32 address = 0x7F000000u | (m_random.generate() & 0x00FFFFFFu);
    return encode(id, address, m_random.generate() % 100000, 100000);
}

qint64 SimCrowd::send(QUdpSocket &socket, const QByteArray &datagram, const QHostAddress &to,
                      quint16 port) const
{
    return socket.writeDatagram(datagram, to, port);
}

} // namespace sim
