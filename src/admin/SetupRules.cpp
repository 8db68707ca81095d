#include "SetupRules.h"

#include "wire/ByteWriter.h"
#include "wire/LocalText.h"

#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace SetupRules {

namespace {

const char *const Octet = R"((\d{1,2}|1\d\d|2[0-4]\d|25[0-5]))";
const char *const HostOctet = R"((\d{1,2}|1\d\d|2[0-1]\d|22[0-3]))";

// Information block of the Dante module.
constexpr int NameSize = 32;
constexpr int ProductVersionAt = 64;
constexpr int AddressAt = 68;
constexpr int LinkSpeedAt = 72;
constexpr int LatencyAt = 76;
constexpr int ModeAt = 81;
constexpr int NetmaskAt = 82;
constexpr int DnsAt = 86;
constexpr int GatewayAt = 90;
constexpr int InfoSize = 94;

QString dotted(const char *first)
{
    const QString octet = QLatin1String(Octet);
    return QLatin1String(first) + QStringLiteral("\\.") + octet + QStringLiteral("\\.") + octet
            + QStringLiteral("\\.") + octet;
}

QByteArray nameAt(const QByteArray &block, int offset)
{
    const QByteArray field = block.mid(offset, NameSize);
    const int end = field.indexOf('\0');
    return end < 0 ? field : field.left(end);
}

quint32 u32At(const QByteArray &block, int offset)
{
    if (block.size() < offset + 4)
        return 0;
    return qFromLittleEndian<quint32>(block.constData() + offset);
}

DanteAddress addressAt(const QByteArray &block, int offset)
{
    DanteAddress a {};
    for (int i = 0; i < 4 && offset + i < block.size(); ++i)
        a[size_t(i)] = quint8(block[offset + i]);
    return a;
}

void putAddress(QByteArray &block, int offset, const DanteAddress &a)
{
    for (int i = 0; i < 4; ++i)
        block[offset + i] = char(a[size_t(i)]);
}

// Whole dB toward zero, within the signed byte.
qint8 wholeDb(float value)
{
    if (!std::isfinite(value))
        return 0;
    return qint8(std::clamp(std::trunc(value), -128.0f, 127.0f));
}

} // namespace

QString hostPattern()
{
    return dotted(HostOctet);
}

QString maskPattern()
{
    return dotted(Octet);
}

std::optional<quint32> parseAddress(const QString &text, const QString &pattern)
{
    const QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
    if (!re.match(text).hasMatch())
        return std::nullopt;
    const QStringList parts = text.split(QLatin1Char('.'));
    quint32 value = 0;
    for (const QString &part : parts)
        value = (value << 8) | quint32(part.toUInt());
    return value;
}

QString addressText(quint32 address)
{
    return QStringLiteral("%1.%2.%3.%4")
            .arg(address >> 24)
            .arg((address >> 16) & 0xFF)
            .arg((address >> 8) & 0xFF)
            .arg(address & 0xFF);
}

QByteArray networkPayload(quint32 address, quint32 netmask, quint32 gateway)
{
    return ByteWriter(12).u32(address).u32(netmask).u32(gateway);
}

QByteArray syncPayload(quint8 mode, quint32 master)
{
    return ByteWriter(5).u8(mode).u32(master);
}

QByteArray limitPayload(quint8 channel, float maximum, float minimum)
{
    return ByteWriter(3).u8(channel).i8(wholeDb(maximum)).i8(wholeDb(minimum));
}

TextCheck checkText(const QString &text, int maxBytes, QByteArray *bytes)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return TextCheck::Empty;
    const QByteArray encoded = LocalText::encode(trimmed);
    if (encoded.size() > maxBytes)
        return TextCheck::TooLong;
    if (bytes)
        *bytes = encoded;
    return TextCheck::Accepted;
}

QString versionText(const Version &version)
{
    return QStringLiteral("V%1.%2.%3").arg(version[0]).arg(version[1]).arg(version[2]);
}

