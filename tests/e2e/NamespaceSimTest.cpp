// The application side of the namespace test with the simulated processor, run inside the
// application's namespace with 192.168.77.1/24 on its one link. vexatarn-sim runs in the other
// namespace at 192.168.77.10 as device 77010 and broadcasts its announcements to
// 255.255.255.255. The machine's real interfaces are invisible here.
#include "link/UdpBrowsingPacket.h"
#include "model/DataModel.h"
#include "model/StatusPoll.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

namespace {

constexpr quint32 DeviceId = 77010;
const QHostAddress Device("192.168.77.10");
const QHostAddress Local("192.168.77.1");
const QHostAddress NewAddress("192.168.77.20");
const QHostAddress Netmask("255.255.255.0");
const QHostAddress Gateway("192.168.77.254");

} // namespace

class NamespaceSimTest : public QObject
{
    Q_OBJECT

private slots:
    void discoverLoginAndMoveTheProcessor()
    {
        QTemporaryDir dir;
        LinkEnvironment environment;
        environment.registryFile = dir.filePath(QStringLiteral("devices.db"));
        const LinkSettings settings;
        DataModel model(settings, std::move(environment));
        QCOMPARE(model.interfaceCount(), 1);
        connect(&model, &DataModel::tcpLoginChanged, [&model](uchar status) {
            if (status == 0) // as the device list panel does
                model.login(QStringLiteral("#*qubit*"), false);
        });

        // A second listener on the discovery port sees the announcements as they are sent.
        QUdpSocket watcher;
        QVERIFY(watcher.bind(QHostAddress(QHostAddress::AnyIPv4), settings.broadcastPort,
                             QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        QList<QHostAddress> announced;
        connect(&watcher, &QUdpSocket::readyRead, [&] {
            while (watcher.hasPendingDatagrams()) {
                const auto packet = UdpBrowsingPacket::parse(watcher.receiveDatagram().data(),
                                                             false, settings.productCode);
                if (packet && packet->deviceId == DeviceId)
                    announced << QHostAddress(packet->ipAddress);
            }
        });

        QTRY_COMPARE_WITH_TIMEOUT(model.deviceCount(), 1, 15000);
        const DeviceEntry &device = model.device(0);
        QCOMPARE(device.packet.deviceId, DeviceId);
        QCOMPARE(QHostAddress(device.packet.ipAddress), Device);
        QCOMPARE(device.localAddress, Local);

        model.selectDevice(0, true);
        QCOMPARE(model.boundAddress(), Local);
        QTRY_VERIFY_WITH_TIMEOUT(model.isLoggedIn(), 10000);
        QCOMPARE(model.currentSocket()->localAddress(), Local);

        // The device setup dialog's poll reads the processor's network settings.
        model.setDialogOpen(StatusPoll::DeviceSetupDialog, true);
        QTRY_COMPARE_WITH_TIMEOUT(QHostAddress(model.mirror().device.address), Device, 5000);
        QCOMPARE(model.mirror().device.deviceId, DeviceId);

        announced.clear();
        model.setDeviceNetwork(0, NewAddress.toIPv4Address(), Netmask.toIPv4Address(),
                               Gateway.toIPv4Address());
        QCOMPARE(QHostAddress(model.device(0).packet.ipAddress), NewAddress);
        // The processor took the command: it announces the new address and reports it.
        QTRY_VERIFY_WITH_TIMEOUT(announced.contains(NewAddress), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(QHostAddress(model.mirror().device.address), NewAddress, 5000);
        QCOMPARE(QHostAddress(model.mirror().device.netmask), Netmask);
        QCOMPARE(QHostAddress(model.mirror().device.gateway), Gateway);
        QCOMPARE(QHostAddress(model.device(0).packet.ipAddress), NewAddress);
    }
};

QTEST_GUILESS_MAIN(NamespaceSimTest)
#include "NamespaceSimTest.moc"
