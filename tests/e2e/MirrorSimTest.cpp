// The program's mirror against the simulated processor: after a full poll cycle on each module
// page and with each administration dialog open, every record the poll reads equals the
// processor's state; a change in the processor shows in the mirror after the next poll.
#include "MirrorRecords.h"
#include "SimLink.h"

#include "model/StatusPoll.h"

#include <QMap>
#include <QSet>

namespace {

constexpr int FullCycle = 100; // ticks: the 100, 200 and 500 ms blocks all run
constexpr int Channels = 16;

struct Page
{
    int module;
    const char *name;
    int channels; // pages with a channel selector: the channels they can show
};

const Page Pages[] = {
        {StatusPoll::InSetup, "In Setup", 0},
        {StatusPoll::Gate, "Gate", 0},
        {StatusPoll::Agc, "AGC", 16},
        {StatusPoll::Feedback, "Feedback", 0},
        {StatusPoll::InFilter, "In Filter", 17},
        {StatusPoll::InLimiter, "In Limiter", 17},
        {StatusPoll::InDelay, "In Delay", 0},
        {StatusPoll::Anc, "ANC", 0},
        {StatusPoll::Aec, "AEC", 0},
        {StatusPoll::LevelPreMix, "Level Pre Mix", 0},
        {StatusPoll::Matrix, "Matrix", 0},
        {StatusPoll::AutoMixer, "Auto Mixer", 0},
        {StatusPoll::SignalGenerator, "Signal Generator", 0},
        {StatusPoll::OutLevel, "Out Level", 0},
        {StatusPoll::OutFilter, "Out Filter", 16},
        {StatusPoll::OutLimiter, "Out Limiter", 17},
        {StatusPoll::OutDelay, "Out Delay", 0},
};

struct DialogBit
{
    StatusPoll::Dialog bit;
    const char *name;
};

const DialogBit Dialogs[] = {
        {StatusPoll::LabelsDialog, "labels"},  {StatusPoll::PresetsDialog, "presets"},
        {StatusPoll::UsbRecPlayDialog, "USB"}, {StatusPoll::DeviceSetupDialog, "setup"},
        {StatusPoll::GpioSetupDialog, "GPIO"}, {StatusPoll::DanteSetupDialog, "Dante"},
};

} // namespace

class MirrorSimTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimLink> link;
    int variant = 1;
    QMap<int, QString> playList; // the USB play list entries as announced: index, name
    QSet<QString> recordList; // the USB record list entries as announced: "seconds name"

    // The device list entry as the announcements leave it.
    void compareDeviceEntry()
    {
        const sim::SimStore &store = link->device->store();
        QTRY_COMPARE(UdpBrowsingPacket::textBytes(link->model->device(0).packet.model),
                     store.system.model);
        const UdpBrowsingPacket &p = link->model->device(0).packet;
        QCOMPARE(p.deviceId, store.system.deviceId);
        QCOMPARE(QHostAddress(p.ipAddress), QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(UdpBrowsingPacket::textBytes(p.serialNumber), store.system.serialNumber);
        QCOMPARE(UdpBrowsingPacket::textBytes(p.location), store.system.location);
        QCOMPARE(UdpBrowsingPacket::textBytes(p.description), store.system.description);
        const QByteArray preset = store.currentPreset < sim::PresetSlots
                ? store.presets[store.currentPreset].name
                : QByteArray();
        QCOMPARE(UdpBrowsingPacket::textBytes(p.preset), preset);
        QCOMPARE(p.armVersion, store.system.armVersion);
        QCOMPARE(p.dspVersion, store.system.dspVersion);
        QCOMPARE(p.fault != 0, store.system.faulty());
        QCOMPARE(p.runTime, store.runTime());
        QCOMPARE(p.totalTime, store.totalTime());
    }

    // What the program looks at, then a full poll cycle, then the comparison.
    void showAndCompare(int module, int channel, quint8 dialogs, quint32 scope)
    {
        DataModel &model = *link->model;
        model.setCurrentModule(module);
        model.setCurrentChannel(quint8(channel));
        model.setOpenDialogs(dialogs);
        QStringList remaining;
        const bool same = link->pollUntil(
                FullCycle,
                [&] {
                    return mirrorDifferences(model.mirror(), link->device->store(), scope, channel);
                },
                &remaining);
        QVERIFY2(same, qPrintable(remaining.join(QLatin1Char('\n'))));
    }

    static void pageRows(const char *prefix)
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<int>("channel");
        for (const Page &page : Pages) {
            if (page.channels == 0) {
                QTest::addRow("%s %s", prefix, page.name) << page.module << 0;
                continue;
            }
            for (int ch = 0; ch < page.channels; ++ch)
                QTest::addRow("%s %s ch %d", prefix, page.name, ch) << page.module << ch;
        }
    }

    static void dialogRows()
    {
        QTest::addColumn<int>("bit");
        for (const DialogBit &d : Dialogs)
            QTest::addRow("%s", d.name) << int(d.bit);
    }

