#pragma once

#include <QtGlobal>

// The identity of one control message: (type, subType, funcId).
// Types: 1 firmware upgrade, 2 system, 3 audio parameters (subType = module), 4 Dante.
struct MessageId
{
    quint8 type = 0;
    quint8 subType = 0;
    quint8 funcId = 0;

    constexpr bool operator==(const MessageId &o) const
    {
        return type == o.type && subType == o.subType && funcId == o.funcId;
    }
    constexpr bool operator!=(const MessageId &o) const { return !(*this == o); }
};

// The message types, the first number of an identity.
namespace MessageType {
enum : quint8 { Upgrade = 1, System = 2, Audio = 3, Dante = 4 };
}
