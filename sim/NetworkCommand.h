#pragma once

#include <QByteArray>

#include <optional>

namespace sim {

// The command datagram a control program sends to the processors' command port:
//   u32 device id, u32 command, u32 length, payload
// Command 2 sets the network: u32 address, netmask, gateway, each numeric as in the
// announcement.
struct NetworkCommand
{
    static constexpr quint32 SetNetwork = 2;

    quint32 deviceId = 0;
    quint32 command = 0;
    quint32 address = 0;
    quint32 netmask = 0;
    quint32 gateway = 0;

    // A well-formed set-network command, or nothing.
    static std::optional<NetworkCommand> decode(const QByteArray &datagram);
};

} // namespace sim
