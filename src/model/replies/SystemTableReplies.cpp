// Replies of the system table (2/2): identity, versions, status reports and settings of the
// device setup dialog.
#include "Replies.h"

#include "model/MessageCatalogue.h"

using namespace ReplyTools;

namespace {

constexpr quint32 Status35Pair = 0xC0; // bits 6 and 7 count only together

quint32 u32At(const uchar *p)
{
    return qFromLittleEndian<quint32>(p);
}

void storeU32(ReplyContext &c, quint32 &field)
{
    if (c.length == 4 && store(field, u32At(c.data)))
        c.announce();
}

void storeByte(ReplyContext &c, quint8 &field)
{
    if (c.length == 1 && store(field, c.data[0]))
        c.announce();
}

void storeBool(ReplyContext &c, quint8 &field)
{
    if (c.length == 1 && store(field, boolByte(c.data[0])))
        c.announce();
}

void storeText(ReplyContext &c, QString &field)
{
    if (store(field, localText(c.data, c.length)))
        c.announce();
}

void storeVersion(ReplyContext &c, DeviceInfo::Version &field)
{
    if (c.length == 3 && store(field, DeviceInfo::Version {c.data[0], c.data[1], c.data[2]}))
        c.announce();
}

// Reports with a refresh flag are announced on their first reply even when unchanged.
void announceWithRefresh(ReplyContext &c, bool changed, bool &refresh)
{
    if (changed || refresh)
        c.announce();
    refresh = false;
}

void faults(ReplyContext &c)
{
    if (c.length != 5)
        return;
    DeviceInfo &d = c.mirror.device;
    bool changed = false;
    for (int rail = 0; rail < 5; ++rail) {
        if (c.data[rail] <= Ranges::FaultStateMax) // larger states are not read
            changed |= store(d.faults[size_t(rail)], c.data[rail]);
    }
    announceWithRefresh(c, changed, c.mirror.refresh.faults);
}

void network(ReplyContext &c)
{
    if (c.length != 12)
        return;
    DeviceInfo &d = c.mirror.device;
    bool changed = store(d.address, u32At(c.data));
    changed |= store(d.netmask, u32At(c.data + 4));
    changed |= store(d.gateway, u32At(c.data + 8));
    if (changed)
        c.announce();
}

void dateTime(ReplyContext &c)
{
    if (c.length != 7)
        return;
    std::array<quint8, 7> value;
    std::copy(c.data, c.data + 7, value.begin());
    if (store(c.mirror.device.dateTime, value))
        c.announce();
}

void macAddress(ReplyContext &c)
{
    if (c.length != 6)
        return;
    QString text;
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            text += QLatin1Char('-');
        text += QStringLiteral("%1").arg(c.data[i], 2, 16, QLatin1Char('0')).toUpper();
    }
    if (store(c.mirror.device.macAddress, text))
        c.announce();
}

void deviceId(ReplyContext &c)
{
    if (c.length != 4)
        return;
    const quint32 id = u32At(c.data);
    if (!store(c.mirror.device.deviceId, id))
        return;
    c.announce();
    c.out.reportedDeviceId = id; // the registry follows the device's identity
}

} // namespace

void Replies::systemTable(ReplyContext &c)
{
    DeviceInfo &d = c.mirror.device;
    switch (c.funcId()) {
    case 1:
        return storeText(c, d.modelName);
    case 2:
        return storeVersion(c, d.armVersion);
    case 3:
        return storeVersion(c, d.dspVersion);
    case 4:
        return storeText(c, d.serialNumber);
    case 5:
        if (c.length == 2) {
            bool changed = store(d.inputCount, c.data[0]);
            changed |= store(d.outputCount, c.data[1]);
            if (changed)
                c.announce();
        }
        return;
    case 6:
        return storeU32(c, d.runTime);
    case 7:
        return storeU32(c, d.totalTime);
    case 8:
        return storeU32(c, d.bootCount);
    case 9:
        if (c.length == 4 && storeBits(d.temperature, f32At(c.data)))
            c.announce();
        return;
    case 10:
        return storeText(c, d.location);
    case 11:
        return storeText(c, d.description);
    case 12:
        return dateTime(c);
    case 13:
        return network(c);
    case 14:
        if (c.length == 1)
            announceWithRefresh(c, store(d.faultFlags, c.data[0]), c.mirror.refresh.faultFlags);
        return;
    case 15:
        // The login password was changed: neither stored password is valid any more.
        c.out.passwordsCleared = true;
        return;
    case 16:
        return storeBool(c, d.systemMute);
    case 17:
        return storeU32(c, d.rs232Baud);
    case 18:
        return storeU32(c, d.rs485Baud);
    case 19:
        if (c.length == 8) {
            bool changed = storeBits(d.dspUsage[0], f32At(c.data));
            changed |= storeBits(d.dspUsage[1], f32At(c.data + 4));
            if (changed)
                c.announce();
        }
        return;
    case 20:
        return faults(c);
    case 22:
        return storeU32(c, d.chipFailures);
    case 23:
        return storeBool(c, d.gateReport);
    case 24:
        return storeU32(c, d.armBuild);
    case 29:
        return deviceId(c);
    case 32:
        return storeByte(c, d.usbDisk);
    case 33:
        if (c.length == 2) {
            bool changed = store(d.danteSupported, c.data[0]);
            changed |= store(d.danteConnected, c.data[1]);
            announceWithRefresh(c, changed, c.mirror.refresh.danteState);
        }
        return;
    case 34:
        return storeByte(c, d.danteRestart);
    case 35:
        if (c.length == 4) {
            quint32 v = u32At(c.data);
            if ((v & Status35Pair) != Status35Pair)
                v &= ~Status35Pair;
            announceWithRefresh(c, store(d.status35, v), c.mirror.refresh.status35);
        }
        return;
    case 37:
        return storeByte(c, d.fanTest);
    case 39:
        return macAddress(c);
    case 40:
        // Longer replies carry more; the first byte holds the two options.
        if (c.length >= 1 && store(d.usbAutoPlay, c.data[0] & 0x03))
            c.announce();
        return;
    case 41:
        if (c.length == 1)
            c.announce(255, c.data[0]); // the result of a password change, every time
        return;
    default:
        return;
    }
}

void Replies::login(ReplyContext &c)
{
    if ((c.id == Msg::Login || c.id == Msg::LoginUser) && c.length == 1)
        c.out.loginStatus = c.data[0];
}
