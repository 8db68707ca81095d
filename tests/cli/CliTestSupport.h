#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtTest>

#include <memory>

// Runs the built vexatarn-cli and vexatarn-sim programs on loopback for the tests.
namespace clitest {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

inline Run cli(const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess process;
    process.start(QStringLiteral(CLI_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("vexatarn-cli did not finish");
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A TCP port free on every loopback address used here.
inline quint16 freeTcpPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress(QStringLiteral("127.0.0.2")), 0);
    return probe.serverPort();
}

// One simulated processor as its own process.
class SimProcess
{
public:
    bool start(const QString &address, quint16 port, const QStringList &extra = {})
    {
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(SIM_PROGRAM),
                      QStringList {QStringLiteral("--bind"), address,
                                   QStringLiteral("--control-port"), QString::number(port),
                                   QStringLiteral("--command-port"), QStringLiteral("0")}
                              + extra);
        if (!process.waitForStarted(10000))
            return false;
        QString log;
        QElapsedTimer timer;
        timer.start();
        while (!log.contains(QLatin1String("listening on")) && timer.elapsed() < 10000) {
            process.waitForReadyRead(100);
            log += QString::fromUtf8(process.readAllStandardError());
        }
        return log.contains(QLatin1String("listening on"));
    }
    ~SimProcess()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished();
    }
    QProcess process;
};

} // namespace clitest
