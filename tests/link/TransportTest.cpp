#include "model/DataModel.h"
#include "support/FakeClock.h"
#include "support/TestLinkEnvironment.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

// The send operations and the transport tick of DataModel against a loopback peer.
class TransportTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    QTemporaryDir m_dir;
    QTcpServer m_server;
    std::unique_ptr<DataModel> m_model;
    QTcpSocket *m_peer = nullptr;

    QByteArray readPeer(int expected)
    {
        QByteArray got;
        QElapsedTimer wait;
        wait.start();
        while (got.size() < expected && wait.elapsed() < 5000) {
            if (m_peer->bytesAvailable() == 0)
                m_peer->waitForReadyRead(50);
            got += m_peer->readAll();
        }
        return got;
    }

    void connectPeer()
    {
        m_model->selectDevice(0, false);
        QVERIFY(m_server.waitForNewConnection(5000));
        m_peer = m_server.nextPendingConnection();
        QTRY_COMPARE(m_model->currentSocket()->state(), QAbstractSocket::ConnectedState);
    }

private slots:
    void init()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
        LinkSettings settings = testLinkSettings(m_server.serverPort());
        m_model = std::make_unique<DataModel>(
                settings, testLinkEnvironment(m_clock, m_dir.filePath("devices.db")));
        m_model->addDeviceByAddress(QHostAddress(QHostAddress::LocalHost).toIPv4Address());
    }

    void cleanup()
    {
        m_model.reset();
        QFile::remove(m_dir.filePath("devices.db")); // every case starts with no known device
        m_server.close();
        m_peer = nullptr;
    }

    void sendingWithoutALinkDropsSilently()
    {
        m_model->sendRead({3, 1, 1}); // no device selected
        m_model->selectDevice(-1, false);
        m_model->sendWrite({3, 1, 1}, "x"); // still none: only the echo record moves
        QCOMPARE(m_model->lastWrite().id, (MessageId {3, 1, 1}));
        m_model->selectDevice(0, false); // connecting, not connected
        m_model->sendFrame({3, 1, 1}, Frame::ReadRequest);
        QVERIFY(m_server.waitForNewConnection(5000));
        m_peer = m_server.nextPendingConnection();
        QTest::qWait(50);
        QCOMPARE(m_peer->bytesAvailable(), 0);
    }

    void sendsFramesByteExact()
    {
        connectPeer();
        QVERIFY(m_peer);
        m_model->sendRead({3, 1, 1});
        m_model->sendWrite({3, 9, 1}, QByteArray::fromHex("00000080bf"));
        QCOMPARE(readPeer(29).toHex(),
                 QByteArray("827d0100030101000000"
                            "7d82"
                            "827d0100030901010500"
                            "00000080bf"
                            "7d82"));
        QCOMPARE(m_model->lastWrite().id, (MessageId {3, 9, 1}));
        QCOMPARE(m_model->lastWrite().time, m_clock.now);

        // Over the frame limit: refused, not cut short.
        m_model->sendWrite({3, 9, 1}, QByteArray(Frame::MaxPayload + 1, 'x'));
        QTest::qWait(50);
        QCOMPARE(m_peer->bytesAvailable(), 0);
    }

    void throttledWritesGoOutOnTheTick()
    {
        connectPeer();
        QVERIFY(m_peer);
        m_model->queueWrite({3, 4, 3}, 2, 5, "a");
        m_clock.advance(100);
        m_model->queueWrite({3, 4, 3}, 2, 5, "b");
        m_model->timeout();
        QTest::qWait(30);
        QCOMPARE(m_peer->bytesAvailable(), 0);
        m_clock.advance(80); // 180 ms after the first movement
        m_model->timeout();
        QCOMPARE(readPeer(13).toHex(),
                 QByteArray("827d010003040301010062"
                            "7d82"));
        QVERIFY(m_model->pendingWrites().empty());

        // Echo record: kept for 1.5 s after the last write, then cleared by the tick.
        m_clock.advance(1419); // last write was 80 ms before the send
        m_model->timeout();
        QVERIFY(m_model->lastWrite().matches(3, 4));
        m_clock.advance(1);
        m_model->timeout();
        QVERIFY(m_model->lastWrite().isClear());
    }

    void silenceReconnects()
    {
        connectPeer();
        QVERIFY(m_peer);
        QSignalSpy timeouts(m_model.get(), &DataModel::tcpConnectTimeout);
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

    void selectingTheSameDeviceDoesNothing()
    {
        connectPeer();
        QVERIFY(m_peer);
        QSignalSpy selection(m_model.get(), &DataModel::deviceListSelectionChanged);
        m_model->selectDevice(0, true);
        QCOMPARE(selection.count(), 0);
        QCOMPARE(m_model->currentSocket()->state(), QAbstractSocket::ConnectedState);
    }
};

QTEST_GUILESS_MAIN(TransportTest)
#include "TransportTest.moc"
