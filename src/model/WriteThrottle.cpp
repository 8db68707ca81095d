#include "WriteThrottle.h"

void WriteThrottle::queue(MessageId id, quint8 channel, quint8 index, const QByteArray &payload,
                          qint64 now)
{
    recordWrite(id, now);
    for (PendingWrite &item : m_pending) {
        if (item.id == id && item.channel == channel && item.index == index) {
            item.payload = payload;
            return;
        }
    }
    m_pending.push_back(PendingWrite {now, id, channel, index, payload});
}
