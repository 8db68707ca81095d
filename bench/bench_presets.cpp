// Preset export and import of a 1 MiB all-slot image against the simulated processor on
// loopback: the program's transfers (DataModel with PresetExport and PresetImport, file through
// a temporary file) against a minimal client doing the same block exchange over its own
// connection to the same simulator (raw frames, one reply answered by the next request).
#include "RatioReporter.h"

#include "PresetImage.h"
#include "SimDevice.h"

#include "files/PresetExport.h"
#include "files/PresetImport.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "wire/ByteReader.h"
#include "wire/ByteWriter.h"
#include "wire/Frame.h"
#include "wire/FrameReassembler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr int ImageSize = 1 << 20;
constexpr int BlockSize = 512;

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_presets";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return done();
}

// The simulator with all 32 slots used and scenes sized so that the all-slot image is 1 MiB.
struct Bench
{
    QTemporaryDir dir;
    std::unique_ptr<sim::SimDevice> device;
    std::unique_ptr<DataModel> model;
    quint16 port = 0;
    int imageSize = 0;

    bool start()
    {
        application();
        sim::SimOptions options;
        options.broadcastPort = 0;
        options.commandPort = 0;
        device = std::make_unique<sim::SimDevice>(options);
        port = device->start(QHostAddress(QHostAddress::LocalHost), 0);
        sim::SimStore &store = device->store();
        const int empty = sim::PresetImage::exportAll(store.presets, store.config).size();
        for (int slot = 0; slot < sim::PresetSlots; ++slot)
            store.savePreset(slot);
        const int scene = (ImageSize - empty) / sim::PresetSlots;
        store.setSceneSize(scene);
        imageSize = sim::PresetImage::exportAll(store.presets, store.config).size();

        LinkSettings settings;
        settings.broadcastPort = 0;
        settings.controlPort = port;
        LinkEnvironment environment = LinkEnvironment::withClock(systemClock());
        environment.registryFile = QStringLiteral(":memory:");
        model = std::make_unique<DataModel>(settings, std::move(environment));
        model->addDeviceByAddress(QHostAddress(QHostAddress::LocalHost).toIPv4Address());
        model->selectDevice(0, false);
        if (!waitUntil([this] {
                QTcpSocket *s = model->currentSocket();
                return s && s->state() == QAbstractSocket::ConnectedState;
            }))
            return false;
        model->login(QString::fromLatin1(sim::builtInPassword()), false);
        return port != 0 && waitUntil([this] { return model->isLoggedIn(); });
    }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
};

// Kept until report() ends the link and the simulator, while the application and the SQL
// driver's statics still live.
Bench &bench()
{
    application();
    static Bench *b = new Bench;
    static const bool started = b->start();
    if (!started)
        std::fprintf(stderr, "simulator or link did not start\n");
    return *b;
}

// The program's way: one transfer object fed by the model's change notifications.
template<typename Transfer> bool runProgram(Bench &b, const QString &file)
{
    Transfer transfer(b.model.get());
    QObject::connect(b.model.get(), &DataModel::tcpSyncToUI, &transfer,
                     &PresetBlockTransfer::deviceMessage);
    bool done = false;
    bool ok = false;
    QObject::connect(&transfer, &PresetBlockTransfer::ended,
                     [&](PresetBlockTransfer::Outcome outcome, const QString &) {
                         done = true;
                         ok = outcome == PresetBlockTransfer::Completed;
                     });
    if (!transfer.start(PresetBlockTransfer::AllSlots, 0, file))
        return false;
    waitUntil([&] { return done; });
    return ok;
}

