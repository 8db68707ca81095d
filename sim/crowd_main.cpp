// vexatarn-crowd: many simulated processors announcing on loopback at once, each once a second
// with its run time advancing, and on demand a flood of announcements from random identities.
#include "SimCrowd.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated processors announcing at once"));
    parser.addHelpOption();
    const QCommandLineOption processors(QStringLiteral("processors"),
                                        QStringLiteral("Processors announcing each second."),
                                        QStringLiteral("n"), QStringLiteral("1000"));
    const QCommandLineOption flood(QStringLiteral("flood"),
                                   QStringLiteral("Announcements from random identities per second."),
                                   QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     QStringLiteral("Stop after this many seconds (0: never)."),
                                     QStringLiteral("s"), QStringLiteral("0"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("Loopback target address."),
                                QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Announcement port."),
                                  QStringLiteral("port"), QStringLiteral("6697"));
    parser.addOptions({processors, flood, seconds, to, port});
    parser.process(app);

    const QHostAddress target(parser.value(to));
    if (!target.isLoopback()) {
        std::fprintf(stderr, "vexatarn-crowd announces on loopback only\n");
        return 2;
    }
    const quint16 targetPort = quint16(parser.value(port).toUInt());
    const int perSecond = parser.value(flood).toInt();
    const int runFor = parser.value(seconds).toInt();
    sim::SimCrowd crowd(parser.value(processors).toInt());
    QUdpSocket socket;
    QElapsedTimer clock;
    clock.start();

    // The crowd spreads its round over the second in 10 ms slices, as independent devices would.
    constexpr int Slices = 100;
    int slice = 0;
    std::vector<QByteArray> round;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (slice == 0)
            round = crowd.round();
        const size_t from = round.size() * size_t(slice) / Slices;
        const size_t until = round.size() * size_t(slice + 1) / Slices;
        for (size_t i = from; i < until; ++i)
            crowd.send(socket, round[i], target, targetPort);
        for (int i = perSecond * slice / Slices; i < perSecond * (slice + 1) / Slices; ++i)
            crowd.send(socket, crowd.spoofed(), target, targetPort);
        slice = (slice + 1) % Slices;
        if (runFor > 0 && clock.elapsed() >= qint64(runFor) * 1000)
            app.quit();
    });
    timer.start(1000 / Slices);
    return app.exec();
}
