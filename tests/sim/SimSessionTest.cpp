#include "SimClient.h"

using namespace sim;

// Login rules and passwords, and the link faults the processor shows on request.
class SimSessionTest : public SimTestCase
{
    Q_OBJECT

    // Waits a bounded time for data that should not come.
    static bool staysQuiet(SimClient &client, int ms = 300)
    {
        QSignalSpy spy(&client.socket, &QTcpSocket::readyRead);
        return !spy.wait(ms);
    }

private slots:
    void cleanup() { stop(); }

    void loginRules_data()
    {
        QTest::addColumn<QByteArray>("admin");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<quint8>("funcId");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<quint8>("status");
        const QByteArray builtIn = builtInPassword();
        const auto row = [](const char *name, const QByteArray &admin, const QByteArray &user,
                            quint8 funcId, const QByteArray &password, quint8 status) {
            QTest::newRow(name) << admin << user << funcId << password << status;
        };
        row("built-in opens a device without password", {}, {}, 1, builtIn, 1);
        row("wrong one without password", {}, {}, 1, "1234", 2);
        row("built-in refused once a password is set", "s3cret", {}, 1, builtIn, 2);
        row("admin password", "s3cret", {}, 1, "s3cret", 1);
        row("user login with the user password", "s3cret", "guest", 2, "guest", 1);
        row("user password is not an admin login", "s3cret", "guest", 1, "guest", 2);
        row("user login follows the admin password without its own", {}, {}, 2, builtIn, 1);
        row("wrong user password", {}, "guest", 2, "gues", 2);
    }
    void loginRules()
    {
        QFETCH(QByteArray, admin);
        QFETCH(QByteArray, user);
        QFETCH(quint8, funcId);
        QFETCH(QByteArray, password);
        QFETCH(quint8, status);
        SimOptions options = testOptions();
        options.identity.password = admin;
        options.identity.userPassword = user;
        SimClient client;
        QVERIFY(client.open(start(options))); // greeted with "nobody logged in"
        const QList<SimClient::Reply> reply = client.set({2, 1, funcId}, password);
        QCOMPARE(reply.size(), 1);
        QVERIFY(reply[0].id == MessageId({2, 1, funcId}));
        QCOMPARE(reply[0].payload, QByteArray(1, char(status)));
        // A set goes through only when logged in.
        const QList<SimClient::Reply> echo = client.set({2, 2, 16}, hex("01"));
        QCOMPARE(echo.size(), 1);
        QCOMPARE(echo[0].id == MessageId({2, 1, 1}), status != 1);
        QCOMPARE(client.ask({2, 2, 16}), status == 1 ? hex("01") : hex("00"));
    }

    void passwordsCanBeChanged()
    {
        SimClient admin;
        QVERIFY(admin.open(start(testOptions())));
        QCOMPARE(admin.login(), quint8(1));
        QCOMPARE(admin.set({2, 2, 15}, QByteArray("n3w")).value(0).payload, hex("00"));
        QCOMPARE(admin.set({2, 2, 41}, QByteArray("guest")).value(0).payload, hex("00"));
        QCOMPARE(admin.set({2, 2, 41}, QByteArray()).value(0).payload, hex("01"));
        SimClient next;
        QVERIFY(next.open(m_device->controlPort()));
        QCOMPARE(next.login(), quint8(2));
        QCOMPARE(next.login("n3w"), quint8(1));
        QCOMPARE(next.login("guest", 2), quint8(1));
        // Factory settings bring the passwords of the command line back.
        QCOMPARE(admin.set({2, 2, 21}, {}).size(), 0);
        QCOMPARE(next.login(), quint8(1));
    }

    void silentAfterKeepsTheSocketButAnswersNothing()
    {
        SimOptions options = testOptions();
        options.faults.silentAfterMs = 1000;
        SimClient client;
        QVERIFY(client.open(start(options)));
        QCOMPARE(client.query({2, 2, 5}).size(), 1);
        m_clock.advance(1000);
        client.send({2, 2, 5}, Frame::ReadRequest);
        QVERIFY(staysQuiet(client));
        QCOMPARE(client.socket.state(), QAbstractSocket::ConnectedState);
        QCOMPARE(m_device->connectionCount(), 1);
    }

    void silentFromTheStartSendsNoGreeting()
    {
        SimOptions options = testOptions();
        options.faults.silentAfterMs = 0;
        SimClient client;
        QVERIFY(client.open(start(options), QHostAddress::LocalHost, false));
        QVERIFY(staysQuiet(client));
    }

    void dropAfterClosesTheConnection()
    {
        SimOptions options = testOptions();
        options.faults.dropAfterMs = 2000;
        SimClient client;
        QVERIFY(client.open(start(options)));
        QCOMPARE(client.query({2, 2, 5}).size(), 1);
        QSignalSpy closed(&client.socket, &QTcpSocket::disconnected);
        m_clock.advance(2000);
        m_device->housekeeping();
        QVERIFY(closed.wait(5000));
        QTRY_COMPARE(m_device->connectionCount(), 0);
    }

