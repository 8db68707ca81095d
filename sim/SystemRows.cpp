// The system messages (type 2): identity and status, labels, USB player and recorder, GPIO,
// data sync. Login and passwords belong to the session.
#include "Levels.h"
#include "RowKit.h"

namespace sim {

namespace {

using namespace Rows;

// A text of at most maxLength bytes; a set with an empty or longer text is refused.
template<typename Field> MessageRow text(MessageId id, int maxLength, Field field)
{
    MessageRow row;
    row.id = id;
    row.reply = [=](const SimStore &s, Selector) { return QByteArray(field(s)); };
    row.set = [=](SimStore &s, const QByteArray &p) {
        if (p.isEmpty() || p.size() > maxLength)
            return false;
        field(s) = p;
        return true;
    };
    return row;
}

// One label per channel record in fields of `width` bytes; a set carries the channel and the
// label (empty clears it).
template<typename Field> MessageRow labels(MessageId id, int width, Field field)
{
    MessageRow row;
    row.id = id;
    row.reply = [=](const SimStore &s, Selector) {
        ByteWriter out(ChannelRecords * width);
        for (int ch = 0; ch < ChannelRecords; ++ch)
            out.fixedText(field(s, ch), width);
        return QByteArray(out);
    };
    row.set = [=](SimStore &s, const QByteArray &p) {
        if (p.isEmpty() || quint8(p[0]) >= ChannelRecords || p.size() > 1 + width)
            return false;
        QByteArray label = p.mid(1);
        const int zero = label.indexOf('\0');
        field(s, quint8(p[0])) = zero < 0 ? label : label.left(zero);
        return true;
    };
    return row;
}

QByteArray version(const FirmwareVersion &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), 3);
}

QByteArray u32(quint32 v)
{
    return ByteWriter().u32(v);
}

bool validGpio(const QByteArray &p)
{
    if (p.size() != 1 + GpioRecordSize || quint8(p[0]) >= GpioPorts)
        return false;
    const quint8 function = quint8(p[1]);
    const quint8 parameter = quint8(p[2]);
    return function <= 2 && (function == 0 || parameter < 32);
}

void addIdentityRows(MessageTable &t)
{
    t.add(text(
            {2, 2, 1}, NameSize, [](auto &s) -> auto & { return s.system.model; }));
    t.add(readOnly({2, 2, 2}, [](const SimStore &s) { return version(s.system.armVersion); }));
    t.add(readOnly({2, 2, 3}, [](const SimStore &s) { return version(s.system.dspVersion); }));
    t.add(readOnly({2, 2, 4}, [](const SimStore &s) { return s.system.serialNumber; }));
    t.add(readOnly({2, 2, 5}, [](const SimStore &s) {
        return QByteArray(ByteWriter().u8(s.config.inputCount).u8(s.config.outputCount));
    }));
    t.add(readOnly({2, 2, 6}, [](const SimStore &s) { return u32(s.runTime()); }));
    t.add(readOnly({2, 2, 7}, [](const SimStore &s) { return u32(s.totalTime()); }));
    t.add(readOnly({2, 2, 8}, [](const SimStore &s) { return u32(s.system.bootCount); }));
    t.add(readOnly({2, 2, 9}, [](const SimStore &s) {
        return QByteArray(ByteWriter().f32(Levels::compute(s).temperature));
    }));
    t.add(text(
            {2, 2, 10}, NameSize, [](auto &s) -> auto & { return s.system.location; }));
    t.add(text(
            {2, 2, 11}, NameSize, [](auto &s) -> auto & { return s.system.description; }));
    MessageRow clock = readOnly({2, 2, 12}, [](const SimStore &s) { return s.dateTime(); });
    clock.set = [](SimStore &s, const QByteArray &p) {
        if (p.size() != 7)
            return false;
        s.setDateTime(p);
        return true;
    };
    t.add(clock);
    MessageRow network = readOnly({2, 2, 13}, [](const SimStore &s) {
        return QByteArray(
                ByteWriter().u32(s.system.address).u32(s.system.netmask).u32(s.system.gateway));
    });
    network.set = [](SimStore &s, const QByteArray &p) {
        ByteReader in(p);
        const quint32 address = in.u32(), netmask = in.u32(), gateway = in.u32();
        if (!in.ok() || !in.atEnd())
            return false;
        s.system.address = address;
        s.system.netmask = netmask;
        s.system.gateway = gateway;
        return true;
    };
    t.add(network);
    t.add(readOnly({2, 2, 24}, [](const SimStore &s) { return u32(s.system.armBuild); }));
    t.add(readOnly({2, 2, 29}, [](const SimStore &s) { return u32(s.system.deviceId); }));
    t.add(readOnly({2, 2, 39}, [](const SimStore &s) {
        return QByteArray(reinterpret_cast<const char *>(s.system.mac.data()), 6);
    }));
}

