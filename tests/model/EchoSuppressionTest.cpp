#include "CatalogueRows.h"
#include "LoopbackDevice.h"
#include "ReplyTestSupport.h"

#include "model/MessageCatalogue.h"

#include <QSignalSpy>

// The write-echo table row by row on the fake clock: a reply 1 s after a matching write is held
// back, the same reply 1.6 s after the write (the echo record has expired) is applied; meters
// and replies the table does not name are applied at once.
class EchoSuppressionTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;

    static int announced(const QSignalSpy &spy, MessageId id)
    {
        int n = 0;
        for (const QList<QVariant> &args : spy) {
            if (args[0].toUInt() == id.type && args[1].toUInt() == id.subType
                && args[2].toUInt() == id.funcId)
                ++n;
        }
        return n;
    }

private slots:
    void init()
    {
        m_device = std::make_unique<LoopbackDevice>();
        QVERIFY(m_device->connect());
    }
    void cleanup() { m_device.reset(); }

    void replyAfterAWrite_data()
    {
        QTest::addColumn<MessageId>("write");
        QTest::addColumn<MessageId>("reply");
        QTest::addColumn<bool>("held");
        auto row = [](const char *name, MessageId write, MessageId reply, bool held) {
            QTest::newRow(name) << write << reply << held;
        };
        // System values the device setup dialog edits: only their own write holds them.
        for (MessageId id :
             {Msg::SysLocation, Msg::SysDescription, Msg::SysNetwork, Msg::SysSystemMute,
              Msg::SysRs232Baud, Msg::SysStatus18, Msg::SysGateReport})
            QTest::newRow(idText(id).constData()) << id << id << true;
        row("description write, location reply", Msg::SysDescription, Msg::SysLocation, false);
        row("fault flags are not held", Msg::SysFaultFlags, Msg::SysFaultFlags, false);
        row("labels, same label", Msg::InputLabels, Msg::InputLabels, true);
        row("labels, other label", Msg::OutputLabels, Msg::InputLabels, false);
        row("GPIO port", Msg::GpioPort, Msg::GpioPort, true);
        row("data sync, any function", Msg::SyncConfig, Msg::SyncStatus, true);
        row("USB replies are not held", Msg::UsbPlayControl, Msg::UsbPlayCount, false);
        // Audio modules: any write to the module holds every reply of it.
        row("HPF reply after an LPF write", Msg::InFilterLPF, Msg::InFilterHPF, true);
        row("PEQ band", Msg::InFilterPEQ, Msg::InFilterPEQ, true);
        row("input gain after a mute", Msg::InputMute, Msg::InputGain, true);
        row("another module", Msg::SigGenOutputs, Msg::MatrixRoute, false);
        row("input meters while muting", Msg::InputMute, Msg::InputMeters, false);
        row("pre-mix meters while dragging", Msg::PreMixGain, Msg::PreMixMeters, false);
        row("output meters while dragging", Msg::OutGain, Msg::OutputMeters, false);
        row("output pre meters while dragging", Msg::OutGain, Msg::OutputPreMeters, false);
        row("auto-mixer meters", Msg::AutoMixWeight, Msg::AutoMixMeters, false);
        row("preset list after a rename", Msg::PresetRename, Msg::PresetList, true);
        row("preset list after a save", Msg::PresetSave, Msg::PresetList, false);
        row("load progress after a rename", Msg::PresetRename, Msg::PresetActive, false);
        row("Dante info after a rename", Msg::DanteRename, Msg::DanteInfo, true);
        row("Dante info after a latency change", Msg::DanteLatency, Msg::DanteInfo, true);
        row("Dante info after a network change", Msg::DanteNetwork, Msg::DanteInfo, false);
        row("Dante clock after a rename", Msg::DanteRename, Msg::DanteState3, false);
        row("Dante block after a latency change", Msg::DanteLatency, Msg::DanteBlock4, false);
        row("upgrade replies", Msg::UpgradeData, Msg::UpgradeStatus, false);
    }
    void replyAfterAWrite()
    {
        QFETCH(MessageId, write);
        QFETCH(MessageId, reply);
        QFETCH(bool, held);
        DataModel &model = *m_device->model;
        const CatalogueRow &row = catalogueRow(reply);
        QSignalSpy spy(&model, &DataModel::tcpSyncToUI);

        model.sendWrite(write, QByteArray(2, '\0'));
        m_device->clock.advance(1000);
        model.timeout();
        QVERIFY(model.lastWrite().matches(write));
        m_device->reply(reply, row.payload);
        QCOMPARE(announced(spy, reply) == 0, held);

        m_device->clock.advance(600);
        model.timeout();
        QVERIFY(model.lastWrite().isClear());
        spy.clear();
        m_device->reply(reply, row.payload);
        // Now applied: a held reply changes the mirror; one applied before is a repeat.
        QCOMPARE(announced(spy, reply) > 0, held || row.always);
        QCOMPARE(row.stored(model.mirror()), row.expected);
    }
};

QTEST_GUILESS_MAIN(EchoSuppressionTest)
#include "EchoSuppressionTest.moc"
