// Arbitrary, arbitrarily chunked byte streams through the receive path: the reassembler and the
// reply handlers behind DataModel's dispatch. No crash, no sanitizer report, the buffer never
// holds more than one longest claimable frame plus the chunk just appended, and the mirror never
// leaves its ranges.
//
// So that every handler also sees arbitrary payloads of every length (not only those that happen
// to form frames), the input is handed once more as the payload of one reply whose identity the
// second to fourth bytes choose. fuzz_receive.dict holds the catalogue's identities.
#include "wire/FrameReassembler.h"
#include "model/DataModel.h"
#include "model/ReplyHandler.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char arg0[] = "fuzz_receive";
    static char *argv[] = {arg0, nullptr};
    static QCoreApplication app(argc, argv);
    // The registry in memory and an ephemeral discovery port: the fuzzer writes no devices.db
    // and hears no announcements.
    static DataModel model(
            [] {
                LinkSettings settings;
                settings.broadcastPort = 0;
                return settings;
            }(),
            [] {
                LinkEnvironment environment =
                        LinkEnvironment::withClock([] { return qint64(1'700'000'000'000); });
                environment.registryFile = QStringLiteral(":memory:");
                return environment;
            }());
    static ParameterMirror mirror;

    if (size < 1)
        return 0;
    // The first byte picks the chunk size, so the same stream is tried in many splits.
    const int chunk = 1 + data[0] % 97;
    const char *p = reinterpret_cast<const char *>(data + 1);
    const int total = int(size - 1);

    FrameReassembler reassembler;
    for (int pos = 0; pos < total; pos += chunk) {
        const int n = std::min(chunk, total - pos);
        reassembler.append(p + pos, n);
        reassembler.process([](const ReceivedFrame &f) {
            if (f.length < 0 || f.length > 0xFFFF)
                std::abort();
        });
        if (reassembler.buffered() > Frame::LongestClaimedFrame + n)
            std::abort();
        model.receiveBytes(p + pos, n);
    }
    if (!model.mirror().isWithinRanges())
        std::abort();

    if (size >= 4) {
        ReceivedFrame frame;
        frame.id = MessageId {quint8(1 + data[1] % 4), data[2], data[3]};
        frame.flag = Frame::Reply;
        // An exact-size copy, so that the sanitizers see any read past the payload.
        const QByteArray payload(reinterpret_cast<const char *>(data + 4), int(size - 4));
        frame.payload = payload.constData();
        frame.length = payload.size();
        ReplyOutcome out;
        ReplyHandler::handle(mirror, frame, LastWrite {}, out);
        if (!mirror.isWithinRanges())
            std::abort();
    }
    return 0;
}
