#pragma once

#include "wire/MessageId.h"

#include <QtGlobal>

// One read request of the status poll: a message identity and its 0, 1 or 2 selector bytes
// (channel; channel and band; output; bank).
struct StatusQuery
{
    MessageId id;
    quint8 selector[2] {0, 0};
    quint8 selectorSize = 0;

    static constexpr StatusQuery plain(MessageId id) { return StatusQuery {id, {0, 0}, 0}; }
    static constexpr StatusQuery select(MessageId id, quint8 a)
    {
        return StatusQuery {id, {a, 0}, 1};
    }
    static constexpr StatusQuery select(MessageId id, quint8 a, quint8 b)
    {
        return StatusQuery {id, {a, b}, 2};
    }

    bool operator==(const StatusQuery &o) const
    {
        return id == o.id && selectorSize == o.selectorSize
                && (selectorSize < 1 || selector[0] == o.selector[0])
                && (selectorSize < 2 || selector[1] == o.selector[1]);
    }
};
