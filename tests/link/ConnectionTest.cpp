#include "wire/FrameReassembler.h"
#include "model/DataModel.h"
#include "support/Announcements.h"
#include "support/DeviceListRecorder.h"
#include "support/TestLinkEnvironment.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct PeerFrame
{
    MessageId id;
    quint8 flag = 0;
    QByteArray payload;
};

quint32 ip(const char *address)
{
    return QHostAddress(QString::fromLatin1(address)).toIPv4Address();
}

} // namespace

// Selection, connection attempts with their interface rotation and time-outs, ageing, the
// device list operations, the send path and login against a loopback peer the test scripts.
class ConnectionTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeInterfaceProvider *m_interfaces = nullptr;
    std::unique_ptr<DataModel> m_model;
    std::unique_ptr<DeviceListRecorder> m_recorder;
    QTcpServer m_server;
    QTcpSocket *m_peer = nullptr;
    FrameReassembler m_peerFrames;
    quint16 m_closedPort = 0;

    // Interfaces on loopback addresses, so binding really happens and nothing leaves the
    // machine. The device 127.0.0.2 lies in A's subnet, not in B's.
    static NetworkInterfaceInfo interfaceA()
    {
        return FakeInterfaceProvider::make(111, "a", {"127.0.0.5/24"});
    }
    static NetworkInterfaceInfo interfaceB()
    {
        return FakeInterfaceProvider::make(112, "b", {"127.1.0.1/16"});
    }

    void startModel(quint16 controlPort, const QList<NetworkInterfaceInfo> &interfaces = {},
                    quint8 simple = 0)
    {
        m_recorder.reset();
        m_model.reset();
        LinkSettings settings = testLinkSettings(controlPort);
        settings.simple = simple;
        m_model = std::make_unique<DataModel>(settings,
                                              testLinkEnvironment(m_clock,
                                                                  m_dir->filePath("devices.db"),
                                                                  &m_interfaces, interfaces));
        m_recorder = std::make_unique<DeviceListRecorder>(m_model.get());
    }

    void tick(int times)
    {
        for (int n = 0; n < times; ++n)
            m_model->timeout();
    }

    // Ticks until the attempt times out; returns the number of ticks it took, or -1.
    int tickUntilTimeout(QSignalSpy &timeouts)
    {
        const int before = timeouts.count();
        for (int n = 1; n <= 400; ++n) {
            m_model->timeout();
            if (timeouts.count() > before)
                return n;
        }
        return -1;
    }

    // A logged-out loopback link to the device 127.0.0.1 through the test's server.
    void connectToPeer(quint8 simple = 0)
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
        startModel(m_server.serverPort(), {}, simple);
        m_model->addDeviceByAddress(ip("127.0.0.1"));
        m_model->selectDevice(0, true);
        acceptPeer();
    }

    void acceptPeer()
    {
        QVERIFY(m_server.waitForNewConnection(5000));
        m_peer = m_server.nextPendingConnection();
        m_peerFrames.clear();
        QTRY_COMPARE(m_model->currentSocket()->state(), QAbstractSocket::ConnectedState);
    }

    // Waits (bounded) until the peer has `expected` frames; *raw gets the bytes as they came.
    QList<PeerFrame> readPeerFrames(int expected, QByteArray *raw = nullptr)
    {
        QList<PeerFrame> frames;
        QElapsedTimer wait;
        wait.start();
        while (frames.size() < expected && wait.elapsed() < 5000) {
            if (m_peer->bytesAvailable() == 0)
                m_peer->waitForReadyRead(50);
            const QByteArray bytes = m_peer->readAll();
            if (raw)
                *raw += bytes;
            m_peerFrames.append(bytes);
            m_peerFrames.process([&frames](const ReceivedFrame &f) {
                frames.append(PeerFrame {f.id, f.flag, f.payloadBytes()});
            });
        }
        return frames;
    }

    bool peerReceivesNothing()
    {
        QTest::qWait(50);
        return m_peer->bytesAvailable() == 0;
    }

    void reply(quint8 funcId, const QByteArray &payload)
    {
        m_peer->write(Frame::build({2, 1, funcId}, Frame::Reply, payload));
        m_peer->flush();
    }

