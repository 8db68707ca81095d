// Replies of the preset module: the slot table, the load progress and the block transfers.
#include "Replies.h"

using namespace ReplyTools;

namespace {

constexpr int PresetListSize = 1 + PresetTable::SlotCount * 17; // 545
constexpr int NameWidth = 16;

void presetList(ReplyContext &c)
{
    if (c.length != PresetListSize)
        return;
    PresetTable &t = c.mirror.presets;
    bool changed = store(t.current, c.data[0]);
    for (int i = 0; i < PresetTable::SlotCount; ++i) {
        const uchar *slot = c.data + 1 + 17 * i;
        changed |= store(t.used[size_t(i)], boolByte(slot[0]));
        changed |= store(t.names[size_t(i)], localText(slot + 1, NameWidth));
    }
    if (changed)
        c.announce();
}

} // namespace

void Replies::presets(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return presetList(c);
    case 9:
        // Load progress: every report moves the progress view, repeated values included.
        if (c.length == 1) {
            c.mirror.presets.loadProgress = c.data[0];
            c.announce(c.data[0]);
        }
        return;
    case 16: // export of all slots, export of one slot
    case 18:
        if (c.length > 2)
            c.announce(255, 255, QByteArray(reinterpret_cast<const char *>(c.data), c.length));
        return;
    case 17: // import of all slots, import of one slot
    case 19:
        if (c.length > 3)
            c.announce(255, 255, QByteArray(reinterpret_cast<const char *>(c.data), c.length));
        return;
    default:
        return;
    }
}
