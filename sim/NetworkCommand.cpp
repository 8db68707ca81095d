#include "NetworkCommand.h"

#include "wire/ByteReader.h"

namespace sim {

std::optional<NetworkCommand> NetworkCommand::decode(const QByteArray &datagram)
{
    ByteReader in(datagram);
    NetworkCommand c;
    c.deviceId = in.u32();
    c.command = in.u32();
    const quint32 length = in.u32();
    if (!in.ok() || c.command != SetNetwork || length != 12 || in.remaining() != int(length))
        return std::nullopt;
    c.address = in.u32();
    c.netmask = in.u32();
    c.gateway = in.u32();
    return c;
}

} // namespace sim
