#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The rules of the device and Dante setup dialogs that need no widget: how addresses are read
// and written on the wire, how long a name may be in the device's 8-bit text, how the Dante
// latency and network record are encoded, and how the device's numbers are shown.
namespace SetupRules {

// ---- addresses ------------------------------------------------------------------------------
// Host and gateway addresses (first octet 0..223) and subnet masks (any four octets).
QString hostPattern();
QString maskPattern();
// A whole "a.b.c.d" matching the pattern, as a number with the first octet in the high byte.
std::optional<quint32> parseAddress(const QString &text, const QString &pattern);
// "a.b.c.d", first octet from the high byte.
QString addressText(quint32 address);

// SysNetwork: address, netmask and gateway, each a little-endian u32 (first octet high).
QByteArray networkPayload(quint32 address, quint32 netmask, quint32 gateway);
// SyncConfig: the mode byte, then the master address as above.
QByteArray syncPayload(quint8 mode, quint32 master);
// Gain range of one channel: channel, maximum, minimum, each limit a signed byte of whole dB
// (the stored value truncated toward zero).
QByteArray limitPayload(quint8 channel, float maximum, float minimum);

// ---- texts in the device's 8-bit encoding ---------------------------------------------------
enum class TextCheck { Empty, TooLong, Accepted };
// Trims the text and encodes it; bytes holds the encoding when accepted.
TextCheck checkText(const QString &text, int maxBytes, QByteArray *bytes = nullptr);

// ---- how the device's numbers are shown ----------------------------------------------------
using Version = std::array<quint8, 3>;
QString versionText(const Version &version); // "V1.2.3"
// With the build number in hexadecimal when it is not 0: "V1.2.3-1A2B".
QString detailedVersionText(const Version &version, quint32 build);
QString durationText(quint32 seconds); // "%1day %2:%3:%4"

// ---- Dante -----------------------------------------------------------------------------------
// The three latency choices, in the order of the list, in microseconds.
constexpr std::array<quint32, 3> DanteLatencies {1000, 2000, 5000};
QByteArray latencyPayload(quint32 microseconds);
// The list index of a latency; -1 for a value the list does not have.
int latencyIndex(quint32 microseconds);
QString latencyText(quint32 microseconds); // "1.0"

// Dante addresses travel in dotted order (first octet first).
using DanteAddress = std::array<quint8, 4>;
QString danteAddressText(const DanteAddress &address); // empty for 0.0.0.0
std::optional<DanteAddress> parseDanteAddress(const QString &text, const QString &pattern);

// The network part of the module's information block.
struct DanteNetwork
{
    static constexpr quint8 Automatic = 2;
    static constexpr quint8 Manual = 4;

    quint8 mode = Automatic;
    DanteAddress address {};
    DanteAddress netmask {};
    DanteAddress dns {};
    DanteAddress gateway {};

    bool operator==(const DanteNetwork &o) const
    {
        return mode == o.mode && address == o.address && netmask == o.netmask && dns == o.dns
                && gateway == o.gateway;
    }
    bool operator!=(const DanteNetwork &o) const { return !(*this == o); }
};
// The 17-byte apply record: mode, address, netmask, DNS server, gateway.
QByteArray danteNetworkPayload(const DanteNetwork &network);

// What the dialog shows of the module's information block (81..94 bytes; fields beyond a
// shorter block read as zero).
struct DanteInfo
{
    QByteArray deviceName; // without its terminator
    QByteArray modelName;
    quint32 productVersion = 0;
    quint32 linkSpeed = 0;
    quint32 latency = 0;
    DanteNetwork network;
};
DanteInfo parseDanteInfo(const QByteArray &block);
// Write fields back into a block, extending it to its full 94 bytes.
void storeDanteNetwork(QByteArray &block, const DanteNetwork &network);
void storeDanteName(QByteArray &block, const QByteArray &name); // at most 31 bytes kept
void storeDanteLatency(QByteArray &block, quint32 microseconds);
QString productVersionText(quint32 version); // "%1.%2.%3", empty for 0
// "%1@%2": the channel name (bytes 32..63), then the device name (bytes 0..31).
QString subscriptionText(const QByteArray &block);

} // namespace SetupRules
