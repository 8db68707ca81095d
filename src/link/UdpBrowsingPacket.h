#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// A processor's announcement, as stored in every device entry and in the registry.
// Text fields are kept as the raw 16-byte fields (local 8-bit encoding, zero padded).
struct UdpBrowsingPacket
{
    static constexpr int Size = 106;
    static constexpr int AlternativeSize = 110; // with a u32 7 inserted at offset 4
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
};
