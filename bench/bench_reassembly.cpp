// Reassembly throughput against memcpy of the same bytes, and resynchronisation cost through
// 1 MiB and 2 MiB of garbage (linear: the ratio stays near 2).
#include "RatioReporter.h"

#include "wire/FrameReassembler.h"

#include <cstring>
#include <random>

namespace {

constexpr int FrameCount = 4096;

QByteArray replyStream()
{
    QByteArray stream;
    const QByteArray payload(64 - Frame::Overhead, '\x5a');
    for (int i = 0; i < FrameCount; ++i)
        stream += Frame::build({3, 1, 1}, Frame::Reply, payload);
    return stream;
}

QByteArray garbage(int size)
{
    QByteArray g(size, '\0');
    std::mt19937 rng(7);
    for (char &c : g) {
        c = char(rng() & 0xFF);
        if (quint8(c) == 0x82)
            c = 0x11; // never a header start: all of it is skipped byte by byte
    }
    return g;
}

void Memcpy(benchmark::State &state)
{
    const QByteArray stream = replyStream();
    QByteArray target(stream.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), stream.constData(), size_t(stream.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
}
BENCHMARK(Memcpy);

void Reassembly(benchmark::State &state)
{
    const QByteArray stream = replyStream();
    FrameReassembler r;
    long frames = 0;
    for (auto _ : state) {
        r.append(stream);
        r.process([&](const ReceivedFrame &f) { frames += f.length; });
    }
    benchmark::DoNotOptimize(frames);
    state.SetBytesProcessed(state.iterations() * stream.size());
}
BENCHMARK(Reassembly);

void Resynchronise(benchmark::State &state)
{
    const QByteArray g = garbage(int(state.range(0)));
    for (auto _ : state) {
        FrameReassembler r;
        r.append(g);
        r.process([](const ReceivedFrame &) {});
        benchmark::DoNotOptimize(r.buffered());
    }
}
BENCHMARK(Resynchronise)->Arg(1 << 20)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

bool report(const RatioReporter &r)
{
    const double throughput = r.ns("Memcpy") / r.ns("Reassembly");
    const double growth = r.ns("Resynchronise/2097152") / r.ns("Resynchronise/1048576");
    bool ok = RatioReporter::printRatio("reassembly throughput / memcpy", throughput, ">= 0.2",
                                        throughput >= 0.2);
    ok &= RatioReporter::printRatio("resynchronisation 2 MiB / 1 MiB", growth, "<= 2.3",
                                    growth <= 2.3);
    return ok;
}

} // namespace

VEXATARN_BENCH_MAIN(report)
