#pragma once

#include "Frame.h"

#include <QByteArray>

#include <QtEndian>

// Cuts control frames out of the byte stream of the control connection.
//
// Garbage before a header, and a header claiming more than the longest payload, is skipped one
// byte at a time (one header debug line per byte); a frame whose tail is wrong is discarded
// whole (tail debug line). Skipping and removal move a
// read offset instead of shifting the buffer, so a long run of garbage costs linear time.
//
// Data appended while a frame is being delivered (a handler that spins an event loop) is kept
// aside and joined after the delivery, so the frame being delivered is never moved.
class FrameReassembler
{
public:
    void append(const char *data, int size);
    void append(const QByteArray &bytes) { append(bytes.constData(), bytes.size()); }

    // Delivers every complete frame in stream order to sink(const ReceivedFrame &).
    // Returns the number delivered.
    template<typename Sink> int process(Sink &&sink);

    void clear();
    // Bytes waiting for the rest of a frame (or for examination).
    int buffered() const { return m_buffer.size() - m_start + m_aside.size(); }

private:
    void compact();
    static void logHeaderError(int available);
    static void logTailError(int available, int frameSize);

    QByteArray m_buffer;
    int m_start = 0;
    QByteArray m_aside;
    bool m_delivering = false;
};

template<typename Sink> int FrameReassembler::process(Sink &&sink)
{
    if (m_delivering) // a nested call: the outer loop picks the new data up
        return 0;
    int delivered = 0;
    for (;;) {
        const int available = m_buffer.size() - m_start;
        // A frame needs at least 11 bytes before it is examined.
        if (available <= Frame::HeaderSize) {
            if (m_aside.isEmpty())
                break;
            compact();
            continue;
        }
        const auto *p = reinterpret_cast<const uchar *>(m_buffer.constData() + m_start);
        if (p[0] != Frame::HeaderByte0 || p[1] != Frame::HeaderByte1) {
            logHeaderError(available);
            ++m_start;
            continue;
        }
        const int length = qFromLittleEndian<quint16>(p + 8);
        if (length > Frame::MaxPayload) {
            // No frame can be that long: waiting for it would leave the link deaf for as many
            // bytes as the header claims. A bad header, resynchronised like any other.
            logHeaderError(available);
            ++m_start;
            continue;
        }
        const int frameSize = length + Frame::Overhead;
        if (available < frameSize) {
            if (m_aside.isEmpty())
                break;
            compact();
            continue;
        }
        if (p[Frame::HeaderSize + length] != Frame::TailByte0
            || p[Frame::HeaderSize + length + 1] != Frame::TailByte1) {
            logTailError(available, frameSize);
            m_start += frameSize;
            continue;
        }
        ReceivedFrame frame;
        frame.id = MessageId {p[4], p[5], p[6]};
        frame.flag = p[7];
        frame.payload = reinterpret_cast<const char *>(p + Frame::HeaderSize);
        frame.length = length;
        m_delivering = true;
        sink(frame);
        m_delivering = false;
        m_start += frameSize;
        ++delivered;
    }
    compact();
    return delivered;
}
