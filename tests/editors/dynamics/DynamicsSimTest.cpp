#include "editors/chain/ChainTestSupport.h"

#include "support/TestLinkEnvironment.h"
#include "widgets/PointerEvents.h"

#include "SimDevice.h"

#include "editors/chain/ModuleWidget.h"
#include "editors/dynamics/AGCWidget.h"
#include "editors/dynamics/ChannelButtonBar.h"
#include "editors/dynamics/DynamicsControl.h"
#include "editors/dynamics/LimiterWidget.h"
#include "model/DataModel.h"
#include "widgets/ChannelCopyDialog.h"
#include "widgets/Knob.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/Resources.h"

#include <QCheckBox>
#include <QLoggingCategory>
#include <QPushButton>

namespace {

// The write requests of one message the simulated processor received, counted from its frame
// log.
QString g_counted;
int g_received = 0;
QtMessageHandler g_previous = nullptr;

void countFrames(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (qstrcmp(context.category, "vexatarn.sim") == 0) {
        if (text.startsWith(g_counted))
            ++g_received;
        return;
    }
    g_previous(type, context, text);
}

} // namespace

// The limiter and AGC pages against the simulated processor: a drag reaches it throttled, and
// the device ends with what the screen shows; reset and copy land on the device.
class DynamicsSimTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<sim::SimDevice> m_device;
    std::unique_ptr<DataModel> m_model;
    std::unique_ptr<ModuleWidget> m_module;

    sim::InputSetup &deviceInput(int ch) { return m_device->store().audio.inputs[size_t(ch)]; }
    sim::OutputSetup &deviceOutput(int ch) { return m_device->store().audio.outputs[size_t(ch)]; }

    static DynamicsControl *controlOf(DynamicsEditor *editor, const char *role)
    {
        return editor->findChild<DynamicsControl *>(QLatin1String(role) + QLatin1String("Control"));
    }
    static float shown(DynamicsEditor *editor, const char *role)
    {
        return controlOf(editor, role)->edit()->text().toFloat();
    }

    // One throttle period and the tick after it; the replies have time to arrive.
    void period(qint64 ms = 200)
    {
        m_clock.advance(ms);
        m_model->timeout();
        QTest::qWait(30);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        initApplicationResources();
    }

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
        m_module->resize(1200, 560);
        m_module->show();
    }

    void cleanup()
    {
        if (g_previous) {
            qInstallMessageHandler(g_previous);
            g_previous = nullptr;
            QLoggingCategory::setFilterRules(QString());
        }
        MessageBox::setResponder({});
        ChannelCopyDialog::setResponder({});
        m_module.reset();
        m_model.reset();
        m_device.reset();
    }

    void thresholdDragIsThrottledAndEndsEqual()
    {
        m_module->stackedButtonClicked(ModuleWidget::InLimiterPage);
        LimiterWidget *limiter = m_module->inLimiterWidget();
        limiter->channelBar()->button(4)->click();
        Knob *knob = controlOf(limiter, "threshold")->knob();

        g_counted = QStringLiteral("<- (3,5,1) flag 01");
        g_received = 0;
        QLoggingCategory::setFilterRules(QStringLiteral("vexatarn.sim.debug=true"));
        g_previous = qInstallMessageHandler(countFrames);

        // Two seconds of dragging, a move every 40 ms: 50 moves over 10 throttle periods.
        const QPointF grip(knob->width() / 2.0, knob->height() / 2.0);
        QVERIFY(PointerEvents::press(knob, grip));
        QList<int> positions;
        for (int move = 1; move <= 50; ++move) {
            PointerEvents::move(knob, grip + QPointF(0, 3.0 * move));
            positions << knob->value();
            m_clock.advance(40);
            m_model->timeout();
        }
        PointerEvents::release(knob, grip + QPointF(0, 150));
        QVERIFY(positions.first() != positions.last());
        period();
        QTRY_COMPARE(deviceInput(4).limiter.threshold, shown(limiter, "threshold"));
        period();
        // At most one frame per 180 ms period, and at least one per period in which it moved.
        QVERIFY2(g_received >= 5 && g_received <= 2000 / 180 + 1,
                 qPrintable(QString::number(g_received)));

        // The screen, the mirror and the device agree.
        QCOMPARE(shown(limiter, "threshold"), knob->value() / 10.0f);
        QCOMPARE(m_model->input(4).limiter.threshold, deviceInput(4).limiter.threshold);
        QCOMPARE(deviceInput(4).limiter.ratio, shown(limiter, "ratio"));
        QCOMPARE(deviceInput(4).limiter.attack, shown(limiter, "attack"));
        QCOMPARE(deviceInput(4).limiter.release, shown(limiter, "decay"));
        QCOMPARE(deviceInput(3).limiter.threshold, 0.0f);
    }

    void pollShowsTheDevicesChannel()
    {
        deviceInput(7).limiter = sim::Limiter {1, -24.5f, 5.0f, 33.0f, 250.0f};
        deviceInput(7).limiterGain = 7.5f;
        deviceOutput(7).limiter = sim::Limiter {1, -3.0f, 100.0f, 1.0f, 5.0f};
        deviceInput(7).agc = sim::Agc {1, -60.0f, -12.0f, 8.5f, 40.0f, 700.0f};

        m_module->stackedButtonClicked(ModuleWidget::InLimiterPage);
        m_module->inLimiterWidget()->channelBar()->button(7)->click();
        period();
        QTRY_COMPARE(shown(m_module->inLimiterWidget(), "threshold"), -24.5f);
        QCOMPARE(shown(m_module->inLimiterWidget(), "gain"), 7.5f);
        QVERIFY(m_module->inLimiterWidget()->enabledButton()->isChecked());

        m_module->stackedButtonClicked(ModuleWidget::OutLimiterPage);
        m_module->outLimiterWidget()->channelBar()->button(7)->click();
        period();
        QTRY_COMPARE(shown(m_module->outLimiterWidget(), "ratio"), 100.0f);

        m_module->stackedButtonClicked(ModuleWidget::AgcPage);
        m_module->agcWidget()->channelBar()->button(7)->click();
        period();
        QTRY_COMPARE(shown(m_module->agcWidget(), "ratio"), 8.5f);
        QCOMPARE(shown(m_module->agcWidget(), "decay"), 700.0f);
    }

    void resetAndCopyLandOnTheDevice()
    {
        deviceInput(2).limiter = sim::Limiter {1, -24.5f, 5.0f, 33.0f, 250.0f};
        deviceInput(2).limiterGain = 7.5f;
        deviceInput(2).agc = sim::Agc {1, -60.0f, -12.0f, 8.5f, 40.0f, 700.0f};
        MessageBox::setResponder([](const MessageBox::Request &) { return 0; });
        ChannelCopyDialog::setResponder([](ChannelCopyDialog &dialog) {
            for (QCheckBox *box : dialog.inputBoxes())
                box->setChecked(box->property("channel").toInt() == 9);
            for (QCheckBox *box : dialog.outputBoxes())
                box->setChecked(box->property("channel").toInt() == 0);
            return std::optional<ChannelCopyDialog::Selection>(dialog.selection());
        });

        // Copy channel 3's limiter, as the device has it, to input 10 and output 1; then reset 3.
        m_module->stackedButtonClicked(ModuleWidget::InLimiterPage);
        LimiterWidget *limiter = m_module->inLimiterWidget();
        limiter->channelBar()->button(2)->click();
        period();
        QTRY_COMPARE(shown(limiter, "threshold"), -24.5f);
        limiter->copyToButton()->click();
        period();
        QTRY_COMPARE(deviceInput(9).limiter.threshold, -24.5f);
        QCOMPARE(deviceInput(9).limiterGain, 7.5f);
        QCOMPARE(deviceOutput(0).limiter.ratio, 5.0f);
        limiter->resetButton()->click();
        period();
        QTRY_COMPARE(deviceInput(2).limiter.enabled, quint8(0));
        QCOMPARE(deviceInput(2).limiter.threshold, 0.0f);
        QCOMPARE(deviceInput(2).limiter.ratio, 2.0f);
        QCOMPARE(deviceInput(2).limiter.attack, 10.0f);
        QCOMPARE(deviceInput(2).limiter.release, 151.0f);
        QCOMPARE(deviceInput(2).limiterGain, 0.0f);
        QCOMPARE(m_model->input(2).limiter, LimiterParams());

        m_module->stackedButtonClicked(ModuleWidget::AgcPage);
        AGCWidget *agc = m_module->agcWidget();
        agc->channelBar()->button(2)->click();
        period();
        QTRY_COMPARE(shown(agc, "ratio"), 8.5f);
        agc->copyToButton()->click();
        period();
        QTRY_COMPARE(deviceInput(9).agc.target, -12.0f);
        agc->resetButton()->click();
        period();
        QTRY_COMPARE(deviceInput(2).agc.enabled, quint8(0));
        QCOMPARE(deviceInput(2).agc.threshold, -30.0f);
        QCOMPARE(deviceInput(2).agc.target, -20.0f);
        QCOMPARE(deviceInput(2).agc.ratio, 2.0f);
        QCOMPARE(deviceInput(2).agc.attack, 20.0f);
        QCOMPARE(deviceInput(2).agc.release, 20.0f);
        QCOMPARE(m_model->input(2).agc, AgcParams());
        // The poll after the reset shows the device's defaults.
        period();
        QCOMPARE(shown(agc, "threshold"), -30.0f);
    }
};

QTEST_MAIN(DynamicsSimTest)
#include "DynamicsSimTest.moc"
