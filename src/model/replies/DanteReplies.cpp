// Replies of the Dante module (type 4) and of the firmware upgrade (type 1).
#include "Replies.h"

using namespace ReplyTools;

namespace {

constexpr int BlockReplySize = 1 + DanteState::BlockSize;

} // namespace

void Replies::dante(ReplyContext &c)
{
    DanteState &d = c.mirror.dante;
    switch (c.funcId()) {
    case 1: {
        if (c.length < DanteState::MinimumInfoSize)
            return;
        const int size = std::min(c.length, int(DanteState::InfoSize)); // longer replies are cut
        if (store(d.info, QByteArray(reinterpret_cast<const char *>(c.data), size)))
            c.announce();
        return;
    }
    case 3: {
        if (c.length != 2)
            return;
        bool changed = store(d.clockSource, c.data[0]);
        if (c.data[1] <= Ranges::DanteClockStateMax) // unknown states leave the field as it is
            changed |= store(d.clockState, c.data[1]);
        if (changed)
            c.announce();
        return;
    }
    case 4: {
        if (c.length < BlockReplySize)
            return;
        const int index = c.data[0];
        if (index >= DanteState::BlockCount)
            return;
        const QByteArray block(reinterpret_cast<const char *>(c.data + 1), DanteState::BlockSize);
        if (store(d.blocks[size_t(index)], block))
            c.announce(quint8(index));
        return;
    }
    default:
        return;
    }
}

void Replies::upgrade(ReplyContext &c)
{
    // The upgrade exchange is driven by every reply, so each one is announced.
    if (c.id.subType == 1 && c.funcId() == 1) {
        if (c.length == 4)
            c.announce(255, 255, QByteArray(reinterpret_cast<const char *>(c.data), 4));
    } else if (c.id.subType == 1 && c.funcId() == 2) {
        if (c.length == 1)
            c.announce(255, c.data[0]);
    } else if (c.id.subType == 2 && c.funcId() == 1) {
        if (c.length == 2)
            c.announce(255, 255, int(qFromLittleEndian<quint16>(c.data)) + 1);
    }
}
