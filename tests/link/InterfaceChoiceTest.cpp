#include "link/InterfaceChoice.h"
#include "link/Discovery.h"
#include "support/FakeInterfaceProvider.h"

#include <QtTest>

using Candidates = QVector<InterfaceChoice::Candidate>;
Q_DECLARE_METATYPE(Candidates)

// Which local address the link uses, and the fixed bytes and numbers of discovery.
class InterfaceChoiceTest : public QObject
{
    Q_OBJECT

    static InterfaceChoice::Candidate candidate(const char *address, bool inSubnet)
    {
        return {QHostAddress(QString::fromLatin1(address)), inSubnet};
    }

private slots:
    void usableInterfaces()
    {
        using F = QNetworkInterface;
        const QList<NetworkInterfaceInfo> list {
                FakeInterfaceProvider::make(1, "lo", {"127.0.0.1/8"},
                                            F::IsUp | F::IsRunning | F::IsLoopBack),
                FakeInterfaceProvider::make(2, "up", {"10.0.0.1/8"}, F::IsUp),
                FakeInterfaceProvider::make(3, "running", {"10.1.0.1/16"}, F::IsRunning),
                FakeInterfaceProvider::make(4, "down", {"10.2.0.1/16"}, {}),
        };
        QCOMPARE(InterfaceChoice::usableCount(list), 2);
        QVERIFY(!InterfaceChoice::isUsable(list[0]));
        QVERIFY(!InterfaceChoice::isUsable(list[3]));
    }

    void candidatesInInterfaceOrderWithSubnetFlags()
    {
        NetworkInterfaceInfo a =
                FakeInterfaceProvider::make(5, "a", {"10.9.9.1/24", "192.168.77.1/24"});
        QNetworkAddressEntry v6;
        v6.setIp(QHostAddress("fe80::1"));
        v6.setPrefixLength(64);
        a.addressEntries.prepend(v6);
        const QList<NetworkInterfaceInfo> list {
                FakeInterfaceProvider::make(1, "lo", {"127.0.0.1/8"},
                                            QNetworkInterface::IsUp
                                                    | QNetworkInterface::IsLoopBack),
                a,
                FakeInterfaceProvider::make(6, "b", {"192.168.0.5/16"}),
        };
        const Candidates got = InterfaceChoice::candidates(list, QHostAddress("192.168.77.10"));
        QCOMPARE(got.size(), 3);
        QCOMPARE(got[0].address, QHostAddress("10.9.9.1"));
        QVERIFY(!got[0].inSubnet);
        QCOMPARE(got[1].address, QHostAddress("192.168.77.1"));
        QVERIFY(got[1].inSubnet);
        QCOMPARE(got[2].address, QHostAddress("192.168.0.5"));
        QVERIFY(got[2].inSubnet); // 192.168.0.0/16 holds 192.168.77.10 as well
    }

    void choose_data()
    {
        QTest::addColumn<Candidates>("candidates");
        QTest::addColumn<QString>("bound");
        QTest::addColumn<QString>("expected");

        const Candidates ab {candidate("10.0.0.1", true), candidate("10.1.0.1", false)};
        const Candidates ba {candidate("10.1.0.1", false), candidate("10.0.0.1", true)};
        const Candidates none {candidate("10.1.0.1", false), candidate("10.2.0.1", false)};
        QTest::newRow("no candidates") << Candidates {} << "10.0.0.1"
                                       << "";
        QTest::newRow("first attempt: the subnet's own") << ba << ""
                                                         << "10.0.0.1";
        QTest::newRow("no subnet match: the first") << none << ""
                                                    << "10.1.0.1";
        QTest::newRow("rotation to the next") << ab << "10.0.0.1"
                                              << "10.1.0.1";
        QTest::newRow("rotation wraps") << ab << "10.1.0.1"
                                        << "10.0.0.1";
        QTest::newRow("bound elsewhere: subnet rule") << ab << "172.16.0.1"
                                                      << "10.0.0.1";
        QTest::newRow("single candidate stays")
                << Candidates {candidate("10.0.0.1", false)} << "10.0.0.1"
                << "10.0.0.1";
    }

    void choose()
    {
        QFETCH(Candidates, candidates);
        QFETCH(QString, bound);
        QFETCH(QString, expected);
        const QHostAddress got = InterfaceChoice::choose(candidates, QHostAddress(bound));
        QCOMPARE(got.isNull() ? QString() : got.toString(), expected);
    }

    void localAddressOfTheReceivingInterface()
    {
        const NetworkInterfaceInfo iface = FakeInterfaceProvider::make(
                7, "eth", {"10.9.9.1/24", "192.168.77.1/24", "192.168.77.2/24"});
        QCOMPARE(InterfaceChoice::localAddressFor(iface, QHostAddress("192.168.77.10")),
                 QHostAddress("192.168.77.1"));
        QVERIFY(InterfaceChoice::localAddressFor(iface, QHostAddress("172.16.0.9")).isNull());
        QCOMPARE(InterfaceChoice::firstIPv4(iface), QHostAddress("10.9.9.1"));
        QVERIFY(InterfaceChoice::firstIPv4(NetworkInterfaceInfo {}).isNull());
    }

    void networkChangeDatagramBytes()
    {
        const QByteArray got = Discovery::networkChangeDatagram(
                0x01020304, QHostAddress("192.168.1.20").toIPv4Address(),
                QHostAddress("255.255.255.0").toIPv4Address(),
                QHostAddress("192.168.1.1").toIPv4Address());
        QCOMPARE(got.toHex(),
                 QByteArray("04030201"
                            "02000000"
                            "0c000000"
                            "1401a8c0"
                            "00ffffff"
                            "0101a8c0"));
    }

    void manualDeviceId_data()
    {
        QTest::addColumn<QVector<quint32>>("used");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("none") << QVector<quint32> {} << 42215u;
        QTest::newRow("42215 and 42216") << QVector<quint32> {42215, 42216} << 42217u;
        QTest::newRow("in any order") << QVector<quint32> {42216, 7, 42215} << 42217u;
        QTest::newRow("gap at the start") << QVector<quint32> {42216} << 42215u;
    }

    void manualDeviceId()
    {
        QFETCH(QVector<quint32>, used);
        QFETCH(quint32, expected);
        QCOMPARE(Discovery::manualDeviceId(used), expected);
    }
};

QTEST_GUILESS_MAIN(InterfaceChoiceTest)
#include "InterfaceChoiceTest.moc"
