// Replies of the USB record and playback group (2/5).
#include "Replies.h"

#include "model/MessageCatalogue.h"

using namespace ReplyTools;

namespace {

// A list entry names its index below the count the device reported; anything else is stale.
bool indexWithin(const uchar *p, quint32 count)
{
    const qint32 index = qFromLittleEndian<qint32>(p);
    return index >= 0 && quint32(index) < count;
}

void playList(ReplyContext &c)
{
    if (c.length < 5 || !indexWithin(c.data, c.mirror.usb.playCount))
        return;
    const int index = qFromLittleEndian<qint32>(c.data);
    c.announce(255, 255, QVariantList {index, utf8Text(c.data + 4, c.length - 4)});
}

void recordList(ReplyContext &c)
{
    if (c.length < 9 || !indexWithin(c.data, c.mirror.usb.recordCount))
        return;
    const uint value = qFromLittleEndian<quint32>(c.data + 4);
    c.announce(255, 255, QVariantList {value, utf8Text(c.data + 8, c.length - 8)});
}

// A new count is announced and the list asked for again.
void count(ReplyContext &c, quint32 &field, MessageId list)
{
    if (c.length != 4 || !store(field, qFromLittleEndian<quint32>(c.data)))
        return;
    c.announce();
    c.out.queries.push_back(list);
}

void text(ReplyContext &c, QString &field)
{
    if (store(field, utf8Text(c.data, c.length)))
        c.announce();
}

} // namespace

void Replies::usb(ReplyContext &c)
{
    UsbState &u = c.mirror.usb;
    switch (c.funcId()) {
    case 1:
        return count(c, u.playCount, Msg::UsbPlayList);
    case 2:
        return playList(c);
    case 3:
        if (c.length == 6) {
            bool changed = store(u.playMode, std::min(c.data[0], Ranges::UsbPlayModeMax));
            changed |= store(u.playState, std::min(c.data[1], Ranges::UsbPlayStateMax));
            changed |= store(u.playPosition, qFromLittleEndian<quint16>(c.data + 2));
            changed |= store(u.playDuration, qFromLittleEndian<quint16>(c.data + 4));
            if (changed)
                c.announce();
        }
        return;
    case 5:
        return text(c, u.playFile);
    case 16:
        return count(c, u.recordCount, Msg::UsbRecordList);
    case 17:
        return recordList(c);
    case 18:
        if (c.length == 5) {
            bool changed = store(u.recordState, std::min(c.data[0], Ranges::UsbRecordStateMax));
            changed |= store(u.recordTime, qFromLittleEndian<quint32>(c.data + 1));
            if (changed)
                c.announce();
        }
        return;
    case 20:
        return text(c, u.recordFile);
    default:
        return;
    }
}
