#include "wire/Frame.h"
#include "wire/FrameReassembler.h"
#include "model/WriteThrottle.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

struct Seen
{
    MessageId id;
    quint8 flag;
    QByteArray payload;
    bool operator==(const Seen &o) const
    {
        return id == o.id && flag == o.flag && payload == o.payload;
    }
};

QList<Seen> feed(FrameReassembler &r, const QByteArray &bytes)
{
    QList<Seen> out;
    r.append(bytes);
    r.process([&](const ReceivedFrame &f) { out.append({f.id, f.flag, f.payloadBytes()}); });
    return out;
}

QByteArray randomBytes(QRandomGenerator &rng, int size)
{
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = char(rng.bounded(256));
    return bytes;
}

} // namespace

class FrameTest : public QObject
{
    Q_OBJECT

private slots:
    void encodesTheWireLayout()
    {
        QCOMPARE(Frame::build({3, 1, 1}, Frame::ReadRequest).toHex(' '),
                 QByteArray::fromHex("827d0100030101000000 7d82").toHex(' '));
        QCOMPARE(Frame::build({3, 4, 3}, Frame::WriteRequest, QByteArray::fromHex("0102"))
                         .toHex(' '),
                 QByteArray::fromHex("827d01000304030102000102 7d82").toHex(' '));
        QCOMPARE(Frame::build({2, 1, 1}, Frame::Reply, QByteArray(1, '\1'), 0x0201).toHex(' '),
                 QByteArray::fromHex("827d0102020101800100 01 7d82").toHex(' '));
    }

    // Over the limit is refused, never cut short.
    void refusesPayloadsOverTheLimit()
    {
        char buffer[Frame::MaxFrameSize + 16];
        const QByteArray payload(Frame::MaxPayload + 1, 'x');
        QCOMPARE(Frame::encode(buffer, 1, {3, 1, 1}, 1, payload.constData(), payload.size()), -1);
        QVERIFY(Frame::build({3, 1, 1}, 1, payload).isEmpty());
        QCOMPARE(Frame::encode(buffer, 1, {3, 1, 1}, 1, payload.constData(), Frame::MaxPayload),
                 Frame::MaxFrameSize);
    }

    void waitsForWholeFramesAndResynchronises()
    {
        FrameReassembler r;
        const QByteArray frame = Frame::build({3, 1, 1}, Frame::Reply);
        QVERIFY(feed(r, frame.left(11)).isEmpty()); // examined but incomplete
        QCOMPARE(r.buffered(), 11);
        QCOMPARE(feed(r, frame.mid(11)).size(), 1);
        QCOMPARE(r.buffered(), 0);
        QCOMPARE(feed(r, frame + Frame::build({3, 1, 2}, Frame::Reply, "ab")).size(), 2);

        const QByteArray good = Frame::build({2, 2, 5}, Frame::Reply, "xy");
        QList<Seen> seen = feed(r, QByteArray("\x01\x02\x03", 3) + good); // stray bytes
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].payload, QByteArray("xy"));
        // A bad tail with length 0 discards exactly 12 bytes; the next frame survives.
        QByteArray bad = frame;
        bad[10] = 0;
        seen = feed(r, bad + good);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].id, (MessageId {2, 2, 5}));

        // A header claiming more than the longest payload is a bad header: the frame after it
        // arrives at once instead of after 64 KiB of waiting.
        QByteArray impossible = Frame::build({3, 1, 1}, Frame::Reply);
        impossible[8] = char(0xFF);
        impossible[9] = char(0xFF);
        seen = feed(r, impossible + good);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].id, (MessageId {2, 2, 5}));
        QCOMPARE(r.buffered(), 0);
    }

    // Any split of a stream delivers exactly what one whole read delivers.
    void anySplitDeliversTheSameFrames()
    {
        QRandomGenerator rng(20261206);
        for (int round = 0; round < 200; ++round) {
            QByteArray stream;
            for (int i = 0; i < 12; ++i) {
                const int kind = rng.bounded(4);
                if (kind == 0) {
                    stream += randomBytes(rng, rng.bounded(1, 20));
                } else if (kind == 1) { // bad tail
                    QByteArray f =
                            Frame::build({3, 2, 1}, Frame::Reply, QByteArray(rng.bounded(8), 'b'));
                    f[f.size() - 1] = 0x11;
                    stream += f;
                } else {
                    stream += Frame::build({quint8(rng.bounded(1, 5)), 2, 3}, Frame::Reply,
                                           randomBytes(rng, rng.bounded(0, 64)));
                }
            }
            FrameReassembler whole;
            const QList<Seen> expected = feed(whole, stream);
            FrameReassembler split;
            QList<Seen> got;
            for (int pos = 0, n = 0; pos < stream.size(); pos += n)
                got += feed(split, stream.mid(pos, n = rng.bounded(1, 30)));
            QCOMPARE(got.size(), expected.size());
            QVERIFY(got == expected);
            QCOMPARE(split.buffered(), whole.buffered());
        }
    }

    // A handler that receives more data while a frame is being delivered (nested event loop)
    // neither corrupts the frame in hand nor loses the new data.
    void dataArrivingDuringDeliveryIsKept()
    {
        FrameReassembler r;
        QList<QByteArray> payloads;
        r.append(Frame::build({3, 1, 1}, Frame::Reply, "first"));
        r.process([&](const ReceivedFrame &f) {
            if (payloads.isEmpty()) {
                r.append(Frame::build({3, 1, 2}, Frame::Reply, "second"));
                QCOMPARE(r.process([](const ReceivedFrame &) {}), 0);
            }
            payloads.append(f.payloadBytes());
        });
        QCOMPARE(payloads, (QList<QByteArray> {"first", "second"}));
    }

    void throttleCoalescesPerKeyAndSendsLastFirst()
    {
        WriteThrottle t;
        const qint64 t0 = 1000;
        t.queue({3, 4, 3}, 0, 1, "a", t0);
        t.queue({3, 4, 3}, 0, 2, "b", t0 + 10); // other band: own item
        t.queue({3, 4, 3}, 0, 1, "c", t0 + 90); // same five keys: payload replaced
        t.queue({3, 4, 3}, 1, 1, "d", t0 + 100);
        QCOMPARE(int(t.pending().size()), 3);
        QCOMPARE(t.pending()[0].payload, QByteArray("c"));
        QCOMPARE(t.pending()[0].queuedAt, t0);
        QCOMPARE(t.lastWrite().time, t0 + 100);

        QList<QByteArray> sent;
        auto send = [&](const PendingWrite &w) { sent.append(w.payload); };
        t.takeDue(t0 + 179, send); // not earlier than now yet
        QVERIFY(sent.isEmpty());
        t.takeDue(t0 + 190, send); // items queued at t0 and t0 + 10, walked last to first
        QCOMPARE(sent, (QList<QByteArray> {"b", "c"}));
        t.takeDue(t0 + 280, send);
        QCOMPARE(sent.last(), QByteArray("d"));
        QVERIFY(t.pending().empty());

        // The echo record lives for 1.5 s.
        t.recordWrite({3, 9, 1}, 5000);
        t.expire(5000 + 1499);
        QVERIFY(t.lastWrite().matches(3, 9));
        t.expire(5000 + 1500);
        QVERIFY(t.lastWrite().isClear());
    }
};

QTEST_GUILESS_MAIN(FrameTest)
#include "FrameTest.moc"
