// vexatarn-sim: a simulated audio matrix processor for the demonstration, the tests and the
// benchmarks.
#include "SimDevice.h"
#include "SimLog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexatarn-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXATARN_VERSION));

    QCommandLineParser parser;
    sim::SimOptions::declare(parser);
    parser.process(app);
    QString error;
    const auto options = sim::SimOptions::read(parser, &error);
    if (!options) {
        std::fprintf(stderr, "vexatarn-sim: %s\n", qPrintable(error));
        return 2;
    }
    if (options->verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("vexatarn.sim.debug=true"));
    else if (!options->quiet)
        QLoggingCategory::setFilterRules(QStringLiteral("vexatarn.sim.info=true"));

    sim::SimDevice device(*options);
    const quint16 port = device.start();
    if (port == 0) {
        std::fprintf(stderr, "vexatarn-sim: %s\n", qPrintable(device.errorString()));
        return 1;
    }
    const sim::SimStore &store = device.store();
    qCInfo(lcSim).noquote() << QStringLiteral("%1 %2 (id %3) listening on %4:%5, announcing to "
                                              "%6:%7, commands on port %8")
                                       .arg(QString::fromLocal8Bit(store.system.model),
                                            store.config.name)
                                       .arg(store.system.deviceId)
                                       .arg(options->bind.toString())
                                       .arg(port)
                                       .arg(options->announceTo.toString())
                                       .arg(options->broadcastPort)
                                       .arg(device.commandPort());
    return app.exec();
}