private slots:
    void initTestCase()
    {
        sim::SimOptions options;
        options.identity.config = QStringLiteral("12x12+Dante4x4");
        link = std::make_unique<SimLink>(options);
        QVERIFY(link->started());
        varyStore(link->device->store(), variant);
        // Every record starts out different, so that each comparison below proves a transfer.
        for (const MirrorRecord &record : mirrorRecords()) {
            QStringList differences;
            const sim::Levels levels = sim::Levels::compute(link->device->store());
            RecordCheck check {link->model->mirror(), link->device->store(), levels, 3,
                               differences};
            record.compare(check);
            QVERIFY2(!differences.isEmpty(), record.name);
        }
        connect(link->model.get(), &DataModel::tcpSyncToUI,
                [this](uchar type, uchar subType, uchar funcId, uchar, uchar, QVariant any) {
                    const MessageId id {type, subType, funcId};
                    const QVariantList entry = any.toList();
                    if (id == Msg::UsbPlayList)
                        playList[entry.value(0).toInt()] = entry.value(1).toString();
                    else if (id == Msg::UsbRecordList)
                        recordList << QStringLiteral("%1 %2")
                                              .arg(entry.value(0).toUInt())
                                              .arg(entry.value(1).toString());
                });
        QVERIFY(link->open());
    }

    void deviceListFollowsAnnouncements()
    {
        compareDeviceEntry();
        varyStore(link->device->store(), 3 - variant);
        link->tick(100); // a second passes on the processor: a new run time
        compareDeviceEntry();
        varyStore(link->device->store(), variant);
        compareDeviceEntry();
    }

    void cleanupTestCase() { link.reset(); }

    void everyModulePage_data() { pageRows("page"); }
    void everyModulePage()
    {
        QFETCH(int, module);
        QFETCH(int, channel);
        showAndCompare(module, channel, 0, PollScope::Always | PollScope::page(module));
    }

    void everyDialog_data() { dialogRows(); }
    void everyDialog()
    {
        QFETCH(int, bit);
        // No module page on screen: only the dialog and the fixed blocks are polled.
        showAndCompare(-1, 0, quint8(bit), PollScope::Always | PollScope::dialog(quint8(bit)));
        if (bit != StatusPoll::UsbRecPlayDialog)
            return;
        // A new count brings the list; every entry is announced with its name.
        const sim::SimUsb &usb = link->device->store().usb;
        QTRY_COMPARE(playList.size(), usb.playList().size());
        for (int i = 0; i < usb.playList().size(); ++i)
            QCOMPARE(playList.value(i), usb.playList()[i].name);
        // The record list comes in replies of its own, after the play list.
        for (const sim::SimUsb::File &file : usb.recordList())
            QTRY_VERIFY(
                    recordList.contains(QStringLiteral("%1 %2").arg(file.seconds).arg(file.name)));
    }

    // Each row changes the whole processor to the other variant first.
    void changeShowsAfterNextPoll_data()
    {
        pageRows("changed");
        for (const DialogBit &d : Dialogs)
            QTest::addRow("changed %s", d.name) << -1 - int(d.bit) << 0;
    }
    void changeShowsAfterNextPoll()
    {
        QFETCH(int, module);
        QFETCH(int, channel);
        variant = 3 - variant;
        varyStore(link->device->store(), variant);
        if (module >= 0) {
            showAndCompare(module, channel, 0, PollScope::Always | PollScope::page(module));
        } else {
            const auto bit = quint8(-1 - module);
            showAndCompare(-1, 0, bit, PollScope::Always | PollScope::dialog(bit));
        }
    }

    // Changes of the processor's own (the player moves on, a fault appears) without any set.
    void processorChangesByItself()
    {
        sim::SimStore &store = link->device->store();
        store.system.faultFlags = sim::CodecFault;
        store.system.rails[sim::RailMinus15V] = sim::RailFailed;
        store.usb.control(QByteArray(1, char(0))); // stop
        store.usb.control(QByteArray(1, char(0))); // play from the start
        QVERIFY(link->pass(3)); // three seconds of playing
        const quint8 usb = StatusPoll::UsbRecPlayDialog;
        showAndCompare(StatusPoll::InSetup, 0, usb,
                       PollScope::Always | PollScope::page(StatusPoll::InSetup)
                               | PollScope::dialog(usb));
        QCOMPARE(link->model->mirror().usb.playState, quint8(sim::SimUsb::Playing));
        QVERIFY(link->model->mirror().usb.playPosition >= 3);
    }
};

QTEST_GUILESS_MAIN(MirrorSimTest)
#include "MirrorSimTest.moc"
