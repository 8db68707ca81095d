// The busiest status poll tick (Matrix page, all six dialogs: 90 frames) written by DataModel to
// a connected loopback socket, against writing the same bytes with 90 raw send() calls on a
// plain loopback TCP connection in the same run; and the reply handlers' throughput through the
// receive path, in replies per second.
#include "RatioReporter.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/StatusPoll.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <thread>

namespace {

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_poll";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

std::vector<StatusQuery> busiestTick()
{
    StatusPoll::State state;
    state.tick = 100;
    state.currentModule = StatusPoll::Matrix;
    state.openDialogs = 0x3F;
    std::vector<StatusQuery> queries;
    StatusPoll::build(state, queries);
    return queries;
}

// A listening loopback socket and, once accepted, a thread that reads everything the other end
// writes, so that the writer never waits for a full buffer.
class LoopbackSink
{
public:
    LoopbackSink()
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr {};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
        ::listen(m_listen, 1);
        socklen_t len = sizeof addr;
        ::getsockname(m_listen, reinterpret_cast<sockaddr *>(&addr), &len);
        m_port = ntohs(addr.sin_port);
    }
    ~LoopbackSink()
    {
        if (m_accepted >= 0)
            ::shutdown(m_accepted, SHUT_RDWR);
        if (m_reader.joinable())
            m_reader.join();
        if (m_accepted >= 0)
            ::close(m_accepted);
        ::close(m_listen);
    }

    quint16 port() const { return m_port; }

    void acceptAndDrain()
    {
        m_accepted = ::accept(m_listen, nullptr, nullptr);
        m_reader = std::thread([fd = m_accepted] {
            char buf[65536];
            while (::recv(fd, buf, sizeof buf, 0) > 0) { }
        });
    }

    // A plain client connection to this sink.
    int connectClient()
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr {};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(m_port);
        ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
        acceptAndDrain();
        return fd;
    }

private:
    int m_listen = -1;
    int m_accepted = -1;
    quint16 m_port = 0;
    std::thread m_reader;
};

// A model that writes no devices.db and hears no announcements.
LinkEnvironment benchEnvironment()
{
    LinkEnvironment environment = LinkEnvironment::withClock(systemClock());
    environment.registryFile = QStringLiteral(":memory:");
    return environment;
}

