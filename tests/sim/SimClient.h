#pragma once

#include "SimDevice.h"

#include "wire/ByteWriter.h"
#include "wire/Frame.h"
#include "wire/FrameReassembler.h"
#include "support/FakeClock.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

Q_DECLARE_METATYPE(MessageId)

using sim::builtInPassword;
using sim::SimOptions;

// A raw control client for the simulator tests: frames built with the codec and cut with the
// reassembler, never with the application's model. Waits are bounded waits for socket data.
class SimClient
{
public:
    struct Reply
    {
        MessageId id;
        quint8 flag = 0;
        QByteArray payload;
    };

    SimClient()
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            const QByteArray data = socket.readAll();
            raw += data;
            ++chunks;
            frames.append(data);
            frames.process([this](const ReceivedFrame &f) {
                received.append({f.id, f.flag, f.payloadBytes()});
            });
        });
    }

    // Connects and takes the greeting (a "not logged in" login reply).
    bool open(quint16 port, const QHostAddress &address = QHostAddress::LocalHost,
              bool expectGreeting = true)
    {
        socket.connectToHost(address, port);
        QSignalSpy connected(&socket, &QTcpSocket::connected);
        if (socket.state() != QAbstractSocket::ConnectedState && !connected.wait(5000))
            return false;
        if (!expectGreeting)
            return true;
        const QList<Reply> greeting = take(1);
        return greeting.size() == 1 && greeting[0].id == MessageId {2, 1, 1}
        && greeting[0].payload == QByteArray(1, '\0');
    }

    void send(MessageId id, quint8 flag, const QByteArray &payload = {})
    {
        socket.write(Frame::build(id, flag, payload));
        socket.flush();
    }

    // Waits until at least `count` frames have arrived (or the time is up) and hands them out.
    QList<Reply> take(int count, int timeoutMs = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (received.size() < count && timer.elapsed() < timeoutMs) {
            QSignalSpy spy(&socket, &QTcpSocket::readyRead);
            spy.wait(int(qMax<qint64>(timeoutMs - timer.elapsed(), 1)));
        }
        const QList<Reply> out = received.mid(0, count);
        received = received.mid(count);
        return out;
    }

    // The replies to one query. A marker query follows it, so that a query the processor does
    // not answer shows as an empty list without waiting for silence.
    QList<Reply> query(MessageId id, const QByteArray &payload = {})
    {
        return exchange(id, Frame::ReadRequest, payload);
    }
    QList<Reply> set(MessageId id, const QByteArray &payload)
    {
        return exchange(id, Frame::WriteRequest, payload);
    }
    QList<Reply> exchange(MessageId id, quint8 flag, const QByteArray &payload)
    {
        const MessageId marker = id == Marker ? OtherMarker : Marker;
        send(id, flag, payload);
        send(marker, Frame::ReadRequest);
        QList<Reply> replies;
        for (;;) {
            const QList<Reply> one = take(1);
            if (one.isEmpty() || one[0].id == marker)
                return replies;
            replies += one;
        }
    }
    // The single reply payload of a query, or a null array.
    QByteArray ask(MessageId id, const QByteArray &payload = {})
    {
        const QList<Reply> replies = query(id, payload);
        return replies.size() == 1 ? replies[0].payload : QByteArray();
    }

    quint8 login(const QByteArray &password = builtInPassword(), quint8 funcId = 1)
    {
        const QList<Reply> r = set({2, 1, funcId}, password);
        return r.size() == 1 && r[0].payload.size() == 1 ? quint8(r[0].payload[0]) : 0xEE;
    }

    static constexpr MessageId Marker {2, 2, 29};
    static constexpr MessageId OtherMarker {2, 2, 24};

    QTcpSocket socket;
    FrameReassembler frames;
    QList<Reply> received;
    QByteArray raw;
    int chunks = 0;
};

inline QByteArray f32(float v)
{
    return ByteWriter().f32(v);
}

inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The processor and the client of a simulator test case.
class SimTestCase : public QObject
{
protected:
    FakeClock m_clock;
    std::unique_ptr<sim::SimDevice> m_device;
    std::unique_ptr<SimClient> m_client;

    // Starts a processor on 127.0.0.1 (free ports); returns its control port, 0 on failure.
    quint16 start(const SimOptions &options)
    {
        stop();
        m_device = std::make_unique<sim::SimDevice>(options, m_clock.clock());
        return m_device->start(QHostAddress::LocalHost, 0);
    }
    // Starts a processor and connects m_client, logged in when asked.
    bool open(const SimOptions &options, bool logIn = true)
    {
        const quint16 port = start(options);
        m_client = std::make_unique<SimClient>();
        return port != 0 && m_client->open(port) && (!logIn || m_client->login() == 1);
    }
    void stop()
    {
        m_client.reset();
        m_device.reset();
    }
};

// Options for an in-process processor: free ports, no announcement traffic worth speaking of,
// quick pace.
inline SimOptions testOptions(const QString &config = QStringLiteral("16x16"))
{
    SimOptions o;
    o.controlPort = 0;
    o.commandPort = 0;
    o.broadcastPort = 9;
    o.identity.config = config;
    o.timing.announceMs = 3600000;
    o.timing.rebootMs = 50;
    o.timing.loadStepMs = 5;
    o.timing.tickMs = 3600000;
    return o;
}
