// The program under a campus of processors, fed in-process with the announcements the
// simulated crowd (sim/SimCrowd) sends: CPU per second at 100 and 1,000 processors, start-up
// with 2,000 registered devices against none, opening the full list with 2,000 entries, a flood
// of spoofed identities, and the 10 ms tick while another program holds devices.db locked.
// The 10 ms tick, the panel and the full list run as in the program (offscreen); the clock is
// driven so that a simulated second takes no waiting. `bench_crowd --long` runs 30 s rounds.
#include "SimCrowd.h"

#include "model/DataModel.h"
#include "panel/DeviceListDialog.h"
#include "panel/DeviceWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

class NoInterfaces : public NetworkInterfaceProvider
{
public:
    QList<NetworkInterfaceInfo> interfaces() const override { return {}; }
};

double cpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The program's device side: model, panel and full list, on a clock the bench moves.
struct Program
{
    qint64 now = 1'700'000'000'000;
    std::unique_ptr<DataModel> model;
    std::unique_ptr<DeviceWidget> panel;
    std::unique_ptr<DeviceListDialog> list;

    explicit Program(const QString &registry, bool withList = true)
    {
        LinkSettings settings;
        settings.broadcastPort = 0; // nothing arrives from the network: the bench feeds it
        LinkEnvironment environment = LinkEnvironment::withClock([this] { return now; });
        environment.interfaces = std::make_unique<NoInterfaces>();
        environment.registryFile = registry;
        model = std::make_unique<DataModel>(settings, std::move(environment));
        panel = std::make_unique<DeviceWidget>();
        panel->connectModel(model.get());
        panel->resize(300, 800);
        panel->show();
        if (withList) { // opened once and closed: it follows the model from then on
            list = std::make_unique<DeviceListDialog>();
            list->connectModel(model.get());
        }
        QCoreApplication::processEvents();
    }
    ~Program()
    {
        list.reset();
        panel.reset();
        model.reset();
    }

    // One simulated second: the datagrams spread over its 100 ticks, events handled after each.
    // Returns the longest tick (ms).
    double second(const std::vector<QByteArray> &datagrams)
    {
        double longest = 0;
        for (int tick = 0; tick < 100; ++tick) {
            QElapsedTimer timer;
            timer.start();
            const size_t from = datagrams.size() * size_t(tick) / 100;
            const size_t until = datagrams.size() * size_t(tick + 1) / 100;
            for (size_t i = from; i < until; ++i)
                model->processAnnouncement(datagrams[i], 0);
            now += 10;
            model->timeout();
            QCoreApplication::processEvents();
            longest = std::max(longest, double(timer.nsecsElapsed()) / 1e6);
        }
        return longest;
    }
};

void makeRegistry(const QString &file, int devices)
{
    DeviceRegistry registry(file);
    registry.load();
    sim::SimCrowd crowd(devices);
    for (int i = 0; i < devices; ++i) {
        UdpBrowsingPacket p = *UdpBrowsingPacket::parse(crowd.announcement(i, 1), false, 1);
        registry.sqlAdd(p);
    }
    registry.flush();
}

// CPU of one core used per simulated second with n processors announcing each second.
double cpuPerSecond(int n, int seconds)
{
    QTemporaryDir dir;
    Program program(dir.filePath(QStringLiteral("devices.db")));
    sim::SimCrowd crowd(n);
    for (int warm = 0; warm < 3; ++warm) // listed, remembered, written
        program.second(crowd.round());
    std::vector<std::vector<QByteArray>> rounds;
    for (int s = 0; s < seconds; ++s)
        rounds.push_back(crowd.round());
    const double start = cpuSeconds();
    for (const auto &round : rounds)
        program.second(round);
    return (cpuSeconds() - start) / seconds;
}

