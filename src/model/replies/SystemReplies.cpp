// Replies of the other system groups: labels, state 4, GPIO ports and data sync.
#include "Replies.h"

#include "model/MessageCatalogue.h"

using namespace ReplyTools;

namespace {

constexpr int LabelWidth = 16;
constexpr int ShortLabelWidth = 10;

// 16 labels of width bytes, 17 when the payload holds 18; a label ends at its first zero byte.
template<typename Field> void labelList(ReplyContext &c, int width, Field field)
{
    const int n = entryCount(c.length, width, Entries::Sixteen17);
    for (int ch = 0; ch < n; ++ch) {
        if (store(field(c.mirror, ch), localText(c.data + width * ch, width)))
            c.announce(quint8(ch));
    }
}

} // namespace

void Replies::labels(ReplyContext &c)
{
    switch (c.funcId()) {
    case 1:
        return labelList(c, LabelWidth, input(&InputChannel::label));
    case 2:
        return labelList(c, LabelWidth, output(&OutputChannel::label));
    case 3:
        return labelList(c, ShortLabelWidth, input(&InputChannel::shortLabel));
    default:
        return;
    }
}

void Replies::state4(ReplyContext &c)
{
    if (c.id != Msg::SysState4 || c.length != 6)
        return;
    DeviceInfo &d = c.mirror.device;
    bool changed = store(d.state4, qFromLittleEndian<quint32>(c.data));
    changed |= store(d.state4Extra, qFromLittleEndian<quint16>(c.data + 4));
    if (changed)
        c.announce();
}

void Replies::gpio(ReplyContext &c)
{
    if (c.id != Msg::GpioPort || c.length != 1 + GpioPort::RecordSize)
        return;
    const int port = c.data[0];
    if (port >= GpioPort::PortCount)
        return;
    ::GpioPort record;
    record.kind = std::min(c.data[1], Ranges::GpioKindMax);
    std::copy(c.data + 2, c.data + 2 + GpioPort::SettingsSize, record.settings.begin());
    if (store(c.mirror.gpio[size_t(port)], record))
        c.announce(quint8(port));
}

void Replies::dataSync(ReplyContext &c)
{
    DeviceInfo &d = c.mirror.device;
    if (c.id == Msg::SyncConfig && c.length == 5) {
        bool changed = store(d.syncMode, std::min(c.data[0], Ranges::SyncModeMax));
        changed |= store(d.syncHost, qFromLittleEndian<quint32>(c.data + 1));
        if (changed)
            c.announce();
    } else if (c.id == Msg::SyncStatus && c.length == 1) {
        if (c.data[0] <= Ranges::SyncStatusMax && store(d.syncStatus, c.data[0]))
            c.announce();
    }
}
