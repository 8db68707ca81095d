#pragma once

#include "SimSession.h"

#include "wire/Clock.h"
#include "wire/FrameReassembler.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace sim {

class SimDevice;

// One control connection: cuts frames out of the stream, lets the session answer them and
// writes the replies, with the link faults the device is asked to show (silence, dropping,
// stray bytes, replies one byte at a time).
class SimConnection : public QObject
{
    Q_OBJECT

public:
    SimConnection(QTcpSocket *socket, SimDevice &device, Clock clock);
    ~SimConnection() override;

    void send(const Outgoing &frame);
    // Closes once everything queued has gone out.
    void closeGracefully();
    // Goes silent or drops the connection when its time has come.
    void checkFaults();
    // Drops the connection at once, as a broken link would.
    void drop();
    bool silent() const;
    const SimSession &session() const { return m_session; }

signals:
    void closed(SimConnection *connection);

private:
    void readFrames();
    void writeRaw(const QByteArray &bytes);
    void trickle();
    void finish();
    qint64 age() const { return m_clock() - m_openedAt; }

    QTcpSocket *m_socket;
    SimDevice &m_device;
    Clock m_clock;
    SimSession m_session;
    FrameReassembler m_frames;
    qint64 m_openedAt;
    qint64 m_lastGarbage;
    QByteArray m_trickle; // bytes still to go out one at a time
    QTimer m_trickleTimer;
    bool m_closing = false;
    bool m_finished = false;
};

} // namespace sim
