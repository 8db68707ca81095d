#include "SimClient.h"

using namespace sim;

// The firmware upgrade exchange: ready reply, one acknowledgement per block, refusals, and the
// pretended reboot into the version of the image's trailer.
class SimUpgradeTest : public SimTestCase
{
    Q_OBJECT

    int m_lastBlock = -1; // the last block sendImage sent

    void openRejecting(int reject = 0)
    {
        SimOptions options = testOptions();
        options.faults.rejectUpgrade = reject;
        QVERIFY(open(options));
    }

    static QByteArray image(int bodySize, quint16 identifier, FirmwareVersion version)
    {
        QByteArray body(bodySize, '\0');
        for (int i = 0; i < bodySize; ++i)
            body[i] = char(i * 31);
        return body
                + ByteWriter()
                          .u16(identifier)
                          .u8(version[0])
                          .u8(version[1])
                          .u8(version[2])
                          .bytes(QByteArray(5, '\x77'))
                          .data();
    }

    static QByteArray block(int b, const QByteArray &image)
    {
        return ByteWriter().u8(0).u8(1).u16(quint16(b)).bytes(image.mid(512 * b, 512));
    }

    // Sends the whole image; returns the replies to the last block sent.
    QList<SimClient::Reply> sendImage(const QByteArray &image)
    {
        const QList<SimClient::Reply> ready = m_client->set({1, 1, 1}, hex("0000"));
        if (ready.size() != 1 || ready[0].payload != hex("00005456"))
            return {};
        const int blocks = image.size() / 512 + 1;
        for (int b = 0; b < blocks; ++b) {
            m_lastBlock = b;
            m_client->send({1, 1, 1}, Frame::WriteRequest, block(b, image));
            const QList<SimClient::Reply> reply = m_client->take(1);
            if (b == blocks - 1 || reply.isEmpty()
                || reply[0].payload != QByteArray(ByteWriter().u8(0).u8(1).u16(quint16(b))))
                return reply;
        }
        return {};
    }

private slots:
    void cleanup() { stop(); }

    void aGoodImageInstallsAndTheProcessorReboots()
    {
        openRejecting();
        QSignalSpy rebootStarted(m_device.get(), &SimDevice::rebootStarted);
        QSignalSpy rebootFinished(m_device.get(), &SimDevice::rebootFinished);
        QSignalSpy announced(m_device.get(), &SimDevice::announced);
        QSignalSpy closed(&m_client->socket, &QTcpSocket::disconnected);
        const QByteArray img = image(1024 - 10, 0x5654, {3, 7, 2}); // 1024 bytes: 3 blocks
        const QList<SimClient::Reply> last = sendImage(img);
        QCOMPARE(last.size(), 1);
        QCOMPARE(last[0].payload, hex("00010200"));
        QCOMPARE(rebootStarted.count(), 1);
        QVERIFY(closed.wait(5000));

        SimClient during; // nobody answers while the processor reboots
        QSignalSpy refused(&during.socket, &QTcpSocket::disconnected);
        during.open(m_device->controlPort(), QHostAddress::LocalHost, false);
        QVERIFY(refused.count() == 1 || refused.wait(5000));

        m_clock.advance(60000);
        QVERIFY(rebootFinished.wait(5000));
        QCOMPARE(announced.count(), 1);
        const QByteArray announcement = announced[0][0].toByteArray();
        QCOMPARE(announcement.mid(17, 3), hex("030702"));
        QCOMPARE(announcement.mid(8, 4), hex("00000000")); // run time starts again

        SimClient after;
        QVERIFY(after.open(m_device->controlPort()));
        QCOMPARE(after.ask({2, 2, 2}), hex("030702"));
        QCOMPARE(after.ask({2, 2, 8}), hex("12000000"));
    }

