#include "ManyDevices.h"

#include "CliArguments.h"
#include "ExitCode.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>

#include <memory>
#include <vector>

namespace ManyDevices {

namespace {

int severity(int code)
{
    switch (code) {
    case ExitCode::Done:
        return 0;
    case ExitCode::Failed:
        return 1;
    case ExitCode::Usage:
        return 2;
    default:
        return 3;
    }
}

void forward(const QByteArray &bytes, const QString &prefix, QTextStream &stream)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (const QByteArray &line : lines)
        if (!line.isEmpty())
            stream << prefix << QString::fromUtf8(line) << '\n';
    stream.flush();
}

} // namespace

int run(const CliArguments &arguments, QTextStream &out, QTextStream &err)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    int running = 0;
    QEventLoop loop;
    for (const QHostAddress &host : arguments.hosts) {
        auto process = std::make_unique<QProcess>();
        QObject::connect(process.get(), qOverload<int, QProcess::ExitStatus>(&QProcess::finished),
                         &loop, [&] {
                             if (--running == 0)
                                 loop.quit();
                         });
        process->start(QCoreApplication::applicationFilePath(),
                       QStringList {QStringLiteral("-H"), host.toString()}
                               + arguments.argumentsWithoutHosts);
        ++running;
        processes.push_back(std::move(process));
    }
    if (running > 0)
        loop.exec();

    int worst = ExitCode::Done;
    for (size_t i = 0; i < processes.size(); ++i) {
        QProcess &p = *processes[i];
        const QString address = arguments.hosts[int(i)].toString();
        forward(p.readAllStandardOutput(), address + QStringLiteral(": "), out);
        // Error lines name their device already.
        forward(p.readAllStandardError(), QString(), err);
        int code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : ExitCode::NoConnection;
        if (p.error() == QProcess::FailedToStart) {
            err << "vexatarn-cli: " << address << ": cannot start " << p.program() << '\n';
            code = ExitCode::NoConnection;
        }
        if (severity(code) > severity(worst))
            worst = code;
    }
    return worst;
}

} // namespace ManyDevices