    void garbageBetweenRepliesIsSkippedByTheReader()
    {
        SimOptions options = testOptions();
        options.faults.garbageEveryMs = 500;
        SimClient client;
        QVERIFY(client.open(start(options)));
        client.raw.clear();
        m_clock.advance(500);
        QCOMPARE(client.ask({2, 2, 5}), hex("1010"));
        QCOMPARE(client.ask({2, 2, 5}), hex("1010")); // not due again yet
        const QByteArray reply = Frame::build({2, 2, 5}, Frame::Reply, hex("1010"));
        QVERIFY(client.raw.startsWith(hex("00557dff13a5c3") + reply));
        QCOMPARE(client.raw.count(hex("00557dff13a5c3")), 1);
    }

    void byteByByteStillDeliversWholeFrames()
    {
        SimOptions options = testOptions();
        options.faults.byteByByte = true;
        SimClient client;
        QVERIFY(client.open(start(options)));
        client.chunks = 0;
        QCOMPARE(client.ask({2, 2, 2}), hex("030104"));
        QVERIFY2(client.chunks > 2, qPrintable(QString::number(client.chunks)));
    }

    void hardwareFaultsAreReported()
    {
        SimOptions options = testOptions();
        options.hardwareFaults = QStringList {"dsp", "codec", "+48V", "-15V"};
        SimClient client;
        QVERIFY(client.open(start(options)));
        QCOMPARE(client.ask({2, 2, 14}), hex("11"));
        QCOMPARE(client.ask({2, 2, 20}), hex("0102010102"));
        QCOMPARE(quint8(m_device->announcement()[103]), quint8(1));
    }

    void optionsOfTheCommandLine()
    {
        QString error;
        const auto defaults = SimOptions::parse({QStringLiteral("vexatarn-sim")}, &error);
        QVERIFY(defaults);
        QCOMPARE(defaults->bind, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(defaults->controlPort, quint16(2698));
        QCOMPARE(defaults->announceTo, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(defaults->broadcastPort, quint16(6697));
        QCOMPARE(defaults->commandPort, quint16(6001));
        QCOMPARE(defaults->identity.deviceId, quint32(20001));
        QCOMPARE(defaults->faults.silentAfterMs, qint64(-1));
        QVERIFY(defaults->usbDrive);

        const auto o = SimOptions::parse(
                QStringLiteral("vexatarn-sim --bind 127.0.0.3 --control-port 0 --announce-to "
                               "255.255.255.255 --broadcast-port 7000 --command-port 7001 "
                               "--device-id 77 --model Hall --config 8x8+dante4x4 --password pw "
                               "--user-password up --announce-form 110 --arm-version 5.2.1 "
                               "--dsp-version 5.0.3 --upgrade-id 0x1234 --reboot-delay 0.5 "
                               "--silent-after 2 --drop-after 3.5 --garbage-every 1 "
                               "--byte-by-byte --fault dsp --fault +5V --reject-upgrade 254 "
                               "--no-usb-drive")
                        .split(QLatin1Char(' ')),
                &error);
        QVERIFY2(o, qPrintable(error));
        QCOMPARE(o->bind, QHostAddress(QStringLiteral("127.0.0.3")));
        QCOMPARE(o->identity.address, QHostAddress(QStringLiteral("127.0.0.3")).toIPv4Address());
        QCOMPARE(o->announceForm, 110);
        QCOMPARE(o->identity.deviceId, quint32(77));
        QCOMPARE(o->identity.config, QStringLiteral("8x8+Dante4x4"));
        QVERIFY(o->identity.armVersion == FirmwareVersion({5, 2, 1}));
        QCOMPARE(o->identity.upgradeId, quint16(0x1234));
        QCOMPARE(o->timing.rebootMs, 500);
        QCOMPARE(o->faults.dropAfterMs, qint64(3500));
        QCOMPARE(o->faults.garbageEveryMs, qint64(1000));
        QVERIFY(o->faults.byteByByte);
        QCOMPARE(o->faults.rejectUpgrade, 254);
        QCOMPARE(o->hardwareFaults, (QStringList {"dsp", "+5V"}));
        QVERIFY(!o->usbDrive);

        for (const char *bad : {"--config 4x4", "--announce-form 107", "--arm-version 1.2",
                                "--fault fan", "--reject-upgrade 253", "--control-port 70000",
                                "--bind ::1", "--silent-after -1", "--model 12345678901234567"}) {
            const QStringList args =
                    (QStringLiteral("vexatarn-sim ") + QLatin1String(bad)).split(QLatin1Char(' '));
            QVERIFY2(!SimOptions::parse(args, &error), bad);
        }
    }
};

QTEST_MAIN(SimSessionTest)
#include "SimSessionTest.moc"
