#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Help, the version and a bad address are answered without a window system. A start
    // without arguments has nothing to answer.
    if (argc > 1) {
        QCoreApplication early(argc, argv);
        const CommandLine::Result commandLine =
                CommandLine::parse(QCoreApplication::arguments(), CommandLine::Pass::Early);
        if (!commandLine.run)
            return CommandLine::answer(commandLine);
    }

    Startup::prepareApplication();
    QApplication application(argc, argv);
    const CommandLine::Result commandLine = CommandLine::parse(QCoreApplication::arguments());
    if (!commandLine.run)
        return CommandLine::answer(commandLine);
    return Startup::run(commandLine);
}