double startupMs(const QString &registry)
{
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        Program program(registry, false);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The program itself started in workDir until its main window is shown (median of runs).
double programStartMs(const QString &program, const QString &workDir, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VEXATARN_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), workDir);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), workDir + QStringLiteral("/.config"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workDir);
        QElapsedTimer timer;
        timer.start();
        process.start(program, QStringList());
        double shownMs = -1;
        while (shownMs < 0 && process.waitForReadyRead(30000)) {
            if (process.readAllStandardOutput().contains("shown"))
                shownMs = double(timer.nsecsElapsed()) / 1e6;
        }
        process.waitForFinished(30000);
        if (shownMs < 0)
            return -1;
        times.push_back(shownMs);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool longForm = app.arguments().contains(QStringLiteral("--long"));
    const int seconds = longForm ? 30 : 5;
    const int floodSeconds = longForm ? 30 : 5;

    if (app.arguments().contains(QStringLiteral("--startup-only"))) { // for a profiler
        QTemporaryDir dir;
        const QString full = dir.filePath(QStringLiteral("full.db"));
        makeRegistry(full, 2000);
        for (int i = 0; i < 10; ++i)
            startupMs(full);
        return 0;
    }

    // CPU per second, 100 against 1,000 processors.
    const double cpu100 = cpuPerSecond(100, seconds);
    const double cpu1000 = cpuPerSecond(1000, seconds);
    std::printf("CPU per second: 100 processors %.2f %% of one core, 1,000 processors %.2f %%\n",
                cpu100 * 100, cpu1000 * 100);
    std::printf("  ratio 1,000/100: %.2f (goal <= 12); 1,000 absolute %.2f %% (goal <= 3 %%)\n",
                cpu1000 / cpu100, cpu1000 * 100);

    // Start-up with 2,000 registered devices against none.
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.db"));
    const QString full = dir.filePath(QStringLiteral("full.db"));
    makeRegistry(empty, 0);
    makeRegistry(full, 2000);
    const double none = startupMs(empty);
    const double two = startupMs(full);
    std::printf("Model and panel alone: none %.1f ms, 2,000 registered %.1f ms (+%.1f ms)\n",
                none, two, two - none);

    // The whole program started with 2,000 registered devices against none: bench_crowd
    // --program build/normal/src/vexatarn
    const int programAt = app.arguments().indexOf(QStringLiteral("--program"));
    if (programAt > 0 && programAt + 1 < app.arguments().size()) {
        const QString program = QFileInfo(app.arguments()[programAt + 1]).absoluteFilePath();
        QTemporaryDir noneDir, fullDir;
        makeRegistry(noneDir.filePath(QStringLiteral("devices.db")), 0);
        makeRegistry(fullDir.filePath(QStringLiteral("devices.db")), 2000);
        programStartMs(program, noneDir.path(), 1);
        const double none = programStartMs(program, noneDir.path(), 9);
        const double two = programStartMs(program, fullDir.path(), 9);
        std::printf("Program start-up to its window: none %.1f ms, 2,000 registered %.1f ms, "
                    "ratio %.2f (goal <= 1.3)\n",
                    none, two, two / none);
    }

    // Opening the full device list with 2,000 entries.
    {
        Program program(full, false);
        QElapsedTimer timer;
        timer.start();
        DeviceListDialog dialog;
        dialog.connectModel(program.model.get());
        dialog.show();
        QCoreApplication::processEvents();
        std::printf("Opening the full list with %d entries: %.1f ms (goal < 200 ms)\n",
                    program.model->deviceCount(), double(timer.nsecsElapsed()) / 1e6);
    }

    // A flood of 10,000 spoofed announcements a second.
    {
        const QString file = dir.filePath(QStringLiteral("flood.db"));
        Program program(file, !qEnvironmentVariableIsSet("NOLIST"));
        if (qEnvironmentVariableIsSet("NOPANEL"))
            program.panel.reset();
        sim::SimCrowd crowd(0);
        program.second({});
        const double idle = residentMb();
        double longest = 0;
        for (int s = 0; s < floodSeconds; ++s) {
            std::vector<QByteArray> flood;
            for (int i = 0; i < 10000; ++i)
                flood.push_back(crowd.spoofed());
            const double tick = program.second(flood);
            std::printf("  flood second %d: list %d, longest tick %.1f ms\n", s + 1,
                        program.model->deviceCount(), tick);
            longest = std::max(longest, tick);
        }
        program.model->registry().flush();
        int rows = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "count");
            db.setDatabaseName(file);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("select count(*) from devices"));
            rows = q.next() ? q.value(0).toInt() : -1;
        }
        QSqlDatabase::removeDatabase(QStringLiteral("count"));
        std::printf("Flood 10,000/s for %d s: list %d, registry %d (bound %d), resident +%.1f MB "
                    "(goal <= 50), longest tick %.1f ms\n",
                    floodSeconds, program.model->deviceCount(), rows,
                    DeviceDirectory::MaxDevices, residentMb() - idle, longest);
    }

    // devices.db locked by another program while 1,000 processors announce and change.
    {
        const QString file = dir.filePath(QStringLiteral("locked.db"));
        Program program(file);
        sim::SimCrowd crowd(1000);
        program.second(crowd.round());
        program.second(crowd.round());
        double longest = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "lock");
            db.setDatabaseName(file);
            db.open();
            QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
            sim::SimCrowd moved(1000, 0x00A00000, 0x7F650001); // every address changes
            for (int s = 0; s < seconds; ++s)
                longest = std::max(longest, program.second(s % 2 ? crowd.round() : moved.round()));
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("lock"));
        std::printf("devices.db locked: longest tick %.1f ms over %d s (goal <= 100 ms), %d "
                    "changes waiting\n",
                    longest, seconds, program.model->registry().pendingCount());
    }
    return 0;
}
