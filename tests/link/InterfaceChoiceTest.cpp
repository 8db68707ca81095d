#include "link/InterfaceChoice.h"
#include "link/Discovery.h"
#include "support/FakeInterfaceProvider.h"

#include <QtTest>

// Which local address the link uses, and the fixed bytes and numbers of discovery.
class InterfaceChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void usableInterfacesAndCandidates()
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

        // In interface order, IPv6 and loopback left out, each flagged by the subnet rule.
        NetworkInterfaceInfo a =
                FakeInterfaceProvider::make(5, "a", {"10.9.9.1/24", "192.168.77.1/24"});
        QNetworkAddressEntry v6;
        v6.setIp(QHostAddress("fe80::1"));
        v6.setPrefixLength(64);
        a.addressEntries.prepend(v6);
        const auto got = InterfaceChoice::candidates(
                {list[0], a, FakeInterfaceProvider::make(6, "b", {"192.168.0.5/16"})},
                QHostAddress("192.168.77.10"));
        QCOMPARE(got.size(), 3);
        const char *addresses[] = {"10.9.9.1", "192.168.77.1", "192.168.0.5"};
        const bool inSubnet[] = {false, true, true}; // 192.168.0.0/16 holds the device too
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(got[i].address, QHostAddress(addresses[i]));
            QCOMPARE(got[i].inSubnet, inSubnet[i]);
        }
    }

    void chooseRotatesFromTheSubnetsOwn()
    {
        const auto c = [](const char *address, bool inSubnet) {
            return InterfaceChoice::Candidate {QHostAddress(address), inSubnet};
        };
        using Candidates = QVector<InterfaceChoice::Candidate>;
        const Candidates ab {c("10.0.0.1", true), c("10.1.0.1", false)};
        const Candidates ba {c("10.1.0.1", false), c("10.0.0.1", true)};
        const Candidates none {c("10.1.0.1", false), c("10.2.0.1", false)};
        const struct
        {
            const char *name;
            Candidates candidates;
            const char *bound, *expected;
        } cases[] = {
                {"no candidates", {}, "10.0.0.1", ""},
                {"first attempt: the subnet's own", ba, "", "10.0.0.1"},
                {"no subnet match: the first", none, "", "10.1.0.1"},
                {"rotation to the next", ab, "10.0.0.1", "10.1.0.1"},
                {"rotation wraps", ab, "10.1.0.1", "10.0.0.1"},
                {"bound elsewhere: subnet rule", ab, "172.16.0.1", "10.0.0.1"},
                {"single candidate stays", {c("10.0.0.1", false)}, "10.0.0.1", "10.0.0.1"},
        };
        for (const auto &k : cases) {
            const QHostAddress got = InterfaceChoice::choose(k.candidates, QHostAddress(k.bound));
            QVERIFY2((got.isNull() ? QString() : got.toString()) == k.expected, k.name);
        }
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
        const auto ip = [](const char *a) { return QHostAddress(a).toIPv4Address(); };
        QCOMPARE(Discovery::networkChangeDatagram(0x01020304, ip("192.168.1.20"),
                                                  ip("255.255.255.0"), ip("192.168.1.1"))
                         .toHex(' '),
                 QByteArray::fromHex("04030201 02000000 0c000000 1401a8c0 00ffffff 0101a8c0")
                         .toHex(' '));
    }

    void manualDeviceIdTakesTheFirstFreeFrom42215()
    {
        QCOMPARE(Discovery::manualDeviceId({}), 42215u);
        QCOMPARE(Discovery::manualDeviceId({42216, 7, 42215}), 42217u);
        QCOMPARE(Discovery::manualDeviceId({42216}), 42215u); // a gap at the start
    }
};

QTEST_GUILESS_MAIN(InterfaceChoiceTest)
#include "InterfaceChoiceTest.moc"
