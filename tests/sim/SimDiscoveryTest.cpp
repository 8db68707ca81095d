#include "SimClient.h"

#include "wire/ByteReader.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QUdpSocket>

using namespace sim;

// Announcements, the network-change command, processors side by side, and the program itself.
class SimDiscoveryTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    QUdpSocket m_listener; // stands in for a control program's discovery socket

    SimOptions announcing(const QString &config = QStringLiteral("16x16"))
    {
        SimOptions o = testOptions(config);
        o.broadcastPort = m_listener.localPort();
        o.timing.announceMs = 20;
        return o;
    }

    QList<QNetworkDatagram> receive(int count)
    {
        QList<QNetworkDatagram> got;
        QElapsedTimer timer;
        timer.start();
        while (got.size() < count && timer.elapsed() < 5000) {
            if (!m_listener.hasPendingDatagrams()) {
                QSignalSpy spy(&m_listener, &QUdpSocket::readyRead);
                spy.wait(200);
            }
            while (m_listener.hasPendingDatagrams())
                got.append(m_listener.receiveDatagram());
        }
        return got;
    }

private slots:
    void init() { QVERIFY(m_listener.bind(QHostAddress(QHostAddress::LocalHost), 0)); }
    void cleanup() { m_listener.close(); }

    void theAnnouncementLayout()
    {
        for (int form : {106, 110}) {
            SimOptions o = testOptions(QStringLiteral("8x8+Dante4x4"));
            o.identity.deviceId = 0x01020304;
            o.identity.address = QHostAddress(QStringLiteral("192.168.1.10")).toIPv4Address();
            o.announceForm = form;
            o.hardwareFaults = QStringList {"codec"};
            SimDevice device(o, m_clock.clock());
            m_clock.advance(90500);
            QByteArray a = device.announcement();
            QCOMPARE(a.size(), form);
            if (form == 110) {
                QCOMPARE(a.mid(4, 4), hex("07000000"));
                a.remove(4, 4);
            }
            const QByteArray text = QByteArray("VT16909060").leftJustified(16, '\0')
                    + QByteArray("VX-0808D").leftJustified(16, '\0')
                    + QByteArray("Rack 1").leftJustified(16, '\0')
                    + QByteArray("Main hall").leftJustified(16, '\0')
                    + QByteArray("Default").leftJustified(16, '\0');
            const QByteArray expected = hex("04030201 0a01a8c0 5a000000 e1d61200 00 030104 020007")
                    + text + hex("01 0100");
            QCOMPARE(a.toHex(' '), expected.toHex(' '));
        }
    }

    // The family whose control firmware has major version 5 announces in the long form, also
    // after an upgrade into it; --announce-form overrides.
    void theAnnouncementFormFollowsTheControlFirmware()
    {
        const struct
        {
            int major, option, upgradeTo, size;
        } cases[] = {{3, 0, 0, 106},   {5, 0, 0, 110}, {5, 106, 0, 106},
                     {3, 110, 0, 110}, {3, 0, 5, 110}, {5, 0, 1, 106}};
        for (const auto &c : cases) {
            QStringList args {QStringLiteral("vexatarn-sim"), QStringLiteral("--arm-version"),
                              QStringLiteral("%1.0.2").arg(c.major)};
            if (c.option != 0)
                args << QStringLiteral("--announce-form") << QString::number(c.option);
            QString error;
            const auto o = SimOptions::parse(args, &error);
            QVERIFY2(o, qPrintable(error));
            SimDevice device(*o, m_clock.clock());
            if (c.upgradeTo != 0)
                device.store().reboot({quint8(c.upgradeTo), 1, 0});
            const QByteArray a = device.announcement();
            QCOMPARE(a.size(), c.size);
            QCOMPARE(a.mid(4, 4) == hex("07000000"), c.size == 110);
        }
    }

    void announcementsGoToTheTargetFromTheProcessorsAddress()
    {
        SimOptions o = announcing();
        o.announceForm = 110;
        SimDevice device(o, m_clock.clock());
        QVERIFY(device.start(QHostAddress::LocalHost, 0));
        const QList<QNetworkDatagram> got = receive(2);
        QCOMPARE(got.size(), 2);
        QCOMPARE(got[0].data().size(), 110);
        QCOMPARE(got[0].senderAddress(), QHostAddress(QHostAddress::LocalHost));
    }

    void theNetworkCommandChangesTheAnnouncedAddress()
    {
        SimDevice device(testOptions(), m_clock.clock());
        QVERIFY(device.start(QHostAddress::LocalHost, 0));
        QSignalSpy changed(&device, &SimDevice::networkChanged);
        QUdpSocket sender;
        const auto command = [&](quint32 id) {
            const QByteArray datagram = ByteWriter()
                                                .u32(id)
                                                .u32(2)
                                                .u32(12)
                                                .u32(0xC0A8050A)
                                                .u32(0xFFFF0000)
                                                .u32(0xC0A80501);
            sender.writeDatagram(datagram, QHostAddress::LocalHost, device.commandPort());
        };
        command(4711); // another processor's
        sender.writeDatagram(hex("0102"), QHostAddress::LocalHost, device.commandPort());
        command(device.store().system.deviceId);
        QVERIFY(changed.wait(5000));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(device.announcement().mid(4, 4), hex("0a05a8c0"));
        SimClient client;
        QVERIFY(client.open(device.controlPort()));
        QCOMPARE(client.ask({2, 2, 13}), hex("0a05a8c0 0000ffff 0105a8c0"));
    }

    void processorsSideBySide()
    {
        std::vector<std::unique_ptr<SimDevice>> devices;
        for (const char *address : {"127.0.0.2", "127.0.0.3"}) {
            QString error;
            const auto o = SimOptions::parse({"vexatarn-sim", "--bind", address}, &error);
            QVERIFY(o);
            SimOptions options = *o;
            options.controlPort = 0;
            options.commandPort = 0;
            options.broadcastPort = m_listener.localPort();
            options.timing.announceMs = 20;
            devices.push_back(std::make_unique<SimDevice>(options, m_clock.clock()));
            QVERIFY2(devices.back()->start(), qPrintable(devices.back()->errorString()));
        }
        QSet<QString> senders;
        for (const QNetworkDatagram &d : receive(6)) {
            senders.insert(d.senderAddress().toString());
            const quint32 id = ByteReader(d.data()).u32();
            QCOMPARE(id, 20000 + (d.senderAddress().toIPv4Address() & 0xFFFF));
        }
        QCOMPARE(senders, QSet<QString>({"127.0.0.2", "127.0.0.3"}));
        for (int i = 0; i < 2; ++i) {
            SimClient client;
            QVERIFY(client.open(devices[i]->controlPort(),
                                QHostAddress(i == 0 ? QStringLiteral("127.0.0.2")
                                                    : QStringLiteral("127.0.0.3"))));
            QCOMPARE(client.ask({2, 2, 29}), QByteArray(ByteWriter().u32(20002 + i)));
        }
    }

    void theProgramDocumentsEveryOption()
    {
        QProcess program;
        program.start(QStringLiteral(SIM_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(10000));
        const QString help = QString::fromUtf8(program.readAllStandardOutput());
        for (const char *option :
             {"--bind",         "--control-port",  "--announce-to",    "--broadcast-port",
              "--command-port", "--device-id",     "--model",          "--config",
              "--password",     "--user-password", "--announce-form",  "--arm-version",
              "--dsp-version",  "--silent-after",  "--drop-after",     "--garbage-every",
              "--byte-by-byte", "--fault",         "--reject-upgrade", "--upgrade-id",
              "--reboot-delay"})
            QVERIFY2(help.contains(QLatin1String(option)), option);

        program.start(QStringLiteral(SIM_PROGRAM),
                      {QStringLiteral("--config"), QStringLiteral("4x4")});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 2);
    }

    void theProgramRunsAProcessor()
    {
        QProcess program;
        program.setProcessChannelMode(QProcess::SeparateChannels);
        program.start(QStringLiteral(SIM_PROGRAM),
                      {"--control-port", "0", "--command-port", "0", "--broadcast-port",
                       QString::number(m_listener.localPort()), "--device-id", "99", "--password",
                       "pw"});
        QVERIFY(program.waitForStarted(10000));
        const QList<QNetworkDatagram> got = receive(1);
        QCOMPARE(got.size(), 1);
        QCOMPARE(ByteReader(got[0].data()).u32(), quint32(99));
        QString log;
        QElapsedTimer timer;
        timer.start();
        while (!log.contains(QLatin1String("commands on")) && timer.elapsed() < 5000) {
            program.waitForReadyRead(200);
            log += QString::fromUtf8(program.readAllStandardError());
        }
        const QRegularExpression listening(QStringLiteral("listening on 127.0.0.1:(\\d+)"));
        const auto match = listening.match(log);
        QVERIFY2(match.hasMatch(), qPrintable(log));
        SimClient client;
        QVERIFY(client.open(quint16(match.captured(1).toUInt())));
        QCOMPARE(client.login(), quint8(2));
        QCOMPARE(client.login("pw"), quint8(1));
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
    }
};

QTEST_MAIN(SimDiscoveryTest)
#include "SimDiscoveryTest.moc"
