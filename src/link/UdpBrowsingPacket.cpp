#include "UdpBrowsingPacket.h"

#include "wire/ByteReader.h"
#include "wire/ByteWriter.h"
#include "wire/LocalText.h"

#include <cstring>

namespace {

constexpr int MarkerOffset = 4;
constexpr int MarkerSize = 4;

void readText(ByteReader &in, UdpBrowsingPacket::Text &text)
{
    const QByteArray raw = in.bytes(UdpBrowsingPacket::TextSize);
    text.fill(0);
    std::memcpy(text.data(), raw.constData(), size_t(qMin(raw.size(), int(text.size()))));
}

void readVersion(ByteReader &in, UdpBrowsingPacket::Version &version)
{
    for (quint8 &b : version)
        b = in.u8();
}

void writeText(ByteWriter &out, const UdpBrowsingPacket::Text &text)
{
    out.bytes(QByteArray(text.data(), int(text.size())));
}

void writeVersion(ByteWriter &out, const UdpBrowsingPacket::Version &version)
{
    for (quint8 b : version)
        out.u8(b);
}

} // namespace

std::optional<UdpBrowsingPacket> UdpBrowsingPacket::parse(const QByteArray &datagram,
                                                          bool alternativeForm, quint16 productCode)
{
    QByteArray bytes = datagram;
    if (alternativeForm) {
        if (bytes.size() != AlternativeSize)
            return std::nullopt;
        ByteReader marker(bytes.constData() + MarkerOffset, MarkerSize);
        if (marker.u32() != AlternativeMarker)
            return std::nullopt;
        bytes.remove(MarkerOffset, MarkerSize);
    }
    if (bytes.size() != Size)
        return std::nullopt;

    ByteReader in(bytes);
    UdpBrowsingPacket p;
    p.deviceId = in.u32();
    p.ipAddress = in.u32();
    p.runTime = in.u32();
    p.totalTime = in.u32();
    p.reserved = in.u8();
    readVersion(in, p.armVersion);
    readVersion(in, p.dspVersion);
    readText(in, p.serialNumber);
    readText(in, p.model);
    readText(in, p.location);
    readText(in, p.description);
    readText(in, p.preset);
    p.fault = in.u8();
    p.productCode = in.u16();
    if (!in.ok() || p.productCode != productCode)
        return std::nullopt;
    return p;
}

QByteArray UdpBrowsingPacket::serialise() const
{
    ByteWriter out(Size);
    out.u32(deviceId).u32(ipAddress).u32(runTime).u32(totalTime).u8(reserved);
    writeVersion(out, armVersion);
    writeVersion(out, dspVersion);
    writeText(out, serialNumber);
    writeText(out, model);
    writeText(out, location);
    writeText(out, description);
    writeText(out, preset);
    out.u8(fault).u16(productCode);
    return out;
}

QByteArray UdpBrowsingPacket::serialiseAlternative() const
{
    QByteArray bytes = serialise();
    bytes.insert(MarkerOffset, ByteWriter().u32(AlternativeMarker).data());
    return bytes;
}

unsigned UdpBrowsingPacket::changedFields(const UdpBrowsingPacket &stored,
                                          const UdpBrowsingPacket &received)
{
    const auto textDiffers = [](const Text &a, const Text &b) {
        return textBytes(a) != textBytes(b);
    };
    unsigned changed = 0;
    if (stored.ipAddress != received.ipAddress)
        changed |= IPAddressField;
    if (textDiffers(stored.model, received.model))
        changed |= ModelField;
    if (stored.armVersion != received.armVersion)
        changed |= ARMVersionField;
    if (stored.dspVersion != received.dspVersion)
        changed |= DSPVersionField;
    if (textDiffers(stored.serialNumber, received.serialNumber))
        changed |= SerialNumberField;
    if (textDiffers(stored.location, received.location))
        changed |= LocationField;
    if (textDiffers(stored.description, received.description))
        changed |= DescriptionField;
    if (stored.fault != received.fault)
        changed |= FaultField;
    if (textDiffers(stored.preset, received.preset))
        changed |= PresetField;
    return changed;
}

QByteArray UdpBrowsingPacket::textBytes(const Text &text)
{
    const void *zero = std::memchr(text.data(), 0, text.size());
    const int len = zero ? int(static_cast<const char *>(zero) - text.data()) : int(text.size());
    return QByteArray(text.data(), len);
}

UdpBrowsingPacket::Text UdpBrowsingPacket::toText(const QByteArray &bytes)
{
    Text text {};
    std::memcpy(text.data(), bytes.constData(), size_t(qMin(bytes.size(), int(text.size()))));
    return text;
}

QString UdpBrowsingPacket::textString(const Text &text)
{
    return LocalText::decode(textBytes(text));
}

UdpBrowsingPacket::Text UdpBrowsingPacket::fromString(const QString &text)
{
    return toText(LocalText::encode(text));
}
