#include "model/DataModel.h"
#include "support/Announcements.h"
#include "support/DeviceListRecorder.h"
#include "support/RegistryRows.h"
#include "support/TestLinkEnvironment.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <functional>

// Announcements: how they are read, and what each one does to the device list and the registry.
class AnnouncementTest : public QObject
{
    Q_OBJECT

    using P = UdpBrowsingPacket;
    FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeInterfaceProvider *m_interfaces = nullptr;
    std::unique_ptr<DataModel> m_model;
    std::unique_ptr<DeviceListRecorder> m_recorder;

    static constexpr int EthIndex = 107; // away from the machine's own interface indexes

    QString registryFile() const { return m_dir->filePath("devices.db"); }
    // The rows once the queued changes are written.
    QList<QVariantList> storedRows()
    {
        m_model->registry().flush();
        return registryRows(registryFile());
    }

    // The addresses are the test's own description; nothing is bound to them or sent.
    void startModel(int bootMode = 0)
    {
        m_recorder.reset();
        m_model.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        LinkSettings settings = testLinkSettings();
        settings.bootMode = bootMode;
        m_model = std::make_unique<DataModel>(
                settings,
                testLinkEnvironment(m_clock, registryFile(), &m_interfaces,
                                    {FakeInterfaceProvider::make(
                                            EthIndex, "eth", {"10.9.9.1/24", "192.0.2.1/24"})}));
        m_recorder = std::make_unique<DeviceListRecorder>(m_model.get());
    }

    void hear(const P &p, int interfaceIndex = EthIndex)
    {
        m_model->processAnnouncement(p.serialise(), interfaceIndex);
    }

private slots:
    void init() { startModel(); }
    void cleanup()
    {
        m_recorder.reset();
        m_model.reset();
        m_dir.reset();
    }

    void readsTheFieldsAtTheirOffsets()
    {
        const auto text16 = [](const QByteArray &t) { return t.leftJustified(16, '\0', true); };
        const QByteArray wire = QByteArray::fromHex("04030201 0a01a8c0 10000000 20000000 00"
                                                    "010003 020001")
                + text16("SN1") + text16("VT-1616") + QByteArray("ABCDEFGHIJKLMNOP") + text16("")
                + text16("P1") + QByteArray::fromHex("01 0100");
        QCOMPARE(wire.size(), 106);
        const auto p = P::parse(wire, false, 1);
        QVERIFY(p);
        QCOMPARE(p->deviceId, 0x01020304u);
        QCOMPARE(QHostAddress(p->ipAddress), QHostAddress("192.168.1.10"));
        QCOMPARE(p->runTime, 16u);
        QCOMPARE(p->totalTime, 32u);
        QCOMPARE(p->armVersion, (P::Version {1, 0, 3}));
        QCOMPARE(p->dspVersion, (P::Version {2, 0, 1}));
        QCOMPARE(P::textString(p->serialNumber), QString("SN1"));
        QCOMPARE(P::textString(p->model), QString("VT-1616"));
        QCOMPARE(P::textString(p->location), QString("ABCDEFGHIJKLMNOP"));
        QCOMPARE(P::textString(p->description), QString());
        QCOMPARE(P::textString(p->preset), QString("P1"));
        QCOMPARE(p->fault, quint8(1));
        QCOMPARE(p->serialise(), wire);

        // The alternative form carries a u32 7 at offset 4.
        const QByteArray alternative = p->serialiseAlternative();
        QCOMPARE(alternative.mid(4, 4).toHex(), QByteArray("07000000"));
        QCOMPARE(alternative.size(), 110);
        QCOMPARE(P::parse(alternative, true, 1)->serialise(), wire);
    }

    void acceptsOnlyTheRightSizeMarkerAndProductCode()
    {
        P p = announcement(5, "10.9.9.20");
        const QByteArray good = p.serialise();
        const QByteArray alt = p.serialiseAlternative();
        QByteArray wrongMarker = alt;
        wrongMarker[4] = 6;
        p.productCode = 2;
        const struct
        {
            const char *name;
            QByteArray datagram;
            bool alternative, accepted;
        } cases[] = {
                {"106", good, false, true},
                {"105", good.left(105), false, false},
                {"107", good + '\0', false, false},
                {"empty", {}, false, false},
                {"product code 2", p.serialise(), false, false},
                {"110 when 106 expected", alt, false, false},
                {"110 with 7", alt, true, true},
                {"110 with 6", wrongMarker, true, false},
                {"106 when 110 expected", good, true, false},
                {"110 of product code 2", p.serialiseAlternative(), true, false},
        };
        for (const auto &c : cases)
            QVERIFY2(bool(P::parse(c.datagram, c.alternative, 1)) == c.accepted, c.name);
    }

