#include "editors/chain/ChainTestSupport.h"

#include "support/TestLinkEnvironment.h"

#include "Levels.h"
#include "SimDevice.h"
#include "SimStore.h"

#include "editors/cancellation/AECWidget2.h"
#include "editors/cancellation/CancellationPage.h"
#include "editors/cancellation/SignalGeneratorWidget.h"
#include "editors/cancellation/ToggleRow.h"
#include "editors/chain/LevelWidget.h"
#include "editors/matrix/MatrixTableWidget.h"
#include "editors/matrix/MatrixWidget.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "widgets/Meter.h"
#include "widgets/MixButton.h"
#include "widgets/Resources.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace ChainTest;

// The routing pages against the simulated processor: a route made on the Matrix page, the
// signal generator fed to an output and the echo canceller mixed into one all reach the device,
// and the output meters of the "Out Level" page show the signal arriving there.
class RoutingSimTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<sim::SimDevice> m_device;
    std::unique_ptr<DataModel> m_model;
    std::unique_ptr<ModuleWidget> m_module;

    sim::SimAudio &audio() { return m_device->store().audio; }
    Meter *outputMeter(int output) { return control<Meter>(m_module->outLevelWidget(), output); }

    // Lets the device's meter replies come in a few times.
    void settle()
    {
        QSignalSpy synced(m_model.get(), &DataModel::tcpSyncToUI);
        const auto meterReports = [&synced] {
            int n = 0;
            for (const QList<QVariant> &args : synced)
                n += args.at(0).toInt() == 3 && args.at(1).toInt() == 11 && args.at(2).toInt() == 1;
            return n;
        };
        QTRY_VERIFY_WITH_TIMEOUT(meterReports() >= 3, 5000);
    }

    void start(const char *family)
    {
        sim::SimOptions options;
        QString error;
        const auto parsed = sim::SimOptions::parse(
                {"vexatarn-sim", "--family", family, "--control-port", "0"}, &error);
        QVERIFY2(parsed, qPrintable(error));
        options.identity = parsed->identity;
        options.controlPort = 0;
        options.commandPort = 0;
        options.broadcastPort = 9;
        options.timing.announceMs = 3600000;
        options.timing.tickMs = 3600000;
        m_device = std::make_unique<sim::SimDevice>(options, m_clock.clock());
        const quint16 port = m_device->start(QHostAddress::LocalHost, 0);
        QVERIFY(port != 0);
        audio().inputs[0].mode = 1; // a line source: a steady programme level
        audio().inputs[1].mode = 1;

        m_model = std::make_unique<DataModel>(testLinkSettings(port),
                                              testLinkEnvironment(m_clock, ":memory:"));
        m_module = std::make_unique<ModuleWidget>(m_model.get());
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
        m_module->outLevelWidget(); // its meters show the outputs
        settle();
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void cleanup()
    {
        m_module.reset();
        m_model.reset();
        m_device.reset();
    }

    // The simulator's families: only the newer ones feed the cancellers' outputs into the
    // matrix, and a canceller that is off gives nothing.
    void cancellationSourcesFollowTheFamily_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("heard");
        QTest::newRow("classic") << "classic" << true << false;
        QTest::newRow("v5") << "v5" << true << true;
        QTest::newRow("v6") << "v6" << true << true;
        QTest::newRow("v6, cancellers off") << "v6" << false << false;
    }
    void cancellationSourcesFollowTheFamily()
    {
        QFETCH(QString, family);
        QFETCH(bool, enabled);
        QFETCH(bool, heard);
        QString error;
        const auto options = sim::SimOptions::parse({"vexatarn-sim", "--family", family}, &error);
        QVERIFY2(options, qPrintable(error));
        sim::SimStore store(options->identity);
        store.audio.inputs[0].mode = 1;
        store.audio.echoBlock = {0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, quint8(enabled)};
        store.audio.noiseBlock = {0x01, 0, 0, 0, 2, quint8(enabled)};
        store.audio.matrix[sim::EchoSource].route[2] = 1;
        store.audio.matrix[sim::NoiseSource].route[3] = 1;
        const sim::Levels levels = sim::Levels::compute(store);
        QCOMPARE(levels.outputPost[2] > -60, heard);
        QCOMPARE(levels.outputPost[3] > -60, heard);
        QCOMPARE(levels.outputPost[4], qint8(-100));
    }

    void matrixRouteAndGeneratorReachTheOutputMeters()
    {
        start("classic");
        QTRY_COMPARE_WITH_TIMEOUT(m_model->deviceInfo().dspVersion[0], quint8(2), 5000);
        settle();
        // Nothing is routed to the outputs yet: their meters rest at the bottom.
        QCOMPARE(m_model->output(3).postMeter, MeterFloor);
        QCOMPARE(m_model->output(5).postMeter, MeterFloor);
        QCOMPARE(outputMeter(3)->level(), outputMeter(3)->minimum());

        // Input 1 into output 4, on the Matrix page: select the cell, then switch it on.
        m_module->stackedButtonClicked(ModuleWidget::MatrixPage);
        MixButton *cell = m_module->matrixWidget()->table()->cell(0, 3);
        QTest::mouseClick(cell, Qt::LeftButton);
        QTest::mouseClick(cell, Qt::LeftButton);
        QTRY_COMPARE(audio().matrix[0].route[3], quint8(1));
        const qint8 routed = sim::Levels::compute(m_device->store()).outputPost[3];
        QVERIFY(routed > -60);
        QTRY_VERIFY_WITH_TIMEOUT(outputMeter(3)->level() > -60, 5000);

        // The generator into output 6: silent while muted, heard once unmuted.
        m_module->stackedButtonClicked(ModuleWidget::SignalGeneratorPage);
        SignalGeneratorWidget *generator = m_module->signalGeneratorWidget();
        QVERIFY(generator->muteButton()->isChecked());
        generator->outputButton(5)->click();
        QTRY_COMPARE(audio().generator.outputs[5], quint8(1));
        settle();
        QCOMPARE(m_model->output(5).postMeter, MeterFloor);
        QCOMPARE(outputMeter(5)->level(), outputMeter(5)->minimum());
        generator->muteButton()->click();
        QTRY_COMPARE(audio().generator.mute, quint8(0));
        QTRY_VERIFY_WITH_TIMEOUT(outputMeter(5)->level() > -40, 5000);
    }

    // The newer families: the echo canceller's output is a matrix source of its own.
    void echoCancellerMixedIntoAnOutput()
    {
        start("v6");
        QTRY_COMPARE_WITH_TIMEOUT(m_model->deviceInfo().dspVersion[0], quint8(6), 5000);
        m_module->stackedButtonClicked(ModuleWidget::AecPage);
        auto *aec = qobject_cast<AECWidget2 *>(m_module->aecPage()->editor());
        QVERIFY(aec);
        aec->localRow()->button(1)->click();
        aec->enabledButton()->click();
        aec->outputRow()->button(7)->click();
        QTRY_COMPARE(audio().echoBlock[10], quint8(1));
        QTRY_COMPARE(audio().matrix[18].route[7], quint8(1));
        QTRY_VERIFY_WITH_TIMEOUT(outputMeter(7)->level() > -60, 5000);
        // The matrix shows the row of the echo canceller switched on for that output.
        m_module->stackedButtonClicked(ModuleWidget::MatrixPage);
        MatrixTableWidget *table = m_module->matrixWidget()->table();
        QTRY_VERIFY(table->cell(table->rowOf(18), 7)->isChecked());
        QVERIFY(table->cell(table->rowOf(1), 7)->property("cancellation").toBool());
    }
};

QTEST_MAIN(RoutingSimTest)
#include "RoutingSimTest.moc"