    void refusals_data()
    {
        QTest::addColumn<int>("reject");
        QTest::addColumn<quint16>("identifier");
        QTest::addColumn<int>("bodySize");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<quint8>("minor");
        QTest::newRow("identifier of other hardware")
                << 0 << quint16(0x1111) << 600 << hex("ff") << quint8(9);
        QTest::newRow("asked to refuse with 255")
                << 255 << quint16(0x5654) << 600 << hex("ff") << quint8(9);
        QTest::newRow("asked to refuse with 254")
                << 254 << quint16(0x5654) << 1100 << hex("fe") << quint8(9);
        QTest::newRow("too short for a trailer")
                << 0 << quint16(0x5654) << -4 << hex("ff") << quint8(9);
        // The running firmware is 3.1.4: an image of minor 0, or of a negative minor, is older.
        QTest::newRow("older than the running firmware")
                << 0 << quint16(0x5654) << 600 << hex("ff") << quint8(0);
        QTest::newRow("minor 0x80 counts as negative")
                << 0 << quint16(0x5654) << 600 << hex("ff") << quint8(0x80);
    }
    void refusals()
    {
        QFETCH(int, reject);
        QFETCH(quint16, identifier);
        QFETCH(int, bodySize);
        QFETCH(QByteArray, status);
        QFETCH(quint8, minor);
        openRejecting(reject);
        const QByteArray img = bodySize >= 0 ? image(bodySize, identifier, {3, minor, 0})
                                             : image(0, identifier, {3, minor, 0}).left(6);
        const QList<SimClient::Reply> last = sendImage(img);
        QCOMPARE(last.size(), 1);
        QVERIFY(last[0].id == MessageId({1, 1, 2}));
        QCOMPARE(last[0].payload, status);
        // Refused at the first block (255 on request) or at the last (the rest).
        QCOMPARE(m_lastBlock, reject == 255 ? 0 : img.size() / 512);
        QCOMPARE(m_client->received.size(), 0);
        QVERIFY(!m_device->rebooting());
        QCOMPARE(m_client->ask({2, 2, 2}), hex("030104"));
    }

    void aBlockOutOfTurnIsRefused()
    {
        openRejecting();
        QCOMPARE(m_client->set({1, 1, 1}, hex("0000")).size(), 1);
        QCOMPARE(m_client->set({1, 1, 1}, block(0, QByteArray(1024, 'x'))).value(0).payload,
                 hex("00010000"));
        const QList<SimClient::Reply> skipped =
                m_client->set({1, 1, 1}, block(2, QByteArray(2048, 'x')));
        QCOMPARE(skipped.size(), 1);
        QVERIFY(skipped[0].id == MessageId({1, 1, 2}));
        QCOMPARE(skipped[0].payload, hex("fe"));
        // The exchange is over: further blocks get nothing.
        QCOMPARE(m_client->set({1, 1, 1}, block(1, QByteArray(1024, 'x'))).size(), 0);
    }

    // The factory test panel's chip detection mask, with the failures asked for by name.
    void chipDetectionMask()
    {
        SimOptions options = testOptions();
        options.hardwareFaults << QStringLiteral("PCA9539-2") << QStringLiteral("wm8978");
        QVERIFY(open(options));
        QCOMPARE(m_client->ask({2, 2, 22}), hex("12000000"));
        QVERIFY(!SimSystem().injectFault(QStringLiteral("PCA9539-5")));
        QVERIFY(SimSystem::faultNames().contains(QStringLiteral("PCA9554")));
    }

    void upgradesNeedALogin()
    {
        openRejecting();
        SimClient stranger;
        QVERIFY(stranger.open(m_device->controlPort()));
        const QList<SimClient::Reply> reply = stranger.set({1, 1, 1}, hex("0000"));
        QCOMPARE(reply.size(), 1);
        QVERIFY(reply[0].id == MessageId({2, 1, 1}));
    }
};

QTEST_MAIN(SimUpgradeTest)
#include "SimUpgradeTest.moc"