    void textsCompareUpToTheirFirstZero()
    {
        P a = announcement(1, "10.9.9.20");
        P b = a;
        b.model[10] = 'x'; // after the terminator of "VT-1616"
        QCOMPARE(P::changedFields(a, b), 0u);
        b.model = P::toText("VT-1616X");
        b.fault = 1;
        b.runTime = 99; // not a field that is compared
        QCOMPARE(P::changedFields(a, b), unsigned(P::ModelField | P::FaultField));
    }

    // Listed at once; remembered when heard the second time (a spoofed identity is heard once).
    void newDeviceIsAddedOnceWithItsRegistryRow()
    {
        const P p = announcement(77, "10.9.9.20");
        hear(p);
        QCOMPARE(m_recorder->take(), QStringList {"Add(77,1)"});
        QCOMPARE(m_model->deviceCount(), 1);
        QVERIFY(m_model->device(0).online);
        QCOMPARE(m_model->device(0).lastSeen, m_clock.now);
        QCOMPARE(m_model->device(0).localAddress, QHostAddress("10.9.9.1"));
        QCOMPARE(storedRows().size(), 0);

        m_clock.advance(500);
        hear(p);
        QCOMPARE(m_recorder->take(), QStringList {"RunTime(0,60,3600)"});
        QCOMPARE(m_model->deviceCount(), 1);
        QCOMPARE(m_model->device(0).lastSeen, m_clock.now);
        QCOMPARE(registryRows(registryFile()).size(), 0); // written with the next batch
        QCOMPARE(storedRows().size(), 1);
        hear(p);
        QCOMPARE(storedRows().size(), 1);
    }

    void eachChangedFieldIsAnnouncedAndStored()
    {
        const QByteArray v104("\x01\x00\x04", 3);
        const QByteArray v310("\x03\x01\x00", 3);
        const quint32 ip21 = QHostAddress("10.9.9.21").toIPv4Address();
        const struct
        {
            std::function<void(P &)> change;
            QString line;
            int column; // in the registry row; -1: the row must not change
            QVariant stored;
        } cases[] = {
                {[&](P &p) { p.ipAddress = ip21; }, "IPAddress(0,10.9.9.21)", 2, qint64(ip21)},
                {[](P &p) { p.model = P::toText("VT-88"); }, "Model(0,VT-88)", 3, "VT-88"},
                {[](P &p) {
                     p.armVersion = P::Version {1, 0, 4};
                 },
                 "ARMVersion(0,1.0.4)", 4, v104},
                {[](P &p) {
                     p.dspVersion = P::Version {3, 1, 0};
                 },
                 "DSPVersion(0,3.1.0)", 5, v310},
                {[](P &p) { p.serialNumber = P::toText("SN0002"); }, "SerialNumber(0,SN0002)", 8,
                 "SN0002"},
                {[](P &p) { p.location = P::toText("Rack 2"); }, "Location(0,Rack 2)", 6, "Rack 2"},
                {[](P &p) { p.description = P::toText("Foyer"); }, "Description(0,Foyer)", 7,
                 "Foyer"},
                {[](P &p) { p.fault = 3; }, "Fault(0,1)", -1, {}},
                {[](P &p) { p.preset = P::toText("Evening"); }, "Preset(0,Evening)", -1, {}},
        };
        for (const auto &c : cases) {
            startModel();
            P p = announcement(9, "10.9.9.20");
            hear(p);
            hear(p);
            m_recorder->take();
            QVariantList expected = storedRows().value(0);

            c.change(p);
            p.runTime = 61;
            hear(p);
            QCOMPARE(m_recorder->take(), (QStringList {c.line, "RunTime(0,61,3600)"}));
            if (c.column >= 0)
                expected[c.column] = c.stored;
            const QVariantList after = storedRows().value(0);
            QVERIFY2(after.size() == expected.size(), qPrintable(c.line));
            for (int col = 0; col < after.size(); ++col)
                QVERIFY2(after[col].toByteArray() == expected[col].toByteArray(),
                         qPrintable(QStringLiteral("%1, column %2").arg(c.line).arg(col)));
            QCOMPARE(P::changedFields(m_model->device(0).packet, p), 0u);
        }
    }

