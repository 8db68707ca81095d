// A stand-in processor for the namespace test: announces itself by broadcast to
// 255.255.255.255 at the discovery port, accepts the control connection and records where it
// came from, and records the network-change datagram that arrives on port 6001. It exits 0 once
// that datagram has arrived, 1 when nothing came within the time limit.
//
//   vt-announcer --bind ADDRESS --out FILE [--id N] [--seconds N]
#include "link/Discovery.h"
#include "link/UdpBrowsingPacket.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace {

constexpr quint16 DiscoveryPort = 6697;
constexpr quint16 ControlPort = 2698;
constexpr int AnnounceEveryMs = 300; // until the application is listening

void record(const QString &file, const QString &line)
{
    QFile out(file);
    if (out.open(QIODevice::Append | QIODevice::Text))
        out.write((line + QLatin1Char('\n')).toUtf8());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"bind", "Device address.", "address"});
    parser.addOption({"out", "Record file.", "file"});
    parser.addOption({"id", "Device identifier.", "n", "11259375"});
    parser.addOption({"seconds", "Time limit.", "n", "30"});
    parser.process(app);
    const QHostAddress address(parser.value("bind"));
    const QString out = parser.value("out");
    if (address.isNull() || out.isEmpty())
        return 2;

    UdpBrowsingPacket packet;
    packet.deviceId = parser.value("id").toUInt();
    packet.ipAddress = address.toIPv4Address();
    packet.armVersion = {1, 2, 3};
    packet.model = UdpBrowsingPacket::toText("VT-NS");
    packet.productCode = 1;
    const QByteArray datagram = packet.serialise();

    QTcpServer control;
    if (!control.listen(address, ControlPort))
        return 2;
    QObject::connect(&control, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *peer = control.nextPendingConnection())
            record(out, QStringLiteral("connected-from %1").arg(peer->peerAddress().toString()));
    });

    QUdpSocket commands;
    if (!commands.bind(QHostAddress(QHostAddress::AnyIPv4), Discovery::CommandPort,
                       QUdpSocket::ShareAddress))
        return 2;
    QObject::connect(&commands, &QUdpSocket::readyRead, [&] {
        while (commands.hasPendingDatagrams()) {
            const QNetworkDatagram d = commands.receiveDatagram();
            record(out,
                   QStringLiteral("network-change %1").arg(QString::fromLatin1(d.data().toHex())));
            app.exit(0);
        }
    });

    QUdpSocket announcer;
    if (!announcer.bind(address, 0))
        return 2;
    const auto send = [&] {
        announcer.writeDatagram(datagram, QHostAddress(QHostAddress::Broadcast), DiscoveryPort);
    };
    QTimer announce;
    QObject::connect(&announce, &QTimer::timeout, send);
    announce.start(AnnounceEveryMs);
    send();
    QTimer::singleShot(parser.value("seconds").toInt() * 1000, [&] { app.exit(1); });
    return app.exec();
}
