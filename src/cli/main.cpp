// vexatarn-cli: the processors from a shell, on the program's core (no windows).
#include "CliArguments.h"
#include "DeviceCommands.h"
#include "DeviceSession.h"
#include "Discover.h"
#include "ExitCode.h"
#include "ManyDevices.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexatarn-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXATARN_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    CliArguments arguments;
    QString error;
    if (!arguments.parse(QCoreApplication::arguments(), &error)) {
        err << "vexatarn-cli: " << error << '\n';
        return ExitCode::Usage;
    }
    if (arguments.help) {
        out << CliArguments::helpText();
        return ExitCode::Done;
    }
    if (arguments.version) {
        out << "vexatarn-cli " << QCoreApplication::applicationVersion() << '\n';
        return ExitCode::Done;
    }
    if (arguments.command == QLatin1String("frame")) {
        out << arguments.frameText << '\n';
        return ExitCode::Done;
    }
    if (arguments.command == QLatin1String("discover"))
        return Discover::run(arguments, out, err);
    if (arguments.hosts.size() > 1)
        return ManyDevices::run(arguments, out, err);

    const QString address = arguments.hosts.first().toString();
    int code = DeviceCommands::checkFiles(arguments, address, &error);
    if (code != ExitCode::Done) {
        err << "vexatarn-cli: " << address << ": " << error << '\n';
        return code;
    }
    DeviceSession session(arguments.hosts.first(), arguments.controlPort,
                          int(arguments.timeoutSeconds * 1000));
    code = session.open(arguments.password);
    if (code != ExitCode::Done) {
        err << "vexatarn-cli: " << address << ": " << session.error() << '\n';
        return code;
    }
    DeviceCommands commands(arguments, session, out);
    code = commands.run();
    out.flush();
    if (code != ExitCode::Done)
        err << "vexatarn-cli: " << address << ": " << commands.error() << '\n';
    return code;
}
