#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// A processor's announcement, as stored in every device entry and in the registry.
// Text fields are kept as the raw 16-byte fields (local 8-bit encoding, zero padded).
struct UdpBrowsingPacket
{
    static constexpr int Size = 106;
    static constexpr int AlternativeSize = 110; // with a u32 7 inserted at offset 4
    static constexpr quint32 AlternativeMarker = 7;
    static constexpr int TextSize = 16;

    using Text = std::array<char, TextSize>;
    using Version = std::array<quint8, 3>;

    quint32 deviceId = 0;
    quint32 ipAddress = 0; // numeric IPv4, as QHostAddress::toIPv4Address()
    quint32 runTime = 0;
    quint32 totalTime = 0;
    quint8 reserved = 0;
    Version armVersion {};
    Version dspVersion {};
    Text serialNumber {};
    Text model {};
    Text location {};
    Text description {};
    Text preset {};
    quint8 fault = 0;
    quint16 productCode = 0;

    // The fields an announcement can change on a known device, in the order they are applied.
    enum Field : unsigned {
        IPAddressField = 1u << 0,
        ModelField = 1u << 1,
        ARMVersionField = 1u << 2,
        DSPVersionField = 1u << 3,
        SerialNumberField = 1u << 4,
        LocationField = 1u << 5,
        DescriptionField = 1u << 6,
        FaultField = 1u << 7,
        PresetField = 1u << 8,
    };

    // Reads a datagram: 106 bytes, or in the alternative form 110 bytes whose u32 at offset 4 is
    // 7 (removed before reading). Nothing for any other size, marker or product code.
    static std::optional<UdpBrowsingPacket> parse(const QByteArray &datagram, bool alternativeForm,
                                                  quint16 productCode);
    // The 106-byte form, and the 110-byte form with the marker.
    QByteArray serialise() const;
    QByteArray serialiseAlternative() const;

    // The Field bits whose received value differs from the stored one. Texts compare by their
    // contents up to the first zero byte.
    static unsigned changedFields(const UdpBrowsingPacket &stored,
                                  const UdpBrowsingPacket &received);

    // A text field's contents (up to the first zero byte), and a field from bytes (cut at 16,
    // zero padded).
    static QByteArray textBytes(const Text &text);
    static Text toText(const QByteArray &bytes);
    // The same through the local 8-bit encoding.
    static QString textString(const Text &text);
    static Text fromString(const QString &text);
};

Q_DECLARE_METATYPE(UdpBrowsingPacket *)
