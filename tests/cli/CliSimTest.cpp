// vexatarn-cli against simulated processors on loopback: discovery, identity, values read and
// written, snapshots and their differences, an upgrade, several devices at once, the exit codes,
// and bad input that must never reach a device.
#include "CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUdpSocket>

using namespace clitest;

namespace {

// A firmware image with its 10-byte trailer: identifier, then major, minor, patch.
QByteArray firmware(int size, quint16 identifier, quint8 major, quint8 minor, quint8 patch)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + 1);
    const int t = size - 10;
    bytes[t] = char(identifier & 0xFF);
    bytes[t + 1] = char(identifier >> 8);
    bytes[t + 2] = char(major);
    bytes[t + 3] = char(minor);
    bytes[t + 4] = char(patch);
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class CliSimTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void badInputNeverReachesTheDevice_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QStringList h {QStringLiteral("-H"), QStringLiteral("127.0.0.2")};
        QTest::newRow("unknown command") << h + QStringList {"fly"} << 2 << "unknown command";
        QTest::newRow("unknown option")
                << h + QStringList {"--loud", "info"} << 2 << "unknown option --loud";
        QTest::newRow("no device") << QStringList {"info"} << 2 << "needs a device";
        QTest::newRow("channel 0")
                << h + QStringList {"get", "in", "0", "level"} << 2 << "channel \"0\"";
        QTest::newRow("channel 99")
                << h + QStringList {"set", "out", "99", "mute", "on"} << 2 << "channel \"99\"";
        QTest::newRow("slot 33") << h + QStringList {"preset", "load", "33"} << 2 << "slot \"33\"";
        QTest::newRow("level loud")
                << h + QStringList {"set", "in", "1", "level", "loud"} << 2 << "level \"loud\"";
        QTest::newRow("level out of range")
                << h + QStringList {"set", "in", "1", "level", "12.1"} << 2 << "level \"12.1\"";
        QTest::newRow("frame with a device")
                << h + QStringList {"frame", "system-mute", "on"} << 2 << "takes no -H";
        QTest::newRow("missing image") << h + QStringList {"upgrade", path("missing.img")} << 1
                                       << "127.0.0.2: cannot read";
        QTest::newRow("missing snapshot") << h + QStringList {"snapshot", "diff", path("none.json")}
                                          << 1 << "127.0.0.2: cannot read";
        QTest::newRow("unwritable folder")
                << h + QStringList {"snapshot", "save", path("no-folder/snap.json")} << 1
                << "127.0.0.2: cannot write into";
    }
    void badInputNeverReachesTheDevice()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        // A listener where the device would be: nothing may connect to it.
        QTcpServer device;
        QVERIFY(device.listen(QHostAddress(QStringLiteral("127.0.0.2")), 0));
        const Run run =
                cli(arguments + QStringList {"--port", QString::number(device.serverPort())});
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!device.waitForNewConnection(100));
        QVERIFY(!QFile::exists(path("no-folder")));
    }

    void discoverListsAnAnnouncingProcessor()
    {
        QUdpSocket probe;
        probe.bind(QHostAddress(QHostAddress::LocalHost), 0);
        const quint16 udp = probe.localPort();
        probe.close();
        SimProcess sim;
        QVERIFY(sim.start("127.0.0.2", freeTcpPort(),
                          {"--announce-to", "127.0.0.1", "--broadcast-port", QString::number(udp),
                           "--device-id", "4711"}));
        const Run run = cli(
                {"discover", "--wait", "2.5", "--json", "--broadcast-port", QString::number(udp)});
        QCOMPARE(run.code, 0);
        const QJsonArray devices = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(devices.size(), 1);
        QCOMPARE(devices[0].toObject().value("deviceId").toString(), QStringLiteral("4711"));
        QCOMPARE(devices[0].toObject().value("address").toString(), QStringLiteral("127.0.0.2"));
    }

    void oneDeviceFromAShell()
    {
        const quint16 port = freeTcpPort();
        SimProcess sim;
        QVERIFY(sim.start("127.0.0.2", port, {"--device-id", "501", "--password", "secret"}));
        const QStringList h {"-H",         "127.0.0.2", "--port", QString::number(port),
                             "--password", "secret"};

        Run run = cli(h + QStringList {"info", "--json"});
        QCOMPARE(run.code, 0);
        const QJsonObject info = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(info.value("deviceId").toString(), QStringLiteral("501"));
        QCOMPARE(info.value("controlFirmware").toString(), QStringLiteral("3.1.4"));
        QVERIFY(!info.value("model").toString().isEmpty());

        // Values written and read back.
        struct Step
        {
            QStringList set;
            QStringList get;
            QString value;
        };
        const QList<Step> steps {
                {{"set", "in", "3", "level", "-6.5"}, {"get", "in", "3", "level"}, "-6.5"},
                {{"set", "out", "2", "level", "-56"}, {"get", "out", "2", "level"}, "-56.0"},
                {{"set", "out", "17", "mute", "on"}, {"get", "out", "17", "mute"}, "on"},
                {{"set", "in", "1", "mute", "off"}, {"get", "in", "1", "mute"}, "off"},
        };
        for (const Step &step : steps) {
            run = cli(h + step.set);
            QVERIFY2(run.code == 0, qPrintable(run.err));
            QCOMPARE(run.out.trimmed(), step.value);
            run = cli(h + step.get);
            QCOMPARE(run.code, 0);
            QCOMPARE(run.out.trimmed(), step.value);
        }
        run = cli(h + QStringList {"mute", "on"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.trimmed(), QStringLiteral("on"));

        // A snapshot equals the device until a value moves.
        run = cli(h + QStringList {"snapshot", "save", path("snap-{id}.json")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QFile saved(path("snap-501.json"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QJsonObject snapshot = QJsonDocument::fromJson(saved.readAll()).object();
        QCOMPARE(snapshot.value("inputs").toArray()[2].toObject().value("level").toDouble(), -6.5);
        QCOMPARE(snapshot.value("device").toObject().value("systemMute").toBool(), true);
        run = cli(h + QStringList {"snapshot", "diff", path("snap-{id}.json")});
        QVERIFY2(run.code == 0, qPrintable(run.out));
        QCOMPARE(run.out.trimmed(), QStringLiteral("no differences"));
        QVERIFY(cli(h + QStringList {"set", "in", "3", "level", "-3"}).code == 0);
        run = cli(h + QStringList {"snapshot", "diff", path("snap-501.json")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out.trimmed(), QStringLiteral("inputs.3.level: -6.5 -> -3"));
        QVERIFY2(run.err.startsWith("vexatarn-cli: 127.0.0.2: 1 parameters differ"),
                 qPrintable(run.err));

        // Refused logins and absent devices.
        run = cli({"-H", "127.0.0.2", "--port", QString::number(port), "--password", "wrong",
                   "info"});
        QCOMPARE(run.code, 3);
        QCOMPARE(run.err, QStringLiteral("vexatarn-cli: 127.0.0.2: login refused\n"));
        run = cli({"-H", "127.0.0.9", "--port", QString::number(port), "--timeout", "5", "info"});
        QCOMPARE(run.code, 3);
        QCOMPARE(run.err, QStringLiteral("vexatarn-cli: 127.0.0.9: no connection\n"));
    }

    void upgradeInstallsAnImageAndRefusesAForeignOne()
    {
        const quint16 port = freeTcpPort();
        SimProcess sim;
        QVERIFY(sim.start("127.0.0.2", port, {"--reboot-delay", "0"}));
        const QStringList h {"-H", "127.0.0.2", "--port", QString::number(port)};
        QVERIFY(writeFile(path("foreign.img"), firmware(3000, 0x1234, 3, 7, 2)));
        Run run = cli(h + QStringList {"upgrade", path("foreign.img")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, QStringLiteral("vexatarn-cli: 127.0.0.2: File format is error!\n"));
        QVERIFY(writeFile(path("good.img"), firmware(5000, 0x5654, 3, 7, 2)));
        run = cli(h + QStringList {"upgrade", path("good.img")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY(run.err.isEmpty()); // no progress bar without a terminal
    }

    void presetsAndLabelsRoundTripByteForByte()
    {
        const quint16 port = freeTcpPort();
        SimProcess sim;
        QVERIFY(sim.start("127.0.0.2", port, {"--device-id", "701"}));
        const QStringList h {"-H", "127.0.0.2", "--port", QString::number(port)};
        const auto ok = [&](const QStringList &arguments) {
            const Run run = cli(h + arguments);
            if (run.code != 0)
                qWarning().noquote() << arguments.join(' ') << run.err;
            return run.code == 0;
        };
        QVERIFY(ok({"preset", "save", "1"}));
        QVERIFY(ok({"preset", "save", "3"}));
        QVERIFY(ok({"preset", "rename", "3", "Hall"}));
        Run run = cli(h + QStringList {"preset", "list", "--json"});
        const QJsonArray list = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(list.size(), 32);
        QCOMPARE(list[2].toObject().value("name").toString(), QStringLiteral("Hall"));
        QCOMPARE(list[1].toObject().value("used").toBool(), false);

        const auto bytes = [&](const QString &name) {
            QFile file(path(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QVERIFY(ok({"preset", "export-all", path("all-{id}.pstl")}));
        QVERIFY(ok({"preset", "import-all", path("all-701.pstl")}));
        QVERIFY(ok({"preset", "export-all", path("again.pstl")}));
        QVERIFY(!bytes("all-701.pstl").isEmpty());
        QCOMPARE(bytes("again.pstl"), bytes("all-701.pstl"));
        QVERIFY(ok({"preset", "export", "3", path("hall.pst")}));
        QVERIFY(ok({"preset", "import", "3", path("hall.pst")}));
        QVERIFY(ok({"preset", "export", "3", path("hall-again.pst")}));
        QCOMPARE(bytes("hall-again.pst"), bytes("hall.pst"));
        // An empty slot refuses, and nothing is left behind.
        run = cli(h + QStringList {"preset", "export", "2", path("empty.pst")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, QStringLiteral("vexatarn-cli: 127.0.0.2: preset 2 is empty\n"));
        QVERIFY(!QFile::exists(path("empty.pst")));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter("empty").size(),
                 0);

        // A label file edited by hand reaches the device and comes back the same.
        QVERIFY(ok({"label", "export", path("labels.lbl")}));
        QByteArray labels = bytes("labels.lbl");
        QCOMPARE(labels.size(), 16 * (16 + 16 + 10));
        labels.replace(0, 16, QByteArray("Podium").leftJustified(16, '\0'));
        QVERIFY(writeFile(path("edited.lbl"), labels));
        run = cli(h + QStringList {"label", "import", path("edited.lbl")});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("1 labels changed"), qPrintable(run.out));
        QVERIFY(ok({"label", "export", path("after.lbl")}));
        QCOMPARE(bytes("after.lbl"), labels);
        run = cli(h + QStringList {"get", "in", "1", "level"});
        QCOMPARE(run.code, 0);
    }

    void severalDevicesAtOnce()
    {
        const quint16 port = freeTcpPort();
        SimProcess a;
        SimProcess b;
        QVERIFY(a.start("127.0.0.2", port, {"--device-id", "601"}));
        QVERIFY(b.start("127.0.0.3", port, {"--device-id", "602"}));
        const QStringList h {"-H", "127.0.0.2", "-H", "127.0.0.3", "--port", QString::number(port)};
        Run run = cli(h + QStringList {"set", "in", "1", "level", "-12"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringLiteral("127.0.0.2: -12.0\n127.0.0.3: -12.0\n"));
        run = cli(h + QStringList {"snapshot", "save", path("site-{id}-{address}.json")});
        QCOMPARE(run.code, 0);
        QVERIFY(QFile::exists(path("site-601-127.0.0.2.json")));
        QVERIFY(QFile::exists(path("site-602-127.0.0.3.json")));
        // One device gone: the others still answer, the worst code wins.
        run = cli({"-H", "127.0.0.2", "-H", "127.0.0.4", "--port", QString::number(port),
                   "--timeout", "5", "get", "in", "1", "level"});
        QCOMPARE(run.code, 3);
        QCOMPARE(run.out, QStringLiteral("127.0.0.2: -12.0\n"));
        QCOMPARE(run.err, QStringLiteral("vexatarn-cli: 127.0.0.4: no connection\n"));
    }
};

QTEST_GUILESS_MAIN(CliSimTest)
#include "CliSimTest.moc"
