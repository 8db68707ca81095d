#include "CommandLine.h"

#include "settings/SystemSettings.h"
#include "model/DataModel.h"

#include <QCommandLineParser>
#include <QHostAddress>
#include <QTimer>

#include <cstdio>

namespace {

const char *const ProgramName = "vexatarn";

CommandLine::Result endWith(int exitCode, const QString &output, const QString &error = {})
{
    CommandLine::Result result;
    result.run = false;
    result.exitCode = exitCode;
    result.output = output;
    result.error = error.isEmpty()
            ? QString()
            : QLatin1String(ProgramName) + QStringLiteral(": ") + error + QLatin1Char('\n');
    return result;
}

} // namespace

CommandLine::Result CommandLine::parse(const QStringList &arguments, Pass pass)
{
    QCoreApplication::setApplicationName(QLatin1String(ProgramName));
    QCoreApplication::setApplicationVersion(SystemSettings::applicationVersion());

    QCommandLineParser parser;
    // "-reverse" is one unknown option, not -r -e -v (which would read as --version).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(tr("Control application for the digital audio processor."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption connectOption(
            QStringLiteral("connect"),
            tr("Connect at start to the processor with this IPv4 address; it is added to the "
               "device list when it is not there yet."),
            QStringLiteral("HOST"));
    parser.addOption(connectOption);

    const bool parsed = parser.parse(arguments);
    if (parser.isSet(helpOption))
        return endWith(0, parser.helpText());
    if (parser.isSet(versionOption))
        return endWith(0,
                       QLatin1String(ProgramName) + QLatin1Char(' ')
                               + SystemSettings::applicationVersion() + QLatin1Char('\n'));
    if (!parsed && (pass == Pass::Full || parser.unknownOptionNames().isEmpty()))
        return endWith(1, QString(), parser.errorText());
    if (pass == Pass::Full && !parser.positionalArguments().isEmpty())
        return endWith(1, QString(),
                       tr("Unexpected argument: %1").arg(parser.positionalArguments().first()));

    Result result;
    if (parser.isSet(connectOption)) {
        const QString host = parser.value(connectOption);
        const QHostAddress address(host);
        if (address.protocol() != QAbstractSocket::IPv4Protocol)
            return endWith(1, QString(), tr("Not an IPv4 address: %1").arg(host));
        result.connectAddress = address.toIPv4Address();
    }
    return result;
}

int CommandLine::answer(const Result &result)
{
    if (!result.output.isEmpty()) {
        std::fputs(qPrintable(result.output), stdout);
        std::fflush(stdout);
    }
    if (!result.error.isEmpty()) {
        std::fputs(qPrintable(result.error), stderr);
        std::fflush(stderr);
    }
    return result.exitCode;
}

int CommandLine::connectAtStart(DataModel &model, quint32 address, int waitMs)
{
    int index = -1;
    for (int i = 0; i < model.deviceCount() && index < 0; ++i) {
        if (model.device(i).packet.ipAddress == address)
            index = i;
    }
    if (index < 0 && waitMs > 0) {
        // Whichever comes first: the device's announcement, or the end of the wait.
        auto *waiting = new QObject(&model);
        QObject::connect(&model, &DataModel::deviceListAdd, waiting,
                         [&model, address, waiting](UdpBrowsingPacket *packet, bool) {
                             if (packet->ipAddress != address)
                                 return;
                             delete waiting; // also cancels the time-out below
                             model.selectDevice(model.deviceCount() - 1, false);
                         });
        QTimer::singleShot(waitMs, waiting, [&model, address, waiting] {
            delete waiting;
            model.selectDevice(model.addDeviceByAddress(address), false);
        });
        return -1;
    }
    if (index < 0)
        index = model.addDeviceByAddress(address);
    model.selectDevice(index, false);
    return index;
}