void addStatusRows(MessageTable &t)
{
    t.add(readOnly({2, 2, 14},
                   [](const SimStore &s) { return QByteArray(1, char(s.system.faultFlags)); }));
    // The chips that failed their detection at start-up, one bit each (factory test panel).
    t.add(readOnly({2, 2, 22}, [](const SimStore &s) { return u32(s.system.chipFailures); }));
    t.add(scalar(
            {2, 2, 16}, [](auto &s) -> auto & { return s.system.systemMute; }, quint8(0),
            quint8(1)));
    MessageRow rs232 = scalar(
            {2, 2, 17}, [](auto &s) -> auto & { return s.system.rs232Baud; }, 0u, 0u);
    rs232.set = [](SimStore &s, const QByteArray &p) {
        ByteReader in(p);
        const quint32 baud = in.u32();
        if (!in.ok() || !in.atEnd()
            || (baud != 9600 && baud != 19200 && baud != 57600 && baud != 115200))
            return false;
        s.system.rs232Baud = baud;
        return true;
    };
    t.add(rs232);
    t.add(scalar(
            {2, 2, 18}, [](auto &s) -> auto & { return s.system.rs485Baud; }, 0u, 0u, false));
    t.add(readOnly({2, 2, 19}, [](const SimStore &s) {
        const Levels l = Levels::compute(s);
        return QByteArray(ByteWriter().f32(l.dspUsage[0]).f32(l.dspUsage[1]));
    }));
    t.add(readOnly({2, 2, 20}, [](const SimStore &s) {
        return QByteArray(reinterpret_cast<const char *>(s.system.rails.data()), RailCount);
    }));
    t.add(command({2, 2, 21}, [](SimStore &s, const QByteArray &) {
        s.factoryReset();
        return true;
    }));
    t.add(scalar(
            {2, 2, 23}, [](auto &s) -> auto & { return s.system.gateReport; }, quint8(0),
            quint8(1)));
    t.add(readOnly({2, 2, 32},
                   [](const SimStore &s) { return QByteArray(1, char(s.system.usbDisk)); }));
    t.add(readOnly({2, 2, 33}, [](const SimStore &s) {
        const bool dante = s.config.dante;
        return QByteArray(ByteWriter().u8(dante).u8(dante && s.dante.connected() ? 1 : 0));
    }));
    t.add(readOnly({2, 2, 34}, [](const SimStore &s) {
        return QByteArray(1, char(s.config.dante && !s.dante.connected() ? 1 : 0));
    }));
    t.add(readOnly({2, 2, 35}, [](const SimStore &s) { return u32(s.system.status35); }));
    t.add(scalar(
            {2, 2, 37}, [](auto &s) -> auto & { return s.system.fanTest; }, quint8(0), quint8(1)));
    t.add(scalar(
            {2, 2, 40}, [](auto &s) -> auto & { return s.system.usbAutoPlay; }, quint8(0),
            quint8(3)));
    MessageRow state4 = readOnly({2, 4, 1}, [](const SimStore &s) {
        return QByteArray(ByteWriter().u32(s.system.state4Word).u16(s.system.state4Half));
    });
    t.add(state4);
}

void addLabelRows(MessageTable &t)
{
    t.add(labels(
            {2, 3, 1}, NameSize,
            [](auto &s, int ch) -> auto & { return s.system.inputLabels[ch]; }));
    t.add(labels(
            {2, 3, 2}, NameSize,
            [](auto &s, int ch) -> auto & { return s.system.outputLabels[ch]; }));
    t.add(labels(
            {2, 3, 3}, 10, [](auto &s, int ch) -> auto & { return s.system.shortLabels[ch]; }));
}