// The minimal client: its own connection, raw frames, the file written and read whole.
class MinimalClient
{
public:
    bool open(quint16 port)
    {
        QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { read(); });
        m_socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
        if (!m_socket.waitForConnected(5000))
            return false;
        m_step = [](const ReceivedFrame &) {};
        send({2, 1, 1}, Frame::WriteRequest, sim::builtInPassword());
        bool in = false;
        m_step = [&in](const ReceivedFrame &f) {
            if (f.id == MessageId {2, 1, 1} && f.length == 1 && f.payload[0] == 1)
                in = true;
        };
        return waitUntil([&in] { return in; });
    }

    bool exportAll(const QString &path)
    {
        QByteArray image;
        int blocks = -1;
        bool done = false;
        m_step = [&](const ReceivedFrame &f) {
            if (f.id != Msg::PresetExportAll || f.length < 4)
                return;
            ByteReader in(f.payload, f.length);
            in.skip(1);
            const quint8 step = in.u8();
            const quint16 value = in.u16();
            if (step == 0) {
                blocks = value;
            } else {
                image.append(f.payload + 4, f.length - 4);
                if (value + 1 >= blocks) {
                    done = true;
                    return;
                }
            }
            send(Msg::PresetExportAll, Frame::ReadRequest,
                 ByteWriter().u8(0).u8(1).u16(quint16(step == 0 ? 0 : value + 1)));
        };
        send(Msg::PresetExportAll, Frame::ReadRequest, QByteArray(2, '\0'));
        if (!waitUntil([&] { return done; }))
            return false;
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(image) == image.size();
    }

    bool importAll(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray image = file.readAll();
        const int blocks = image.size() / BlockSize + 1;
        bool done = false;
        const auto block = [&](int b) {
            send(Msg::PresetImportAll, Frame::WriteRequest,
                 ByteWriter()
                         .u8(0)
                         .u8(1)
                         .u16(quint16(b))
                         .bytes(image.mid(b * BlockSize, BlockSize)));
        };
        m_step = [&](const ReceivedFrame &f) {
            if (f.id != Msg::PresetImportAll || f.length < 4)
                return;
            if (f.length == 6) {
                block(0);
                return;
            }
            ByteReader in(f.payload, f.length);
            in.skip(2);
            const int acknowledged = in.u16();
            if (acknowledged + 1 >= blocks)
                done = true;
            else
                block(acknowledged + 1);
        };
        send(Msg::PresetImportAll, Frame::WriteRequest, QByteArray(2, '\0'));
        return waitUntil([&] { return done; });
    }

private:
    void send(MessageId id, quint8 flag, const QByteArray &payload)
    {
        m_socket.write(Frame::build(id, flag, payload));
        m_socket.flush();
    }
    void read()
    {
        m_frames.append(m_socket.readAll());
        m_frames.process([this](const ReceivedFrame &f) { m_step(f); });
    }

    QTcpSocket m_socket;
    FrameReassembler m_frames;
    std::function<void(const ReceivedFrame &)> m_step;
};

MinimalClient &client()
{
    bench();
    static MinimalClient *c = new MinimalClient;
    static const bool opened = c->open(bench().port);
    if (!opened)
        std::fprintf(stderr, "minimal client did not log in\n");
    return *c;
}

void ProgramExport(benchmark::State &state)
{
    Bench &b = bench();
    for (auto _ : state) {
        if (!runProgram<PresetExport>(b, b.path("program.pstl"))) {
            state.SkipWithError("export failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * b.imageSize);
}
BENCHMARK(ProgramExport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void ClientExport(benchmark::State &state)
{
    Bench &b = bench();
    MinimalClient &c = client();
    for (auto _ : state) {
        if (!c.exportAll(b.path("client.pstl"))) {
            state.SkipWithError("export failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * b.imageSize);
}
BENCHMARK(ClientExport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void ProgramImport(benchmark::State &state)
{
    Bench &b = bench();
    if (!runProgram<PresetExport>(b, b.path("program.pstl"))) {
        state.SkipWithError("no image");
        return;
    }
    for (auto _ : state) {
        if (!runProgram<PresetImport>(b, b.path("program.pstl"))) {
            state.SkipWithError("import failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * b.imageSize);
}
BENCHMARK(ProgramImport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void ClientImport(benchmark::State &state)
{
    Bench &b = bench();
    MinimalClient &c = client();
    if (!c.exportAll(b.path("client.pstl"))) {
        state.SkipWithError("no image");
        return;
    }
    for (auto _ : state) {
        if (!c.importAll(b.path("client.pstl"))) {
            state.SkipWithError("import failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * b.imageSize);
}
BENCHMARK(ClientImport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

bool report(const RatioReporter &r)
{
    std::printf("all-slot image: %d bytes, %d blocks\n", bench().imageSize,
                (bench().imageSize + BlockSize - 1) / BlockSize);
    const double exportRatio = r.ns("ProgramExport/min_time:2.000/real_time")
            / r.ns("ClientExport/min_time:2.000/real_time");
    const double importRatio = r.ns("ProgramImport/min_time:2.000/real_time")
            / r.ns("ClientImport/min_time:2.000/real_time");
    const bool a = RatioReporter::printRatio("preset export (1 MiB) / minimal client", exportRatio,
                                             "<= 2", exportRatio <= 2.0);
    const bool b = RatioReporter::printRatio("preset import (1 MiB) / minimal client", importRatio,
                                             "<= 2", importRatio <= 2.0);
    bench().model.reset();
    bench().device.reset();
    return a && b;
}

} // namespace

VEXATARN_BENCH_MAIN(report)
