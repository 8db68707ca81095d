// The application side of the namespace test, run inside the application's namespace with
// 192.168.77.1/24 on its one link: the processor at 192.168.77.10 broadcasts announcements.
// The machine's real interfaces are invisible here.
#include "model/DataModel.h"

#include <QTemporaryDir>
#include <QtTest>

class NamespaceDiscoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void discoversConnectsAndChangesTheNetwork()
    {
        QTemporaryDir dir;
        LinkEnvironment environment;
        environment.registryFile = dir.filePath("devices.db");
        DataModel model(LinkSettings {}, std::move(environment));
        QCOMPARE(model.interfaceCount(), 1);
        QCOMPARE(model.discoverySocketCount(), 1);

        QTRY_COMPARE_WITH_TIMEOUT(model.deviceCount(), 1, 15000);
        const DeviceEntry &device = model.device(0);
        QCOMPARE(device.packet.deviceId, 11259375u);
        QCOMPARE(QHostAddress(device.packet.ipAddress), QHostAddress("192.168.77.10"));
        QVERIFY(device.online);
        QCOMPARE(device.localAddress, QHostAddress("192.168.77.1"));

        model.selectDevice(0, true);
        QCOMPARE(model.boundAddress(), QHostAddress("192.168.77.1"));
        QTRY_COMPARE_WITH_TIMEOUT(model.currentSocket()->state(), QAbstractSocket::ConnectedState,
                                  10000);
        QCOMPARE(model.currentSocket()->localAddress(), QHostAddress("192.168.77.1"));

        model.setDeviceNetwork(0, QHostAddress("192.168.77.20").toIPv4Address(),
                               QHostAddress("255.255.255.0").toIPv4Address(),
                               QHostAddress("192.168.77.254").toIPv4Address());
        QCOMPARE(QHostAddress(model.device(0).packet.ipAddress), QHostAddress("192.168.77.20"));
        QTest::qWait(200); // let the datagram leave before the sockets close
    }
};

QTEST_GUILESS_MAIN(NamespaceDiscoveryTest)
#include "NamespaceDiscoveryTest.moc"
