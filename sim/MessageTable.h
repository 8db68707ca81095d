#pragma once

#include "MessageRow.h"

#include "wire/MessageId.h"

#include <QByteArray>
#include <QVector>

#include <map>

namespace sim {

class SimStore;

// The catalogue: message identity to row.
class MessageTable
{
public:
    MessageTable(); // every message the processor knows

    void add(MessageRow row);
    const MessageRow *find(MessageId id) const;
    // Every message that answers a query.
    QVector<MessageId> queries() const;

    // The replies to a query with the given payload: nothing when the payload does not fit the
    // row's selectors or a selector is out of range; one reply per selector value when a query
    // leaves all its selectors out.
    QVector<QByteArray> answerQuery(const MessageRow &row, const SimStore &store,
                                    const QByteArray &payload) const;
    // The echo of an applied set whose payload starts with the row's selectors.
    QVector<QByteArray> answerSet(const MessageRow &row, const SimStore &store,
                                  const QByteArray &payload) const;

private:
    static quint32 key(MessageId id) { return (id.type << 16) | (id.subType << 8) | id.funcId; }

    std::map<quint32, MessageRow> m_rows;
};

void addSystemRows(MessageTable &table);
void addAudioRows(MessageTable &table);
void addDanteRows(MessageTable &table);

} // namespace sim
