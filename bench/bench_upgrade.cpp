// A firmware upgrade with a 4 MiB image against vexatarn-sim on loopback (reboot delay 0): the
// program's DataModel and FirmwareUpgrade, against a minimal client doing the same block
// exchange on a plain socket, in the same run. Each run starts a fresh simulated processor (the
// upgrade reboots it) and times only the exchange, from the start message to the last
// acknowledgement.
#include "RatioReporter.h"

#include "SimDevice.h"

#include "files/FirmwareUpgrade.h"
#include "model/DataModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtEndian>

#include <memory>

namespace {

constexpr int ImageSize = 4 * 1024 * 1024;
constexpr int BlockSize = 512;
const QByteArray Password = QByteArrayLiteral("#*qubit*");

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_upgrade";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// The image: a body, then the trailer for the simulator's hardware (0x5654), version 3.9.0.
const QByteArray &imageBytes()
{
    static const QByteArray bytes = [] {
        QByteArray b(ImageSize, '\0');
        for (int i = 0; i < ImageSize; ++i)
            b[i] = char(i * 13);
        const int t = ImageSize - 10;
        b[t] = 0x54;
        b[t + 1] = 0x56;
        b[t + 2] = 3;
        b[t + 3] = 9;
        b[t + 4] = 0;
        return b;
    }();
    return bytes;
}

QString imagePath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("bench.img"));
        QFile file(p);
        file.open(QIODevice::WriteOnly);
        file.write(imageBytes());
        return p;
    }();
    return path;
}

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.localPort();
}

std::unique_ptr<sim::SimDevice> startSim()
{
    sim::SimOptions options;
    options.bind = QHostAddress(QHostAddress::LocalHost);
    options.announceTo = QHostAddress(QHostAddress::LocalHost);
    options.broadcastPort = freeUdpPort();
    options.commandPort = 0;
    options.timing.rebootMs = 0;
    options.quiet = true;
    auto device = std::make_unique<sim::SimDevice>(options);
    if (device->start(QHostAddress(QHostAddress::LocalHost), 0) == 0)
        return nullptr;
    return device;
}

bool waitUntil(const std::function<bool()> &done, int ms = 10000)
{
    QElapsedTimer wait;
    wait.start();
    while (!done() && wait.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

void ProgramUpgrade(benchmark::State &state)
{
    application();
    const QString path = imagePath();
    for (auto _ : state) {
        auto device = startSim();
        LinkSettings settings;
        settings.controlPort = device->controlPort();
        settings.broadcastPort = freeUdpPort();
        LinkEnvironment environment = LinkEnvironment::withClock(systemClock());
        environment.registryFile = QStringLiteral(":memory:");
        DataModel model(settings, std::move(environment));
        QObject::connect(&model, &DataModel::tcpLoginChanged, [&model](uchar status) {
            if (status == 0)
                model.login(QString::fromLatin1(Password), false);
        });
        model.addDeviceByAddress(QHostAddress(QHostAddress::LocalHost).toIPv4Address());
        model.selectDevice(0, false);
        if (!waitUntil([&] { return model.isLoggedIn(); })) {
            state.SkipWithError("no login");
            return;
        }
        FirmwareUpgrade upgrade(&model);
        QObject::connect(&model, &DataModel::tcpSyncToUI, &upgrade, &FirmwareUpgrade::tcpSyncToUI);
        bool done = false;
        QObject::connect(&upgrade, &FirmwareUpgrade::finished, [&](FirmwareUpgrade::Outcome o) {
            done = o == FirmwareUpgrade::Outcome::Completed;
        });
        QElapsedTimer timer;
        timer.start();
        upgrade.start(path);
        if (!waitUntil([&] { return done; }, 60000)) {
            state.SkipWithError("upgrade did not complete");
            return;
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}

// The same exchange by hand: frames built inline, replies cut out of the stream.
class MinimalClient
{
public:
    explicit MinimalClient(quint16 port)
    {
        QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { read(); });
        m_socket.connectToHost(QHostAddress::LocalHost, port);
    }

    bool login()
    {
        if (!m_socket.waitForConnected(5000))
            return false;
        send(2, 1, 1, Password);
        return waitUntil([this] { return m_loggedIn; });
    }

    void start() { send(1, 1, 1, QByteArray(2, '\0')); }
    bool finished() const { return m_finished; }

private:
    void send(quint8 type, quint8 subType, quint8 funcId, const QByteArray &payload)
    {
        QByteArray frame;
        frame.reserve(12 + payload.size());
        const char head[] = {char(0x82),
                             char(0x7D),
                             1,
                             0,
                             char(type),
                             char(subType),
                             char(funcId),
                             1,
                             char(payload.size() & 0xFF),
                             char(payload.size() >> 8)};
        frame.append(head, sizeof head).append(payload).append("\x7D\x82", 2);
        m_socket.write(frame);
        m_socket.flush();
    }

    void sendBlock(int n)
    {
        QByteArray payload(4, '\0');
        payload[1] = 1;
        qToLittleEndian<quint16>(quint16(n), payload.data() + 2);
        payload.append(imageBytes().constData() + qint64(n) * BlockSize,
                       qMin(BlockSize, ImageSize - n * BlockSize));
        send(1, 1, 1, payload);
    }

    void read()
    {
        m_buffer += m_socket.readAll();
        int at = 0;
        while (m_buffer.size() - at >= 12) {
            const int length = quint8(m_buffer[at + 8]) | (quint8(m_buffer[at + 9]) << 8);
            if (m_buffer.size() - at < 12 + length)
                break;
            const char *p = m_buffer.constData() + at;
            if (p[4] == 2 && p[5] == 1 && length == 1)
                m_loggedIn = p[10] == 1;
            if (p[4] == 1 && p[5] == 1 && p[6] == 1 && length == 4) {
                const int value = qFromLittleEndian<quint16>(p + 12);
                const int last = ImageSize / BlockSize;
                if (p[11] == 0)
                    sendBlock(0);
                else if (value >= last)
                    m_finished = true;
                else
                    sendBlock(value + 1);
            }
            at += 12 + length;
        }
        m_buffer.remove(0, at);
    }

    QTcpSocket m_socket;
    QByteArray m_buffer;
    bool m_loggedIn = false;
    bool m_finished = false;
};

void MinimalUpgrade(benchmark::State &state)
{
    application();
    for (auto _ : state) {
        auto device = startSim();
        MinimalClient client(device->controlPort());
        if (!client.login()) {
            state.SkipWithError("no login");
            return;
        }
        QElapsedTimer timer;
        timer.start();
        client.start();
        if (!waitUntil([&] { return client.finished(); }, 60000)) {
            state.SkipWithError("upgrade did not complete");
            return;
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}

BENCHMARK(MinimalUpgrade)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ProgramUpgrade)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

bool report(const RatioReporter &reporter)
{
    const double minimal = reporter.ns("MinimalUpgrade/iterations:3/manual_time");
    const double program = reporter.ns("ProgramUpgrade/iterations:3/manual_time");
    if (minimal <= 0 || program <= 0)
        return false;
    const double ratio = program / minimal;
    return RatioReporter::printRatio("firmware upgrade, 4 MiB, program / minimal client", ratio,
                                     "<= 2", ratio <= 2.0);
}

} // namespace

VEXATARN_BENCH_MAIN(report)
