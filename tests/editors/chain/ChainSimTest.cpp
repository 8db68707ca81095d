#include "ChainTestSupport.h"

#include "widgets/PointerEvents.h"
#include "support/TestLinkEnvironment.h"

#include "Levels.h"
#include "SimDevice.h"

#include "widgets/Resources.h"
#include "editors/chain/LevelWidget.h"
#include "editors/chain/ModuleWidget.h"
#include "widgets/Fader.h"
#include "widgets/Meter.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"

#include <QSignalSpy>

using namespace ChainTest;

// The pre-mix level page against the simulated processor: what the user does with a fader
// reaches the device after the throttle, the meters follow the device, and the device's echo
// of a fader in the user's hand never moves it.
class ChainSimTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<sim::SimDevice> m_device;
    std::unique_ptr<DataModel> m_model;
    std::unique_ptr<ModuleWidget> m_module;

    sim::InputSetup &deviceInput(int ch) { return m_device->store().audio.inputs[size_t(ch)]; }
    Fader *fader(int ch) { return control<Fader>(m_module->preLevelWidget(), ch); }
    Meter *meter(int ch) { return control<Meter>(m_module->preLevelWidget(), ch); }

    // Lets the device's replies to everything sent so far arrive: meter replies keep coming
    // every 100 ms, and replies come in order.
    void settle()
    {
        QSignalSpy synced(m_model.get(), &DataModel::tcpSyncToUI);
        const auto meterReports = [&synced] {
            int n = 0;
            for (const QList<QVariant> &args : synced)
                n += args.at(0).toInt() == 3 && args.at(1).toInt() == 1 && args.at(2).toInt() == 1;
            return n;
        };
        QTRY_VERIFY_WITH_TIMEOUT(meterReports() >= 3, 5000);
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init()
    {
        sim::SimOptions options;
        options.controlPort = 0;
        options.commandPort = 0;
        options.broadcastPort = 9;
        options.timing.announceMs = 3600000;
        options.timing.tickMs = 3600000;
        m_device = std::make_unique<sim::SimDevice>(options, m_clock.clock());
        const quint16 port = m_device->start(QHostAddress::LocalHost, 0);
        QVERIFY(port != 0);
        // A line source on input 1: a steady programme level.
        deviceInput(0).mode = 1;

        m_model = std::make_unique<DataModel>(testLinkSettings(port),
                                              testLinkEnvironment(m_clock, ":memory:"));
        m_module = std::make_unique<ModuleWidget>(m_model.get());
        // As the main window routes the model's notifications.
        ModuleWidget *module = m_module.get();
        connect(m_model.get(), &DataModel::tcpSyncToUI, module,
                [module](uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                         const QVariant &) {
                    module->syncFromModel(type, subType, funcId, channel, other);
                });
        m_model->addDeviceByAddress(QHostAddress(QHostAddress::LocalHost).toIPv4Address());
        m_model->selectDevice(0, false);
        QTRY_VERIFY_WITH_TIMEOUT(
                m_model->currentSocket()->state() == QAbstractSocket::ConnectedState, 5000);
        m_model->login(QString::fromLatin1(sim::builtInPassword()), false);
        QTRY_VERIFY_WITH_TIMEOUT(m_model->isLoggedIn(), 5000);
        QCOMPARE(m_model->currentModule(), int(ModuleWidget::LevelPreMixPage));
        settle();
    }

    void cleanup()
    {
        m_module.reset();
        m_model.reset();
        m_device.reset();
    }

    void faderReachesTheDeviceAndTheMeterFollows()
    {
        const qint8 before = sim::Levels::compute(m_device->store()).inputPost[0];
        QVERIFY(before > -60);
        QTRY_COMPARE(meter(0)->level(), int(before));

        const QPointF grip = fader(0)->handleRect().center();
        QVERIFY(PointerEvents::press(fader(0), grip));
        PointerEvents::move(fader(0), grip + QPointF(0, 20));
        PointerEvents::move(fader(0), grip + QPointF(0, 40));
        PointerEvents::release(fader(0), grip + QPointF(0, 40));
        const float gain = fader(0)->value();
        QVERIFY(gain < -15.0f);
        // Nothing reaches the device before the throttle's period is over.
        settle();
        QCOMPARE(deviceInput(0).preMixGain, 0.0f);
        m_clock.advance(200);
        QTRY_COMPARE(deviceInput(0).preMixGain, gain);

        const qint8 after = sim::Levels::compute(m_device->store()).inputPost[0];
        QVERIFY2(after <= before - 12, qPrintable(QString("%1 -> %2").arg(before).arg(after)));
        QTRY_COMPARE(meter(0)->level(), int(after));
    }

    void heldFaderIgnoresTheDevice()
    {
        const QPointF grip = fader(0)->handleRect().center();
        QVERIFY(PointerEvents::press(fader(0), grip));
        PointerEvents::move(fader(0), grip + QPointF(0, 30));
        const float held = fader(0)->value();
        m_clock.advance(200);
        QTRY_COMPARE(deviceInput(0).preMixGain, held);

        // Another controller sets the gain; the reply to a read right now is the echo window's.
        deviceInput(0).preMixGain = 6.0f;
        m_model->sendRead(Msg::PreMixGain);
        settle();
        QCOMPARE(m_model->input(0).preMixGain, held);
        QCOMPARE(fader(0)->value(), held);

        // The window closes while the hand still holds the fader: the poll reads the device's
        // value into the mirror, the fader stays where the hand is.
        m_clock.advance(1600);
        QTRY_COMPARE_WITH_TIMEOUT(m_model->input(0).preMixGain, 6.0f, 5000);
        settle();
        QCOMPARE(fader(0)->value(), held);

        // Let go: it shows the device's value.
        PointerEvents::release(fader(0), grip + QPointF(0, 30));
        QCOMPARE(fader(0)->value(), 6.0f);
        QCOMPARE(control<QLineEdit>(m_module->preLevelWidget(), 0, "gain")->text(), QString("6.0"));
    }
};

QTEST_MAIN(ChainSimTest)
#include "ChainSimTest.moc"