    void severalChangesComeInTheirOrder()
    {
        P p = announcement(9, "10.9.9.20");
        hear(p);
        m_recorder->take();
        p.preset = P::toText("B");
        p.description = P::toText("D");
        p.model = P::toText("M");
        p.ipAddress = QHostAddress("10.9.9.30").toIPv4Address();
        hear(p);
        QCOMPARE(m_recorder->take(),
                 (QStringList {"IPAddress(0,10.9.9.30)", "Model(0,M)", "Description(0,D)",
                               "Preset(0,B)", "RunTime(0,60,3600)"}));
    }

    void aDeviceHeardAgainComesOnline()
    {
        m_model->addDeviceByAddress(QHostAddress("10.9.9.20").toIPv4Address());
        m_recorder->take();
        P p = announcement(42215, "10.9.9.20");
        p.model = p.serialNumber = p.location = p.description = p.preset = {};
        p.armVersion = p.dspVersion = {};
        hear(p);
        QCOMPARE(m_recorder->take(), (QStringList {"RunTime(0,60,3600)", "Network(0)"}));
        QVERIFY(m_model->device(0).online);
        QCOMPARE(m_model->device(0).localAddress, QHostAddress("10.9.9.1"));
        QVERIFY(m_model->firstAddress().isNull());
        QVERIFY(m_model->hadConnection());

        // Once online, a repeat does not report it again; the local address stays.
        hear(p, 0);
        QCOMPARE(m_recorder->take(), QStringList {"RunTime(0,60,3600)"});
        QCOMPARE(m_model->device(0).localAddress, QHostAddress("10.9.9.1"));
    }

    void localAddressComesFromTheReceivingInterfaceOnly()
    {
        hear(announcement(1, "172.16.0.9")); // not in a subnet of the interface
        hear(announcement(2, "10.9.9.20"), 1); // loopback: accepted, no local address
        hear(announcement(3, "10.9.9.21"), 0); // an interface discovery does not use
        hear(announcement(4, "192.0.2.50")); // the interface's second address holds it
        QCOMPARE(m_model->deviceCount(), 4);
        for (int i = 0; i < 3; ++i)
            QVERIFY(m_model->device(i).localAddress.isNull());
        QCOMPARE(m_model->device(3).localAddress, QHostAddress("192.0.2.1"));
    }

    void alternativeFormWithBootMode2()
    {
        startModel(2);
        QVERIFY(m_model->alternativeAnnouncementForm());
        const P p = announcement(5, "10.9.9.20");
        hear(p);
        QCOMPARE(m_model->deviceCount(), 0);
        m_model->processAnnouncement(p.serialiseAlternative(), EthIndex);
        QCOMPARE(m_recorder->take(), QStringList {"Add(5,1)"});
    }

    // Announcements arrive over loopback, and a flood of anything is survived.
    void floodOverLoopbackIsSurvived()
    {
        QUdpSocket sender;
        const quint16 port = m_model->linkSettings().broadcastPort;
        auto *random = QRandomGenerator::global();
        const QByteArray good = announcement(31, "127.0.0.1").serialise();
        for (int i = 0; i < 400; ++i) {
            QByteArray junk(int(random->bounded(0, 1500)), '\0');
            for (char &c : junk)
                c = char(random->bounded(256));
            sender.writeDatagram(junk, QHostAddress::LocalHost, port);
            if (i % 100 == 0)
                QCOMPARE(sender.writeDatagram(good, QHostAddress::LocalHost, port),
                         qint64(P::Size));
        }
        QTRY_COMPARE(m_model->deviceCount(), 1);
        QTest::qWait(50);
        QCOMPARE(m_model->deviceCount(), 1);
        QCOMPARE(m_model->device(0).packet.deviceId, 31u);
        QVERIFY(m_model->device(0).localAddress.isNull());

        // Any size and content fed directly, with a valid product code now and then.
        for (int i = 0; i < 2000; ++i) {
            QByteArray bytes(i % 3 ? 106 : int(random->bounded(0, 300)), '\0');
            for (char &c : bytes)
                c = char(random->bounded(256));
            if (bytes.size() == 106 && i % 16 == 1) { // a new device now and then
                bytes[104] = 1;
                bytes[105] = 0;
            }
            m_model->processAnnouncement(bytes, int(random->bounded(-2, 200)));
        }
        QVERIFY(m_model->deviceCount() > 1);
    }
};

QTEST_GUILESS_MAIN(AnnouncementTest)
#include "AnnouncementTest.moc"