// Connects the model's device link to the sink, as a selected device would be.
bool connectToSink(DataModel &model, LoopbackSink &sink)
{
    model.addDeviceByAddress(QHostAddress(QHostAddress::LocalHost).toIPv4Address());
    model.selectDevice(0, false);
    sink.acceptAndDrain();
    QElapsedTimer wait;
    wait.start();
    while (model.currentSocket()->state() != QAbstractSocket::ConnectedState
           && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return model.currentSocket()->state() == QAbstractSocket::ConnectedState;
}

void RawSend(benchmark::State &state)
{
    std::vector<QByteArray> frames;
    for (const StatusQuery &q : busiestTick()) {
        frames.push_back(Frame::build(
                q.id, Frame::ReadRequest,
                QByteArray(reinterpret_cast<const char *>(q.selector), q.selectorSize)));
    }
    LoopbackSink sink;
    const int fd = sink.connectClient();
    for (auto _ : state) {
        for (const QByteArray &f : frames)
            ::send(fd, f.constData(), size_t(f.size()), 0);
    }
    ::close(fd);
    state.counters["frames"] = double(frames.size());
}
BENCHMARK(RawSend);

void BusiestPollTick(benchmark::State &state)
{
    application();
    LoopbackSink sink;
    LinkSettings settings;
    settings.controlPort = sink.port();
    settings.broadcastPort = 0;
    DataModel model(settings, benchEnvironment());
    if (!connectToSink(model, sink)) {
        state.SkipWithError("no loopback connection");
        return;
    }
    const std::vector<StatusQuery> queries = busiestTick();
    for (auto _ : state)
        model.sendQueries(queries);
    state.counters["frames"] = double(queries.size());
    model.selectDevice(-1, false);
}
BENCHMARK(BusiestPollTick);

// For comparison: the same tick as one sendFrame (one write and flush) per query.
void BusiestTickFramePerWrite(benchmark::State &state)
{
    application();
    LoopbackSink sink;
    LinkSettings settings;
    settings.controlPort = sink.port();
    settings.broadcastPort = 0;
    DataModel model(settings, benchEnvironment());
    if (!connectToSink(model, sink)) {
        state.SkipWithError("no loopback connection");
        return;
    }
    const std::vector<StatusQuery> queries = busiestTick();
    for (auto _ : state) {
        for (const StatusQuery &q : queries)
            model.sendFrame(q.id.type, q.id.subType, q.id.funcId, Frame::ReadRequest,
                            reinterpret_cast<const char *>(q.selector), q.selectorSize);
    }
    model.selectDevice(-1, false);
}
BENCHMARK(BusiestTickFramePerWrite);

// A second of polling answered: meters, system status, labels and the page's parameters, the
// meters changing on every reply as they do on a live device.
constexpr int RepliesPerStream = 30;

QByteArray replyStream(int round)
{
    QByteArray s;
    int replies = 0;
    auto add = [&s, &replies](MessageId id, const QByteArray &payload) {
        s += Frame::build(id, Frame::Reply, payload);
        ++replies;
    };
    const char level = char(-20 - round % 7);
    for (MessageId meters :
         {Msg::InputMeters, Msg::PreMixMeters, Msg::OutputPreMeters, Msg::OutputMeters})
        add(meters, QByteArray(18, level));
    add(Msg::AutoMixMeters, QByteArray(32, level));
    add(Msg::SysDanteState, QByteArray::fromHex("0001"));
    add(Msg::SysChannelConfig, QByteArray::fromHex("1010"));
    add(Msg::SysArmVersion, QByteArray::fromHex("010203"));
    add(Msg::SysLocation, QByteArray(16, 'x'));
    add(Msg::SysFaults, QByteArray(5, '\0'));
    add(Msg::InputLabels, QByteArray(288, 'L'));
    add(Msg::OutputLabels, QByteArray(288, 'O'));
    add(Msg::PreMixGain, QByteArray(72, '\0'));
    add(Msg::PreMixGainRange, QByteArray(144, '\0'));
    for (int out = 0; out < 16; ++out) {
        QByteArray row(21, '\x01');
        row[0] = char(out);
        add(Msg::MatrixRoute, row);
    }
    Q_ASSERT(replies == RepliesPerStream);
    return s;
}

void ReplyHandling(benchmark::State &state)
{
    application();
    LinkSettings quiet;
    quiet.broadcastPort = 0;
    DataModel model(quiet, benchEnvironment());
    const QByteArray streams[2] = {replyStream(0), replyStream(1)};
    std::size_t round = 0;
    for (auto _ : state) {
        const QByteArray &s = streams[round++ & 1];
        model.receiveBytes(s.constData(), s.size());
    }
    state.counters["replies/s"] = benchmark::Counter(double(state.iterations()) * RepliesPerStream,
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(ReplyHandling)->UseRealTime();

bool report(const RatioReporter &r)
{
    const double ratio = r.ns("BusiestPollTick") / r.ns("RawSend");
    const bool ok = RatioReporter::printRatio("busiest poll tick (90 frames) / 90 raw send()",
                                              ratio, "<= 3", ratio <= 3.0);
    std::printf("for comparison, one sendFrame per query / 90 raw send(): %.3f\n",
                r.ns("BusiestTickFramePerWrite") / r.ns("RawSend"));
    const double perReply = r.ns("ReplyHandling/real_time") / RepliesPerStream;
    std::printf("reply handling: %.0f replies/s (%.0f ns per reply)\n", 1e9 / perReply, perReply);
    return ok;
}

} // namespace

VEXATARN_BENCH_MAIN(report)
