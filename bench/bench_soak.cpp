// Soak of the device link under a flooding device: the program's model connects to a
// vexatarn-sim process on loopback that sends valid replies unasked at a high rate, flips its
// channel configuration and sends impossible frame lengths. Prints the poll cadence (meter
// queries per second as a fraction of 10), the longest gap of a 10 ms timer beside the tick, the
// resident memory before and after, and whether the link dropped.
//
//   bench_soak SIM_PROGRAM [--seconds N] [--flood REPLIES_PER_SECOND]
#include "link/LinkEnvironment.h"
#include "model/DataModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>

namespace {

quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

quint16 freeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
    return socket.localPort();
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("sim"), QStringLiteral("vexatarn-sim program"));
    parser.addOption({QStringLiteral("seconds"), QStringLiteral("Soak time."), QStringLiteral("n"),
                      QStringLiteral("20")});
    parser.addOption({QStringLiteral("flood"), QStringLiteral("Replies per second."),
                      QStringLiteral("n"), QStringLiteral("77000")});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const int seconds = qMax(2, parser.value(QStringLiteral("seconds")).toInt());

    QTemporaryDir dir;
    const quint16 controlPort = freePort();
    LinkSettings settings;
    settings.controlPort = controlPort;
    settings.broadcastPort = freeUdpPort();

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(parser.positionalArguments().first(),
              {QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
               QStringLiteral("--control-port"), QString::number(controlPort),
               QStringLiteral("--announce-to"), QStringLiteral("127.0.0.1"),
               QStringLiteral("--broadcast-port"), QString::number(freeUdpPort()),
               QStringLiteral("--command-port"), QString::number(freeUdpPort()),
               QStringLiteral("--reply-flood"), parser.value(QStringLiteral("flood")),
               QStringLiteral("--config-flip"), QStringLiteral("0.1"),
               QStringLiteral("--impossible-length"), QStringLiteral("1"),
               QStringLiteral("--quiet")});
    if (!sim.waitForStarted(5000)) {
        std::fprintf(stderr, "bench_soak: the simulator did not start\n");
        return 1;
    }
    QThread::msleep(300);

    LinkEnvironment environment;
    environment.registryFile = dir.filePath(QStringLiteral("devices.db"));
    DataModel model(settings, std::move(environment));
    int drops = 0;
    bool connected = false;
    QObject::connect(&model, &DataModel::tcpConnectTimeout, [&] {
        if (connected)
            ++drops;
    });
    model.selectDevice(model.addDeviceByAddress(QHostAddress(QStringLiteral("127.0.0.1"))
                                                        .toIPv4Address()),
                       true);

    QElapsedTimer wait;
    wait.start();
    while (!model.currentSocket() || model.currentSocket()->state() != QAbstractSocket::ConnectedState) {
        if (wait.elapsed() > 5000) {
            std::fprintf(stderr, "bench_soak: no connection to the simulator\n");
            return 1;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    connected = true;
    // Settle, then measure.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    const long rssBefore = residentKiB();
    const qint64 ticksBefore = model.tickCount();
    qint64 longestGap = 0;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestGap = qMax(longestGap, now - last);
        last = now;
    });
    probe.start(10);
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const qint64 elapsed = clock.elapsed();
    const qint64 ticks = model.tickCount() - ticksBefore;
    const long rssAfter = residentKiB();
    sim.kill();
    sim.waitForFinished(2000);

    // The meter query goes out every tenth tick: ten a second at full cadence.
    const double meterQueriesPerSecond = ticks / 10.0 / (elapsed / 1000.0);
    const double cadence = meterQueriesPerSecond / 10.0;
    std::printf("flood %s replies/s for %d s\n", qPrintable(parser.value("flood")), seconds);
    std::printf("meter poll cadence: %.2f of 10/s (goal at least 0.80)\n", cadence);
    std::printf("longest gap of a 10 ms timer: %lld ms\n", static_cast<long long>(longestGap));
    std::printf("resident memory: %ld KiB before, %ld KiB after\n", rssBefore, rssAfter);
    std::printf("link dropped: %s\n", drops > 0 ? "yes" : "no");
    return cadence >= 0.8 && drops == 0 ? 0 : 1;
}
