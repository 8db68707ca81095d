#pragma once

#include "wire/MessageId.h"

#include <QByteArray>
#include <QVector>

#include <array>
#include <functional>

namespace sim {

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

} // namespace sim
