#include "app/CommandLine.h"
#include "AppTestEnvironment.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "model/DataModel.h"
#include "support/FakeClock.h"
#include "support/TestLinkEnvironment.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QThread>
#include <QTimer>
#include <QtTest>

namespace {

// A loopback TCP port with nobody listening: connection attempts fail at once and go nowhere.
quint16 closedTcpPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

// vexatarn --connect HOST, --help and --version.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("early");
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("address"); // empty: none
        QTest::addColumn<QString>("output"); // a part of standard output
        QTest::addColumn<QString>("error"); // a part of standard error
        const auto row = [](const char *name, const char *arguments, bool early, bool run,
                            int exitCode, const char *address, const char *output,
                            const char *error) {
            QTest::newRow(name) << QString::fromLatin1(arguments) << early << run << exitCode
                                << QString::fromLatin1(address) << QString::fromLatin1(output)
                                << QString::fromLatin1(error);
        };
        row("nothing", "", false, true, 0, "", "", "");
        row("connect", "--connect 127.0.0.1", false, true, 0, "127.0.0.1", "", "");
        row("connect with =", "--connect=192.168.1.20", false, true, 0, "192.168.1.20", "", "");
        row("host name", "--connect processor.local", false, false, 1, "", "",
            "vexatarn: Not an IPv4 address: processor.local\n");
        row("IPv6", "--connect ::1", true, false, 1, "", "", "Not an IPv4 address: ::1");
        row("missing address", "--connect", true, false, 1, "", "", "--connect");
        row("help", "--help", true, false, 0, "", "--connect <HOST>", "");
        row("version", "--version", true, false, 0, "", "vexatarn 1.2.9\n", "");
        row("help among toolkit options", "-platform offscreen -h", true, false, 0, "",
            "Usage:", "");
        row("toolkit option, early", "-reverse", true, true, 0, "", "", "");
        row("unknown option", "--frobnicate", false, false, 1, "", "", "frobnicate");
        row("stray argument", "127.0.0.1", false, false, 1, "", "",
            "Unexpected argument: 127.0.0.1");
    }

    void parse()
    {
        QFETCH(QString, arguments);
        QFETCH(bool, early);
        QFETCH(bool, run);
        QFETCH(int, exitCode);
        QFETCH(QString, address);
        QFETCH(QString, output);
        QFETCH(QString, error);
        const CommandLine::Result result =
                CommandLine::parse(QStringList {QStringLiteral("vexatarn")}
                                           + arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts),
                                   early ? CommandLine::Pass::Early : CommandLine::Pass::Full);
        QCOMPARE(result.run, run);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.connectAddress.has_value(), !address.isEmpty());
        if (!address.isEmpty())
            QCOMPARE(*result.connectAddress, QHostAddress(address).toIPv4Address());
        QVERIFY2(result.output.contains(output), qPrintable(result.output));
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QCOMPARE(result.error.isEmpty(), error.isEmpty());
    }

    void connectAddsOrSelectsTheDevice()
    {
        FakeClock clock;
        DataModel model(testLinkSettings(closedTcpPort()),
                        testLinkEnvironment(clock, QStringLiteral(":memory:")));
        model.addDeviceByAddress(ipv4("127.0.0.2"));

        // Unknown address: added by address and selected.
        QCOMPARE(CommandLine::connectAtStart(model, ipv4("127.0.0.1")), 1);
        QCOMPARE(model.deviceCount(), 2);
        QCOMPARE(model.currentIndex(), 1);
        QCOMPARE(model.device(1).packet.ipAddress, ipv4("127.0.0.1"));

        // Known address: the entry it has is selected, nothing added.
        QCOMPARE(CommandLine::connectAtStart(model, ipv4("127.0.0.2")), 0);
        QCOMPARE(model.deviceCount(), 2);
        QCOMPARE(model.currentIndex(), 0);
    }

    void unknownAddressWaitsForItsAnnouncement()
    {
        FakeClock clock;
        DataModel model(testLinkSettings(), testLinkEnvironment(clock, QStringLiteral(":memory:")));
        QCOMPARE(CommandLine::connectAtStart(model, ipv4("127.0.0.1"), 50), -1);
        QCOMPARE(model.deviceCount(), 0);

        // Another device announcing changes nothing; this one is selected under its own identity.
        UdpBrowsingPacket other;
        other.deviceId = 5;
        other.ipAddress = ipv4("127.0.0.9");
        other.productCode = 1;
        model.processAnnouncement(other.serialise(), 0);
        QCOMPARE(model.currentIndex(), -1);
        UdpBrowsingPacket packet = other;
        packet.deviceId = 20001;
        packet.ipAddress = ipv4("127.0.0.1");
        model.processAnnouncement(packet.serialise(), 0);
        QCOMPARE(model.deviceCount(), 2);
        QCOMPARE(model.currentIndex(), 1);
        QCOMPARE(model.device(1).packet.deviceId, quint32(20001));
        // The wait is over: no entry added by hand later.
        QTest::qWait(100);
        QCOMPARE(model.deviceCount(), 2);
    }

    void startupConnectsToTheDeviceOfTheCommandLine()
    {
        writeSettingsFile(settingsPath(),
                          "[Port]\nControl=" + QByteArray::number(closedTcpPort())
                                  + "\nBroadcast=" + QByteArray::number(freeUdpPort()) + "\n");
        const CommandLine::Result commandLine =
                CommandLine::parse({QStringLiteral("vexatarn"), QStringLiteral("--connect"),
                                    QStringLiteral("127.0.0.1")});

        int selected = -2;
        quint32 address = 0;
        int polls = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            MainWindow *window = MainWindow::instance();
            if (!window || !window->isVisible() || QThread::currentThread()->loopLevel() == 0)
                return;
            DataModel *model = DataModel::instance();
            selected = model->currentIndex();
            if (selected >= 0)
                address = model->device(selected).packet.ipAddress;
            // Nothing announces itself here: added by address once the wait is over.
            if (selected >= 0 || ++polls > 500)
                QCoreApplication::exit(0);
        });
        watch.start(10);
        QCOMPARE(Startup::run(commandLine), 0);
        QVERIFY(selected >= 0);
        QCOMPARE(address, ipv4("127.0.0.1"));
        QFile::remove(QStringLiteral("devices.db"));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<CommandLineTest>(argc, argv);
}

#include "CommandLineTest.moc"
