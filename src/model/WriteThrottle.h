#pragma once

#include "wire/MessageId.h"

#include <QByteArray>

#include <vector>

// The most recent write request the application made. Reply handlers compare replies with it so
// that the device's echo of a write the user is still making does not move the control.
struct LastWrite
{
    MessageId id;
    qint64 time = 0;

    bool isClear() const { return id == MessageId {} && time == 0; }
    bool matches(quint8 type, quint8 subType) const
    {
        return id.type == type && id.subType == subType;
    }
    bool matches(MessageId other) const { return id == other; }
};

// A throttled write waiting to be sent: continuous controls (knobs, faders, bands) coalesce
// their movements per key and send the latest value about every 180 ms.
struct PendingWrite
{
    qint64 queuedAt = 0;
    MessageId id;
    quint8 channel = 255;
    quint8 index = 255;
    QByteArray payload;
};

// Pure bookkeeping of the write path: the write-echo record and the pending throttled writes.
// Time is passed in; nothing here sends.
class WriteThrottle
{
public:
    static constexpr qint64 SendAfterMs = 179; // sent once queuedAt + 179 is earlier than now
    static constexpr qint64 EchoWindowMs = 1499; // lastWrite cleared once time + 1499 < now

    void recordWrite(MessageId id, qint64 now) { m_lastWrite = LastWrite {id, now}; }

    // Records the write and coalesces with a pending item of the same five keys (only its payload
    // is replaced; it keeps its place and queuedAt).
    void queue(MessageId id, quint8 channel, quint8 index, const QByteArray &payload, qint64 now);

    // Removes the items that are due, walking from the last item to the first, and hands each to
    // send in that order.
    template<typename Send> void takeDue(qint64 now, Send &&send)
    {
        for (int i = int(m_pending.size()) - 1; i >= 0; --i) {
            if (m_pending[size_t(i)].queuedAt + SendAfterMs < now) {
                PendingWrite item = std::move(m_pending[size_t(i)]);
                m_pending.erase(m_pending.begin() + i);
                send(item);
            }
        }
    }

    void expire(qint64 now)
    {
        if (!m_lastWrite.isClear() && m_lastWrite.time + EchoWindowMs < now)
            m_lastWrite = LastWrite {};
    }

    void clearPending() { m_pending.clear(); }
    const LastWrite &lastWrite() const { return m_lastWrite; }
    const std::vector<PendingWrite> &pending() const { return m_pending; }

private:
    LastWrite m_lastWrite;
    std::vector<PendingWrite> m_pending;
};
