// The Dante module messages (type 4). Only processors whose configuration carries a Dante
// module answer them; the session checks that.
#include "RowKit.h"

namespace sim {

namespace {

using namespace Rows;

constexpr int DanteRebootSeconds = 8;

MessageId danteInfo()
{
    return {4, 1, 1};
}

} // namespace

void addDanteRows(MessageTable &t)
{
    t.add(readOnly(danteInfo(), [](const SimStore &s) { return s.dante.info(); }));
    t.add(readOnly({4, 1, 3}, [](const SimStore &s) {
        // While the module starts up its clock reports "Startup".
        const quint8 state = s.dante.connected() ? s.dante.clockState : 1;
        return QByteArray(ByteWriter().u8(s.dante.clockSource).u8(state));
    }));
    MessageRow blocks;
    blocks.id = {4, 1, 4};
    blocks.selectors = 1;
    blocks.limits = {4, 0};
    blocks.reply = [](const SimStore &s, Selector sel) {
        const auto &b = s.dante.subscriptions[sel[0]];
        return QByteArray(1, char(sel[0]))
                + QByteArray(reinterpret_cast<const char *>(b.data()), 64);
    };
    t.add(blocks);

    t.add(command(
            {4, 1, 17},
            [](SimStore &s, const QByteArray &p) {
                if (p.isEmpty() || p.size() > 31 || p.contains('\0'))
                    return false;
                s.dante.deviceName = p;
                return true;
            },
            danteInfo()));
    t.add(command(
            {4, 1, 18},
            [](SimStore &s, const QByteArray &p) {
                ByteReader in(p);
                const quint32 latency = in.u32();
                if (!in.ok() || !in.atEnd()
                    || (latency != 1000 && latency != 2000 && latency != 5000))
                    return false;
                s.dante.latency = latency;
                return true;
            },
            danteInfo()));
    t.add(command(
            {4, 1, 19},
            [](SimStore &s, const QByteArray &p) {
                if (p.size() != 17 || (p[0] != 2 && p[0] != 4))
                    return false;
                SimDante &d = s.dante;
                d.ipMode = quint8(p[0]);
                SimDante::Address *fields[] = {&d.address, &d.netmask, &d.dns, &d.gateway};
                for (int f = 0; f < 4; ++f)
                    for (int i = 0; i < 4; ++i)
                        (*fields[f])[i] = quint8(p[1 + 4 * f + i]);
                return true;
            },
            danteInfo()));
    t.add(command({4, 1, 20}, [](SimStore &s, const QByteArray &p) {
        if (!p.isEmpty())
            return false;
        s.dante.reboot(DanteRebootSeconds);
        return true;
    }));
    t.add(command({4, 1, 21}, [](SimStore &s, const QByteArray &p) {
        ByteReader in(p);
        const quint16 mode = in.u16();
        if (!in.ok() || !in.atEnd() || (mode != 1 && mode != 2))
            return false;
        s.dante.clear(mode == 2, s.system.deviceId);
        return true;
    }));
}

} // namespace sim
