#include "MessageTable.h"

namespace sim {

MessageTable::MessageTable()
{
    addSystemRows(*this);
    addAudioRows(*this);
    addDanteRows(*this);
}

void MessageTable::add(MessageRow row)
{
    m_rows[key(row.id)] = std::move(row);
}

const MessageRow *MessageTable::find(MessageId id) const
{
    const auto it = m_rows.find(key(id));
    return it == m_rows.end() ? nullptr : &it->second;
}

QVector<MessageId> MessageTable::queries() const
{
    QVector<MessageId> ids;
    for (const auto &entry : m_rows)
        if (entry.second.answers())
            ids.append(entry.second.id);
    return ids;
}

QVector<QByteArray> MessageTable::answerQuery(const MessageRow &row, const SimStore &store,
                                              const QByteArray &payload) const
{
    if (row.list)
        return payload.isEmpty() ? row.list(store) : QVector<QByteArray>();
    if (!row.reply)
        return {};
    if (payload.isEmpty() && row.selectors > 0) {
        QVector<QByteArray> all;
        const int second = row.selectors > 1 ? row.limits[1] : 1;
        for (int a = 0; a < row.limits[0]; ++a)
            for (int b = 0; b < second; ++b)
                all.append(row.reply(store, {quint8(a), quint8(b)}));
        return all;
    }
    if (payload.size() != row.selectors)
        return {};
    return answerSet(row, store, payload);
}

QVector<QByteArray> MessageTable::answerSet(const MessageRow &row, const SimStore &store,
                                            const QByteArray &payload) const
{
    const MessageRow *source = &row;
    if (!row.answers() && row.echo != MessageId {})
        source = find(row.echo);
    if (!source || !source->answers())
        return {};
    if (source->list)
        return source->list(store);
    Selector selector {};
    if (payload.size() < source->selectors)
        return {};
    for (int i = 0; i < source->selectors; ++i) {
        selector[i] = quint8(payload[i]);
        if (selector[i] >= source->limits[i])
            return {};
    }
    return {source->reply(store, selector)};
}

} // namespace sim