QString detailedVersionText(const Version &version, quint32 build)
{
    if (build == 0)
        return versionText(version);
    return versionText(version) + QLatin1Char('-') + QString::number(build, 16).toUpper();
}

QString durationText(quint32 seconds)
{
    const auto two = [](quint32 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1day %2:%3:%4")
            .arg(seconds / 86400)
            .arg(two(seconds / 3600 % 24), two(seconds / 60 % 60), two(seconds % 60));
}

QByteArray latencyPayload(quint32 microseconds)
{
    return ByteWriter(4).u32(microseconds);
}

int latencyIndex(quint32 microseconds)
{
    const auto it = std::find(DanteLatencies.begin(), DanteLatencies.end(), microseconds);
    return it == DanteLatencies.end() ? -1 : int(it - DanteLatencies.begin());
}

QString latencyText(quint32 microseconds)
{
    return QString::number(microseconds / 1000.0, 'f', 1);
}

QString danteAddressText(const DanteAddress &a)
{
    if (a == DanteAddress {})
        return QString();
    return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}

std::optional<DanteAddress> parseDanteAddress(const QString &text, const QString &pattern)
{
    const std::optional<quint32> value = parseAddress(text, pattern);
    if (!value)
        return std::nullopt;
    return DanteAddress {quint8(*value >> 24), quint8(*value >> 16), quint8(*value >> 8),
                         quint8(*value)};
}

QByteArray danteNetworkPayload(const DanteNetwork &n)
{
    ByteWriter out(17);
    out.u8(n.mode);
    for (const DanteAddress *a : {&n.address, &n.netmask, &n.dns, &n.gateway}) {
        for (quint8 b : *a)
            out.u8(b);
    }
    return out;
}

DanteInfo parseDanteInfo(const QByteArray &block)
{
    DanteInfo info;
    info.deviceName = nameAt(block, 0);
    info.modelName = nameAt(block, NameSize);
    info.productVersion = u32At(block, ProductVersionAt);
    info.linkSpeed = u32At(block, LinkSpeedAt);
    info.latency = u32At(block, LatencyAt);
    info.network.mode = block.size() > ModeAt ? quint8(block[ModeAt]) : 0;
    info.network.address = addressAt(block, AddressAt);
    info.network.netmask = addressAt(block, NetmaskAt);
    info.network.dns = addressAt(block, DnsAt);
    info.network.gateway = addressAt(block, GatewayAt);
    return info;
}

namespace {

void extend(QByteArray &block)
{
    if (block.size() < InfoSize)
        block.append(QByteArray(InfoSize - block.size(), '\0'));
}

} // namespace

void storeDanteName(QByteArray &block, const QByteArray &name)
{
    extend(block);
    const QByteArray field = name.left(NameSize - 1) + QByteArray(NameSize, '\0');
    block.replace(0, NameSize, field.left(NameSize));
}

void storeDanteLatency(QByteArray &block, quint32 microseconds)
{
    extend(block);
    block.replace(LatencyAt, 4, ByteWriter(4).u32(microseconds));
}

void storeDanteNetwork(QByteArray &block, const DanteNetwork &n)
{
    extend(block);
    block[ModeAt] = char(n.mode);
    putAddress(block, AddressAt, n.address);
    putAddress(block, NetmaskAt, n.netmask);
    putAddress(block, DnsAt, n.dns);
    putAddress(block, GatewayAt, n.gateway);
}

QString productVersionText(quint32 v)
{
    if (v == 0)
        return QString();
    return QStringLiteral("%1.%2.%3").arg(v >> 24).arg((v >> 16) & 0xFF).arg(v & 0xFFFF);
}

QString subscriptionText(const QByteArray &block)
{
    const QString device = LocalText::decode(nameAt(block, 0));
    const QString channel = LocalText::decode(nameAt(block, NameSize));
    if (device.isEmpty() && channel.isEmpty())
        return QString();
    return channel + QLatin1Char('@') + device;
}

} // namespace SetupRules
