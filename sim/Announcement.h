#pragma once

#include <QByteArray>

#include <optional>

class SimStore;

// The datagrams of discovery.
namespace Announcement {

constexpr int Size = 106;
constexpr int LongSize = 110; // with a u32 7 inserted after the device id

// The processor's announcement: identity, address, run and total time, versions, texts, the
// running preset's name, the fault flag and the product code 1.
QByteArray encode(const SimStore &store, int form = Size);

// The command datagram a control program sends to the command port.
struct Command
{
    static constexpr quint32 SetNetwork = 2;

    quint32 deviceId = 0;
    quint32 command = 0;
    quint32 address = 0;
    quint32 netmask = 0;
    quint32 gateway = 0;
};

// A well-formed set-network command, or nothing.
std::optional<Command> decodeCommand(const QByteArray &datagram);

} // namespace Announcement
