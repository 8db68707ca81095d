// Start-up to the main window shown, as a ratio to a minimal Qt Widgets window started in the
// same run (goal: at most 2). With VEXATARN_QUIT_WHEN_SHOWN set, both programs write "shown" to
// standard output once their window is on screen, then quit; the time from starting the
// process to that line is the start-up time. Each is started several times and the medians
// are compared.
// The window system is QT_QPA_PLATFORM's, offscreen when unset. Offscreen leaves out the display
// server, which both programs pay for on a desktop; under an X server (QT_QPA_PLATFORM=xcb, or
// xvfb-run) the figure includes mapping the window, as a user sees it.
//   bench_startup <vexatarn> <minimal_window>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianStartMs(const QString &program, const QString &workDir, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VEXATARN_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")));
        env.insert(QStringLiteral("HOME"), workDir);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), workDir + QStringLiteral("/.config"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workDir);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        process.start(program, QStringList());
        double shownMs = -1;
        while (shownMs < 0 && process.waitForReadyRead(30000)) {
            if (process.readAllStandardOutput().contains("shown"))
                shownMs = double(timer.nsecsElapsed()) / 1e6;
        }
        if (shownMs < 0 || !process.waitForFinished(30000) || process.exitCode() != 0) {
            std::fprintf(stderr, "%s did not show its window and quit cleanly\n",
                         qPrintable(program));
            return -1;
        }
        times.push_back(shownMs);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup <vexatarn> <minimal_window>\n");
        return 2;
    }
    QTemporaryDir work;
    // Both run in the temporary folder: their paths must not depend on it.
    const QString programPath = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString minimalPath = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    constexpr int Runs = 15;
    // One warm-up each, so both find the libraries in the page cache.
    medianStartMs(programPath, work.path(), 1);
    medianStartMs(minimalPath, work.path(), 1);
    const double program = medianStartMs(programPath, work.path(), Runs);
    const double minimal = medianStartMs(minimalPath, work.path(), Runs);
    if (program < 0 || minimal < 0)
        return 1;
    const double ratio = program / minimal;
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"));
    std::printf("start-up to main window (%s): vexatarn %.1f ms, minimal window %.1f ms "
                "(medians of %d)\n",
                qPrintable(platform), program, minimal, Runs);
    std::printf("start-up ratio: %.2f (goal <= 2) %s\n", ratio, ratio <= 2.0 ? "met" : "NOT MET");
    return ratio <= 2.0 ? 0 : 1;
}