void addUsbRows(MessageTable &t)
{
    t.add(readOnly({2, 5, 1},
                   [](const SimStore &s) { return u32(quint32(s.usb.playList().size())); }));
    MessageRow playList;
    playList.id = {2, 5, 2};
    playList.list = [](const SimStore &s) {
        QVector<QByteArray> entries;
        for (int i = 0; i < s.usb.playList().size(); ++i)
            entries.append(ByteWriter().i32(i).bytes(s.usb.playList()[i].name.toUtf8()));
        return entries;
    };
    t.add(playList);
    t.add(readOnly({2, 5, 3}, [](const SimStore &s) {
        return QByteArray(ByteWriter()
                                  .u8(s.usb.playMode())
                                  .u8(s.usb.playState())
                                  .u16(s.usb.position())
                                  .u16(s.usb.duration()));
    }));
    t.add(command({2, 5, 4}, [](SimStore &s, const QByteArray &p) { return s.usb.control(p); },
                  {2, 5, 3}));
    t.add(readOnly({2, 5, 5}, [](const SimStore &s) { return s.usb.playFile().toUtf8(); }));
    t.add(readOnly({2, 5, 16},
                   [](const SimStore &s) { return u32(quint32(s.usb.recordList().size())); }));
    MessageRow recordList;
    recordList.id = {2, 5, 17};
    recordList.list = [](const SimStore &s) {
        QVector<QByteArray> entries;
        for (int i = 0; i < s.usb.recordList().size(); ++i) {
            const SimUsb::File &f = s.usb.recordList()[i];
            entries.append(ByteWriter().i32(i).u32(f.seconds).bytes(f.name.toUtf8()));
        }
        return entries;
    };
    t.add(recordList);
    t.add(readOnly({2, 5, 18}, [](const SimStore &s) {
        return QByteArray(ByteWriter().u8(s.usb.recordState()).u32(s.usb.recordSeconds()));
    }));
    t.add(command({2, 5, 19},
                  [](SimStore &s, const QByteArray &p) { return s.usb.recordControl(p); },
                  {2, 5, 18}));
    t.add(readOnly({2, 5, 20}, [](const SimStore &s) { return s.usb.recordFile().toUtf8(); }));
}

void addGpioAndSyncRows(MessageTable &t)
{
    MessageRow gpio;
    gpio.id = {2, 6, 1};
    gpio.selectors = 1;
    gpio.limits = {GpioPorts, 0};
    gpio.reply = [](const SimStore &s, Selector sel) {
        const auto &port = s.system.gpio[sel[0]];
        return QByteArray(1, char(sel[0]))
                + QByteArray(reinterpret_cast<const char *>(port.data()), GpioRecordSize);
    };
    gpio.set = [](SimStore &s, const QByteArray &p) {
        if (!validGpio(p))
            return false;
        auto &port = s.system.gpio[quint8(p[0])];
        for (int i = 0; i < GpioRecordSize; ++i)
            port[i] = quint8(p[1 + i]);
        return true;
    };
    t.add(gpio);

    MessageRow sync = readOnly({2, 16, 1}, [](const SimStore &s) {
        return QByteArray(ByteWriter().u8(s.system.syncMode).u32(s.system.syncHost));
    });
    sync.set = [](SimStore &s, const QByteArray &p) {
        ByteReader in(p);
        const quint8 mode = in.u8();
        const quint32 host = in.u32();
        if (!in.ok() || !in.atEnd() || mode > 2)
            return false;
        s.system.syncMode = mode;
        s.system.syncHost = host;
        return true;
    };
    t.add(sync);
    // Standing alone, a master is synced with itself; a slave reports synced with its master.
    t.add(readOnly({2, 16, 2}, [](const SimStore &s) {
        return QByteArray(1, char(s.system.syncMode == 0 ? 0 : 2));
    }));
}

} // namespace

void addSystemRows(MessageTable &table)
{
    addIdentityRows(table);
    addStatusRows(table);
    addLabelRows(table);
    addUsbRows(table);
    addGpioAndSyncRows(table);
}

} // namespace sim