private slots:
    void initTestCase()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        m_closedPort = probe.serverPort();
    }

    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void cleanup()
    {
        m_recorder.reset();
        m_model.reset();
        m_peer = nullptr;
        m_server.close();
        m_dir.reset();
    }

    void sendingWithoutALinkDropsSilently()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
        startModel(m_server.serverPort());
        m_model->addDeviceByAddress(ip("127.0.0.1"));
        m_model->sendRead({3, 1, 1}); // no device selected
        m_model->selectDevice(-1, false);
        m_model->sendWrite({3, 1, 1}, "x"); // still none: only the echo record moves
        QCOMPARE(m_model->lastWrite().id, (MessageId {3, 1, 1}));
        m_model->selectDevice(0, false); // connecting, not connected
        m_model->sendFrame({3, 1, 1}, Frame::ReadRequest);
        QVERIFY(m_server.waitForNewConnection(5000));
        m_peer = m_server.nextPendingConnection();
        QVERIFY(peerReceivesNothing());
    }

    void sendsFramesByteExact()
    {
        connectToPeer();
        m_model->sendRead({3, 1, 1});
        m_model->sendWrite({3, 9, 1}, QByteArray::fromHex("00000080bf"));
        QByteArray raw;
        QCOMPARE(readPeerFrames(2, &raw).size(), 2);
        QCOMPARE(raw.toHex(' '),
                 QByteArray::fromHex("827d0100030101000000 7d82 827d0100030901010500 00000080bf "
                                     "7d82")
                         .toHex(' '));
        QCOMPARE(m_model->lastWrite().id, (MessageId {3, 9, 1}));
        QCOMPARE(m_model->lastWrite().time, m_clock.now);
        // Over the frame limit: refused, not cut short.
        m_model->sendWrite({3, 9, 1}, QByteArray(Frame::MaxPayload + 1, 'x'));
        QVERIFY(peerReceivesNothing());
    }

    void throttledWritesGoOutOnTheTick()
    {
        connectToPeer();
        m_model->queueWrite({3, 4, 3}, 2, 5, "a");
        m_clock.advance(100);
        m_model->queueWrite({3, 4, 3}, 2, 5, "b");
        m_model->timeout();
        QVERIFY(peerReceivesNothing());
        m_clock.advance(80); // 180 ms after the first movement
        m_model->timeout();
        QByteArray raw;
        QCOMPARE(readPeerFrames(1, &raw).size(), 1);
        QCOMPARE(raw.toHex(' '), QByteArray::fromHex("827d010003040301010062 7d82").toHex(' '));
        QVERIFY(m_model->pendingWrites().empty());

        // Echo record: kept for 1.5 s after the last write, then cleared by the tick.
        m_clock.advance(1419); // last write was 80 ms before the send
        m_model->timeout();
        QVERIFY(m_model->lastWrite().matches(3, 4));
        m_clock.advance(1);
        m_model->timeout();
        QVERIFY(m_model->lastWrite().isClear());
    }

    void silenceReconnectsButReselectingDoesNot()
    {
        connectToPeer();
        QSignalSpy timeouts(m_model.get(), &DataModel::tcpConnectTimeout);
        m_recorder->take();
        m_model->selectDevice(0, true); // the same device: nothing happens
        QVERIFY(m_recorder->take().isEmpty());
        QCOMPARE(m_model->currentSocket()->state(), QAbstractSocket::ConnectedState);

        m_peer->write(Frame::build({9, 1, 1}, Frame::Reply)); // unknown type: removed unread
        QTRY_COMPARE(m_model->lastReceiveTime(), m_clock.now);
        m_clock.advance(3000);
        m_model->timeout();
        QCOMPARE(timeouts.count(), 0);
        m_clock.advance(1);
        m_model->timeout();
        QCOMPARE(timeouts.count(), 1);
        QVERIFY(m_server.waitForNewConnection(5000)); // a fresh attempt
    }

    // Handling a batch of replies that takes longer than the silence time-out does not make a
    // link that is delivering data look silent.
    void slowHandlingKeepsALiveLink()
    {
        connectToPeer();
        QSignalSpy timeouts(m_model.get(), &DataModel::tcpConnectTimeout);
        connect(m_model.get(), &DataModel::tcpLoginChanged, this,
                [this] { m_clock.advance(4000); });
        reply(1, QByteArray(1, '\0'));
        QTRY_COMPARE(m_model->lastReceiveTime(), m_clock.now);
        m_model->timeout();
        QCOMPARE(timeouts.count(), 0);
        QCOMPARE(m_model->currentSocket()->state(), QAbstractSocket::ConnectedState);
    }

    void rotationOverTwoInterfaces()
    {
        startModel(m_closedPort, {interfaceB(), interfaceA()});
        m_model->addDeviceByAddress(ip("127.0.0.2"));
        QSignalSpy timeouts(m_model.get(), &DataModel::tcpConnectTimeout);
        const QHostAddress a("127.0.0.5");
        const QHostAddress b("127.1.0.1");

        m_model->selectDevice(0, true);
        QCOMPARE(m_model->boundAddress(), a); // the device's subnet first
        QCOMPARE(m_model->firstAddress(), a);
        QCOMPARE(m_model->currentSocket()->localAddress(), a);
        QCOMPARE(tickUntilTimeout(timeouts), 300);

        const QList<QHostAddress> bound {b, a, b, a, b};
        const QList<bool> exhausted {false, false, true, false, true};
        for (int i = 0; i < bound.size(); ++i) {
            QCOMPARE(timeouts.last().at(0).toBool(), exhausted[i]);
            QCOMPARE(m_model->boundAddress(), bound[i]);
            QCOMPARE(m_model->firstAddress(), a);
            QCOMPARE(m_model->currentSocket()->localAddress(), bound[i]);
            QCOMPARE(tickUntilTimeout(timeouts), 300);
        }
        QCOMPARE(timeouts.count(), 6);
    }

    void noUsableInterfaceConnectsUnbound()
    {
        startModel(m_closedPort,
                   {FakeInterfaceProvider::make(1, "lo", {"127.0.0.1/8"},
                                                QNetworkInterface::IsUp
                                                        | QNetworkInterface::IsLoopBack)});
        m_model->addDeviceByAddress(ip("127.0.0.2"));
        QSignalSpy timeouts(m_model.get(), &DataModel::tcpConnectTimeout);
        m_model->selectDevice(0, true);
        QVERIFY(m_model->boundAddress().isNull());
        QCOMPARE(tickUntilTimeout(timeouts), 300);
        QCOMPARE(tickUntilTimeout(timeouts), 300);
        QCOMPARE(timeouts.count(), 2);
        for (const QList<QVariant> &t : timeouts)
            QVERIFY(!t.at(0).toBool());
    }

    void interfaceThatAnsweredIsTriedFirstOnce()
    {
        QVERIFY(m_server.listen(QHostAddress("127.0.0.2"), 0));
        startModel(m_server.serverPort(), {interfaceB(), interfaceA()});
        m_model->addDeviceByAddress(ip("127.0.0.2"));
        QSignalSpy timeouts(m_model.get(), &DataModel::tcpConnectTimeout);
        const QHostAddress a("127.0.0.5");

        m_model->selectDevice(0, true);
        acceptPeer();
        QCOMPARE(m_peer->peerAddress(), a);
        QCOMPARE(m_model->device(0).localAddress, a);
        QVERIFY(m_model->firstAddress().isNull());
        QVERIFY(m_model->hadConnection());

        // The device goes away; silence ends the link.
        m_server.close();
        m_peer->abort();
        m_clock.advance(3001);
        QVERIFY(tickUntilTimeout(timeouts) > 0);
        QCOMPARE(m_model->boundAddress(), a); // the remembered interface, once
        QVERIFY(m_model->device(0).localAddress.isNull());
        QVERIFY(m_model->firstAddress().isNull());

        QVERIFY(tickUntilTimeout(timeouts) > 0);
        QCOMPARE(m_model->boundAddress(), QHostAddress("127.1.0.1")); // rotation goes on
        QCOMPARE(m_model->firstAddress(), QHostAddress("127.1.0.1"));
        for (const QList<QVariant> &t : timeouts)
            QVERIFY(!t.at(0).toBool());
    }

    void ageingAtTheWholeSecondTick()
    {
        startModel(m_closedPort);
        UdpBrowsingPacket p = announcement(8, "10.9.9.20");
        p.fault = 1;
        m_model->processAnnouncement(p.serialise(), 0);
        m_recorder->take();

        m_clock.advance(2000);
        tick(100);
        QVERIFY(m_model->device(0).online);
        QVERIFY(m_recorder->take().isEmpty());

        m_clock.advance(500);
        for (int n = 0; n < 100 && m_model->device(0).online; ++n)
            m_model->timeout();
        QVERIFY(!m_model->device(0).online);
        QCOMPARE(m_model->device(0).packet.fault, quint8(0));
        QCOMPARE(m_recorder->take(), (QStringList {"Network(0)", "Fault(0,0)"}));
        tick(100);
        QVERIFY(m_recorder->take().isEmpty()); // once
    }

    void interfaceChangesRebuildTheDiscoverySockets()
    {
        startModel(m_closedPort, {interfaceA()});
        QCOMPARE(m_model->discoverySocketCount(), 1);
        m_interfaces->list.append(interfaceB());
        tick(100);
        QCOMPARE(m_model->interfaceCount(), 2);
        QCOMPARE(m_model->discoverySocketCount(), 2);
        m_interfaces->list.removeFirst();
        tick(100);
        QCOMPARE(m_model->interfaceCount(), 1);
        QCOMPARE(m_model->discoverySocketCount(), 1);
    }

    void addedByHandTakesTheNextFreeIdentifier()
    {
        startModel(m_closedPort);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m_model->addDeviceByAddress(ip("10.9.9.20") + i), i);
        QCOMPARE(m_recorder->take(),
                 (QStringList {"Add(42215,0)", "Add(42216,0)", "Add(42217,0)"}));
        const DeviceEntry &e = m_model->device(2);
        QVERIFY(!e.online);
        QCOMPARE(e.lastSeen, m_clock.now);
        QVERIFY(e.localAddress.isNull());
        QCOMPARE(e.packet.ipAddress, ip("10.9.9.22"));
        QCOMPARE(e.packet.model, UdpBrowsingPacket::Text {});
        m_model->removeDevice(0);
        m_model->addDeviceByAddress(ip("10.9.9.30"));
        QCOMPARE(m_model->device(2).packet.deviceId, 42215u);
    }

    void removingMovesTheSelection()
    {
        startModel(m_closedPort);
        for (int i = 0; i < 3; ++i)
            m_model->addDeviceByAddress(ip("127.0.0.1"));
        m_model->selectDevice(2, true);
        m_recorder->take();

        m_model->removeDevice(0);
        QCOMPARE(m_recorder->take(), (QStringList {"Selection(1,1)", "Remove(0)"}));
        QCOMPARE(m_model->currentIndex(), 1);
        QCOMPARE(m_model->device(1).packet.deviceId, 42217u);

        m_model->removeDevice(1);
        QStringList lines = m_recorder->take();
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList {"Selection(-1,1)", "Remove(1)"}));
        QCOMPARE(m_model->currentIndex(), -1);
        QCOMPARE(m_model->deviceCount(), 1);

        m_model->removeDevice(5);
        QVERIFY(m_recorder->take().isEmpty());
    }

    void loginSendsThePassword()
    {
        const struct
        {
            quint8 simple;
            QString password;
            const char *frame;
        } cases[] = {
                {0, "pw", "827d01000201010102007077 7d82"},
                {1, "pw", "827d01000201020102007077 7d82"}, // simple mode: user login
                {0, QStringLiteral("\u5bc6\u7801"), "827d0100020101010400c3dcc2eb 7d82"}, // GBK
        };
        for (const auto &c : cases) {
            cleanup();
            init();
            connectToPeer(c.simple);
            m_model->login(c.password, true);
            QByteArray raw;
            readPeerFrames(1, &raw);
            QCOMPARE(raw.toHex(' '), QByteArray::fromHex(c.frame).toHex(' '));
            QCOMPARE(m_model->enteredPassword(), c.password);
            QVERIFY(m_model->lastWrite().isClear()); // not an echo-suppressed write
        }
    }

    void acceptedLoginSetsTheClock()
    {
        m_clock.now =
                QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7), Qt::LocalTime).toMSecsSinceEpoch();
        connectToPeer();
        m_model->login("pw", true);
        QCOMPARE(readPeerFrames(1).size(), 1);
        QSignalSpy sync(m_model.get(), &DataModel::tcpSyncToUI);
        QStringList order;
        connect(m_model.get(), &DataModel::deviceListNetworkChanged, this,
                [&order](int i) { order << QStringLiteral("Network(%1)").arg(i); });
        connect(m_model.get(), &DataModel::tcpLoginChanged, this,
                [&order](uchar s) { order << QStringLiteral("Login(%1)").arg(s); });

        reply(1, QByteArray(1, '\x01'));
        QTRY_COMPARE(order, (QStringList {"Network(0)", "Login(1)"}));
        QVERIFY(m_model->isLoggedIn());
        QCOMPARE(m_model->rememberedPassword(), QString("pw"));
        QCOMPARE(sync.count(), 3);
        const QList<QList<int>> expected {{2, 5, 1}, {2, 5, 16}, {2, 2, 29}};
        for (int i = 0; i < 3; ++i) {
            const QList<QVariant> &s = sync.at(i);
            QCOMPARE((QList<int> {s[0].toInt(), s[1].toInt(), s[2].toInt()}), expected[i]);
            QCOMPARE(s[3].toInt(), 255);
            QCOMPARE(s[4].toInt(), 255);
            QVERIFY(!s[5].value<QVariant>().isValid());
        }

        const QList<PeerFrame> frames = readPeerFrames(1);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].id, (MessageId {2, 2, 12}));
        QCOMPARE(frames[0].flag, quint8(Frame::WriteRequest));
        QCOMPARE(frames[0].payload.toHex(), QByteArray("07050e0900027c")); // 2024-03-09 14:05:07
        QCOMPARE(m_model->lastWrite().id, (MessageId {2, 2, 12}));
    }

    void notLoggedInLogsInAgainWithTheRememberedPassword()
    {
        connectToPeer();
        QSignalSpy login(m_model.get(), &DataModel::tcpLoginChanged);
        reply(1, QByteArray(1, '\0')); // nothing remembered yet: nothing sent
        QTRY_COMPARE(login.count(), 1);
        QCOMPARE(login.last().at(0).toInt(), 0);
        QVERIFY(peerReceivesNothing());

        m_model->login("pw", true);
        reply(1, QByteArray(1, '\x01'));
        QTRY_COMPARE(login.count(), 2);
        QCOMPARE(readPeerFrames(2).size(), 2); // login, clock

        reply(1, QByteArray(1, '\0'));
        QTRY_COMPARE(login.count(), 3);
        QVERIFY(!m_model->isLoggedIn());
        const QList<PeerFrame> frames = readPeerFrames(1);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].id, (MessageId {2, 1, 1}));
        QCOMPARE(frames[0].payload, QByteArray("pw"));

        // It survives a reconnection within the selection...
        m_clock.advance(3001);
        m_model->timeout();
        acceptPeer();
        reply(1, QByteArray(1, '\0'));
        QTRY_COMPARE(login.count(), 4);
        QCOMPARE(readPeerFrames(1).value(0).payload, QByteArray("pw"));
        // ...and not a new selection.
        m_model->selectDevice(-1, true);
        QVERIFY(m_model->rememberedPassword().isEmpty());
        QVERIFY(m_model->enteredPassword().isEmpty());
    }

    void rejectedLoginDropsThePasswords()
    {
        connectToPeer();
        QSignalSpy login(m_model.get(), &DataModel::tcpLoginChanged);
        m_model->login("pw", true);
        reply(1, QByteArray(1, '\x01'));
        QTRY_COMPARE(login.count(), 1);
        m_model->login("wrong", true);
        reply(1, QByteArray(1, '\x02'));
        QTRY_COMPARE(login.count(), 2);
        QCOMPARE(login.last().at(0).toInt(), 2);
        QVERIFY(m_model->rememberedPassword().isEmpty());
        QVERIFY(m_model->enteredPassword().isEmpty());
        QCOMPARE(readPeerFrames(3).size(), 3); // login, clock, login
        reply(1, QByteArray(1, '\0'));
        QTRY_COMPARE(login.count(), 3);
        QVERIFY(peerReceivesNothing());
    }

    void repliesOfAnotherLengthOrStatusAreIgnored()
    {
        connectToPeer();
        QSignalSpy login(m_model.get(), &DataModel::tcpLoginChanged);
        m_recorder->take();
        reply(1, QByteArray::fromHex("0101"));
        reply(2, QByteArray());
        reply(1, QByteArray::fromHex("03"));
        m_peer->write(Frame::build({2, 1, 1}, Frame::ReadRequest, QByteArray(1, '\x01')));
        reply(2, QByteArray::fromHex("02")); // the marker that all of the above was read
        QTRY_COMPARE(login.count(), 1);
        QCOMPARE(login.last().at(0).toInt(), 2);
        QCOMPARE(m_recorder->take(), QStringList {"Network(0)"});
    }

    void peerResettingMidFrameLeavesNoTrace()
    {
        connectToPeer();
        QSignalSpy login(m_model.get(), &DataModel::tcpLoginChanged);
        QSignalSpy timeouts(m_model.get(), &DataModel::tcpConnectTimeout);
        m_peer->write(Frame::build({2, 1, 1}, Frame::Reply, QByteArray(1, '\x01')).left(10));
        m_peer->flush();
        QTRY_VERIFY(m_model->lastReceiveTime() == m_clock.now
                    && m_model->currentSocket()->bytesAvailable() == 0);
        m_peer->abort();
        QTRY_VERIFY(m_model->currentSocket()->state() != QAbstractSocket::ConnectedState);
        QVERIFY(tickUntilTimeout(timeouts) > 0);
        acceptPeer();
        reply(1, QByteArray(1, '\x01'));
        QTRY_COMPARE(login.count(), 1);
        QCOMPARE(login.last().at(0).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "ConnectionTest.moc"
