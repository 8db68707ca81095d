#pragma once

#include "link/MessageId.h"

#include <QByteArray>
#include <QVector>

#include <array>
#include <functional>
#include <map>

class SimStore;

using Selector = std::array<quint8, 2>;

// One message of the catalogue as the processor serves it: how a query is answered and how a
// set is applied. Queries and sets of a message with selectors (channel, band, output, bank,
// port) carry them as their leading bytes; a selector at or beyond its limit gets no reply.
struct MessageRow
{
    MessageId id;
    int selectors = 0;
    Selector limits {};
    // The reply to a query (and the echo of a set); empty function: the message is set only.
    std::function<QByteArray(const SimStore &, Selector)> reply;
    // For list messages: one reply per entry.
    std::function<QVector<QByteArray>(const SimStore &)> list;
    // Applies a set; false when the payload is refused (wrong length, selector or value).
    std::function<bool(SimStore &, const QByteArray &)> set;
    // A set-only message answers with the reply of this message, when given.
    MessageId echo {};

    bool answers() const { return bool(reply) || bool(list); }
};

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
