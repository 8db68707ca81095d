// Announcements of any size and content, many per input, through DataModel's discovery path with
// the registry behind it, mixed with manual adds, network changes and removals. No crash, no
// sanitizer report, and no two entries ever share a device identifier.
//
// Input: the first byte's bit 0 selects the 110-byte form. Then records, each a code byte:
//   0xFF: 106 bytes follow    0xFE: 110 bytes follow    0xFD: manual add, u32 address
//   0xFC: network change, index byte + 12 bytes         0xFB: remove, index byte
//   else: that many bytes follow
// then one byte for the receiving interface.
#include "wire/ByteReader.h"
#include "model/DataModel.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

// One usable interface whose address is not on this machine: the local-address choice runs,
// nothing is bound to it and nothing is sent.
class FuzzInterfaces : public NetworkInterfaceProvider
{
public:
    QList<NetworkInterfaceInfo> interfaces() const override
    {
        NetworkInterfaceInfo iface;
        iface.index = 7;
        iface.name = QStringLiteral("fuzz0");
        iface.flags = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
        QNetworkAddressEntry entry;
        entry.setIp(QHostAddress(QStringLiteral("192.0.2.1")));
        entry.setPrefixLength(24);
        iface.addressEntries.append(entry);
        return {iface};
    }
};

DataModel &model()
{
    static int argc = 1;
    static char arg0[] = "fuzz_announcement";
    static char *argv[] = {arg0, nullptr};
    static QCoreApplication app(argc, argv);
    static const std::unique_ptr<DataModel> model = [] {
        LinkSettings settings;
        settings.broadcastPort = 0; // an ephemeral port: the fuzzer hears nobody
        LinkEnvironment environment =
                LinkEnvironment::withClock([] { return qint64(1'700'000'000'000); });
        environment.interfaces = std::make_unique<FuzzInterfaces>();
        environment.registryFile = QStringLiteral(":memory:");
        return std::make_unique<DataModel>(settings, std::move(environment));
    }();
    return *model;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DataModel &m = model();
    if (size < 1)
        return 0;
    m.setBootMode(data[0] & 1 ? 2 : 0);
    ByteReader in(reinterpret_cast<const char *>(data + 1), int(size - 1));
    while (!in.atEnd()) {
        const quint8 code = in.u8();
        switch (code) {
        case 0xFD:
            m.addDeviceByAddress(in.u32());
            break;
        case 0xFC: {
            const int index = in.u8();
            const quint32 address = in.u32();
            const quint32 mask = in.u32();
            m.setDeviceNetwork(index, address, mask, in.u32());
            break;
        }
        case 0xFB:
            m.removeDevice(in.u8());
            break;
        default: {
            const int length = code == 0xFF ? 106 : code == 0xFE ? 110 : code;
            const QByteArray datagram = in.bytes(qMin(length, in.remaining()));
            m.processAnnouncement(datagram, in.u8() % 10);
            break;
        }
        }
    }

    for (int i = 0; i < m.deviceCount(); ++i) {
        for (int j = i + 1; j < m.deviceCount(); ++j) {
            if (m.device(i).packet.deviceId == m.device(j).packet.deviceId)
                std::abort();
        }
    }
    // Keep the list small so every input starts from a similar place.
    while (m.deviceCount() > 32)
        m.removeDevice(m.deviceCount() - 1);
    return 0;
}
