#include "ChainTestSupport.h"

#include "widgets/PointerEvents.h"
#include "model/LoopbackDevice.h"
#include "model/SetPayload.h"

#include "widgets/Resources.h"
#include "editors/chain/DelayWidget.h"
#include "editors/chain/FeedbackWidget.h"
#include "editors/chain/GateWidget.h"
#include "editors/chain/InSetupWidget.h"
#include "editors/chain/LevelWidget.h"
#include "editors/chain/ModuleWidget.h"
#include "widgets/ComboBox.h"
#include "widgets/DoubleSpinBox.h"
#include "widgets/Fader.h"
#include "widgets/Knob.h"
#include "widgets/Meter.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTranslator>

#include <functional>

using namespace ChainTest;

// A user action on the module area.
using Action = std::function<void(ModuleWidget &)>;
Q_DECLARE_METATYPE(Action)

// What the processing chain pages send to the device, byte for byte and by which way (at once,
// or throttled and coalesced per key), and what they leave alone.
class ChainRequestsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<ModuleWidget> m_module;
    std::unique_ptr<WriteLog> m_log;

    DataModel &model() { return *m_device->model; }

    // The throttle's period has passed: the tick sends what is due.
    void tick(qint64 ms = 200)
    {
        m_device->clock.advance(ms);
        model().timeout();
    }

    void syncAll()
    {
        const MessageId ids[] = {{3, 1, 2},  {3, 1, 4},  {3, 1, 5},  {3, 1, 8},  {3, 1, 1},
                                 {3, 2, 1},  {3, 2, 2},  {3, 3, 1},  {3, 6, 1},  {3, 7, 1},
                                 {3, 7, 2},  {3, 7, 3},  {3, 7, 4},  {3, 7, 8},  {3, 11, 1},
                                 {3, 11, 2}, {3, 11, 3}, {3, 11, 5}, {3, 14, 1}, {2, 3, 1},
                                 {2, 3, 2},  {2, 2, 33}, {2, 2, 3}};
        for (const MessageId &id : ids)
            m_module->syncFromModel(id.type, id.subType, id.funcId, 255, 255);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        initApplicationResources();
    }

    void init()
    {
        m_device = std::make_unique<LoopbackDevice>();
        QVERIFY(m_device->connect());
        m_module = std::make_unique<ModuleWidget>(m_device->model.get());
        m_module->resize(1200, 560);
        m_device->drain();
        m_log = std::make_unique<WriteLog>(m_device->peer);
    }

    void cleanup()
    {
        m_log.reset();
        m_module.reset();
        m_device.reset();
    }

    void eachControlSendsItsRequest_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("throttled");
        const auto row = [](const char *name, Action action, const QString &expected,
                            bool throttled) {
            QTest::newRow(name) << action << expected << throttled;
        };
        const auto click = [](int page, int ch, const char *role) {
            return [=](ModuleWidget &m) {
                control<QPushButton>(strip(m, page), ch, role)->click();
            };
        };
        const auto edit = [](int page, int ch, const char *role, const char *text) {
            return [=](ModuleWidget &m) {
                typeInto(control<QLineEdit>(strip(m, page), ch, role), QLatin1String(text));
            };
        };
        const auto wheel = [](int page, int ch, const char *role) {
            return [=](ModuleWidget &m) {
                QWidget *w = control<Knob>(strip(m, page), ch, role);
                PointerEvents::wheel(w ? w : control<Fader>(strip(m, page), ch, role), 120);
            };
        };
        const auto choose = [](int page, int ch, int index) {
            return [=](ModuleWidget &m) {
                control<ComboBox>(strip(m, page), ch, "group")->setCurrentIndex(index);
            };
        };
        enum : int {
            InSetup = ModuleWidget::InSetupPage,
            Gate = ModuleWidget::GatePage,
            PreLevel = ModuleWidget::LevelPreMixPage,
            OutLevel = ModuleWidget::OutLevelPage
        };

        // The whole frame once, written out: header, product code, identity, flag, length,
        // payload, tail.
        row("input mute", click(InSetup, 3, "mute"), "827d0100 030102 01 0200 0301 7d82", false);
        row("phantom power", click(InSetup, 2, "phantom"), frame(3, 1, 5, "02 01"), false);
        row("input gain knob", wheel(InSetup, 4, ""), frame(3, 1, 8, "04 cdcccc3d"), true);
        row("input gain edit", edit(InSetup, 5, "gain", "12.5"), frame(3, 1, 8, "05 00004841"),
            false);
        // The gain as typed, not rounded to the knob's tenths.
        row("input gain edit, hundredths", edit(InSetup, 5, "gain", "12.34"),
            frame(3, 1, 8, "05 a4704541"), false);
        row(
                "input mode",
                [](ModuleWidget &m) { modeButton(m.inSetupWidget(), 6, "Line")->click(); },
                frame(3, 1, 4, "06 01"), false);
        row("gate enabled", click(Gate, 16, "enabled"),
            frame(3, 2, 2, "10 00 000082c2 0000803f 0000a041"), false);
        row("gate threshold edit", edit(Gate, 2, "threshold", "-40"),
            frame(3, 2, 2, "02 01 000020c2 0000803f 0000a041"), false);
        row("gate attack knob", wheel(Gate, 2, "attack"),
            frame(3, 2, 2, "02 01 000082c2 00000040 0000a041"), false);
        row("gate decay edit", edit(Gate, 0, "decay", "250"),
            frame(3, 2, 2, "00 01 000082c2 0000803f 00007a43"), false);
        row("feedback", click(ModuleWidget::FeedbackPage, 7, "enabled"), frame(3, 3, 1, "07 01"),
            false);
        row(
                "input delay",
                [](ModuleWidget &m) {
                    control<DoubleSpinBox>(m.inDelayWidget(), 1, "milliseconds")->setValue(12.5);
                },
                frame(3, 6, 1, "01 00004841"), true);
        row("output delay knob", wheel(ModuleWidget::OutDelayPage, 0, ""),
            frame(3, 14, 1, "00 0ad7233c"), true); // one notch: 0.01 ms
        row("pre-mix mute", click(PreLevel, 16, "mute"), frame(3, 7, 1, "10 01"), false);
        row("pre-mix invert", click(PreLevel, 3, "invert"), frame(3, 7, 3, "03 01"), false);
        row("pre-mix priority", click(PreLevel, 2, "priority"), frame(3, 7, 8, "02 01"), false);
        row("pre-mix group", choose(PreLevel, 4, 3), frame(3, 7, 4, "04 03"), false);
        row("pre-mix gain edit", edit(PreLevel, 5, "gain", "-6"), frame(3, 7, 2, "05 0000c0c0"),
            true);
        row("pre-mix fader", wheel(PreLevel, 6, ""), frame(3, 7, 2, "06 cdcccc3d"), true);
        row("out mute", click(OutLevel, 0, "mute"), frame(3, 11, 2, "00 01"), false);
        row("out invert", click(OutLevel, 15, "invert"), frame(3, 11, 4, "0f 01"), false);
        row("out group", choose(OutLevel, 1, 8), frame(3, 11, 5, "01 08"), false);
        row("out gain edit", edit(OutLevel, 2, "gain", "3.5"), frame(3, 11, 3, "02 00006040"),
            true);
    }
    void eachControlSendsItsRequest()
    {
        QFETCH(Action, action);
        QFETCH(QString, expected);
        QFETCH(bool, throttled);
        expected.remove(QLatin1Char(' '));

        action(*m_module);
        if (throttled) {
            QCOMPARE(m_log->take(), QStringList());
            QCOMPARE(int(model().pendingWrites().size()), 1);
            QCOMPARE(model().pendingWrites()[0].index, quint8(255));
            tick();
        }
        QCOMPARE(m_log->take(), QStringList {expected});
        QVERIFY(model().pendingWrites().empty());
    }

    // Every gate change goes out at once, one frame per notch, none held back for the tick.
    void gateKnobsSendEveryStepAtOnce()
    {
        Knob *threshold = control<Knob>(m_module->gateWidget(), 3, "threshold");
        for (int notch = 0; notch < 3; ++notch)
            PointerEvents::wheel(threshold, 120);
        QVERIFY(model().pendingWrites().empty());
        QCOMPARE(m_log->take(),
                 (QStringList {frame(3, 2, 2, "03 01 000080c2 0000803f 0000a041"), // -64 dB
                               frame(3, 2, 2, "03 01 00007cc2 0000803f 0000a041"),
                               frame(3, 2, 2, "03 01 000078c2 0000803f 0000a041")}));
        QCOMPARE(control<QLineEdit>(m_module->gateWidget(), 3, "threshold")->text(),
                 QString("-62"));
    }

    void unchangedDelayIsNotSent()
    {
        model().input(3).delay = 12.5f;
        m_module->syncFromModel(3, 6, 1, 3, 255);
        // The same value typed again reaches the navigator, which has nothing to send.
        emit m_module->inDelayWidget()->dataChanged(3, 12.5f);
        QVERIFY(model().pendingWrites().empty());
        QVERIFY(model().lastWrite().isClear());
    }

    void dragsSendTheLatestValueOncePerPeriod()
    {
        Knob *knob = control<Knob>(m_module->inSetupWidget(), 0);
        const QPointF centre = QRectF(knob->rect()).center();
        // Four pixels up raise the gain by 1.0 dB (0.005 of the range per pixel).
        PointerEvents::press(knob, centre);
        PointerEvents::move(knob, centre - QPointF(0, 4));
        PointerEvents::move(knob, centre - QPointF(0, 8));
        tick(100);
        QCOMPARE(m_log->take(), QStringList());
        PointerEvents::move(knob, centre - QPointF(0, 12));
        PointerEvents::move(knob, centre - QPointF(0, 16));
        QCOMPARE(int(model().pendingWrites().size()), 1);
        tick(100);
        QCOMPARE(knob->value(), 40);
        QCOMPARE(model().input(0).inputGain, 4.0f);
        QCOMPARE(m_log->take(), QStringList {frame(3, 1, 8, "00 00008040")});
        PointerEvents::move(knob, centre - QPointF(0, 24));
        tick(100);
        QCOMPARE(m_log->take(), QStringList());
        tick(100);
        QCOMPARE(m_log->take(), QStringList {frame(3, 1, 8, "00 0000c040")}); // 6.0 dB
        PointerEvents::release(knob, centre - QPointF(0, 24));

        // A fader drag likewise, keyed by its channel.
        Fader *fader = control<Fader>(m_module->preLevelWidget(), 2);
        const QPointF grip = fader->handleRect().center();
        QVERIFY(PointerEvents::press(fader, grip));
        for (int dy = 2; dy <= 30; dy += 4)
            PointerEvents::move(fader, grip + QPointF(0, dy));
        QCOMPARE(int(model().pendingWrites().size()), 1);
        tick();
        const QStringList sent = m_log->take();
        QCOMPARE(sent.size(), 1);
        const float last = fader->value();
        QVERIFY(last < 0.0f);
        QCOMPARE(model().input(2).preMixGain, last);
        QCOMPARE(sent[0],
                 QString::fromLatin1(Frame::build({3, 7, 2}, Frame::WriteRequest,
                                                  SetPayload::channelFloat(2, last))
                                             .toHex()));
        PointerEvents::release(fader, grip + QPointF(0, 30));
    }

    void refreshFromTheMirrorSendsNothing()
    {
        for (int ch = 0; ch < 17; ++ch) {
            InputChannel &in = model().input(ch);
            in.mute = ch % 2;
            in.phantom = ch % 3 == 0;
            in.inputGain = float(ch);
            in.inputMode = ch % 2;
            in.gate = GateParams {0, -30.0f, float(ch + 1), 300.0f};
            in.gateStatus = 1;
            in.feedbackEnabled = 1;
            in.delay = 10.0f * ch;
            in.preMixGain = -float(ch);
            in.preMixMute = 1;
            in.invert = 1;
            in.group = quint8(ch % 9);
            in.priority = 1;
            in.postMeter = -12;
            in.label = QStringLiteral("Mic %1").arg(ch);
            OutputChannel &out = model().output(ch);
            out.gain = -3.0f;
            out.mute = 1;
            out.group = 2;
            out.delay = 1500.0f;
        }
        model().deviceInfo().danteConnected = 1;
        syncAll();
        for (int page = 0; page < ModuleWidget::PageCount; ++page)
            m_module->stackedButtonClicked(page);
        QCOMPARE(m_log->take(), QStringList());
        QVERIFY(model().pendingWrites().empty());
        QVERIFY(model().lastWrite().isClear());

        // ... and shows what the mirror holds.
        QCOMPARE(control<Knob>(m_module->inSetupWidget(), 5)->value(), 50);
        QCOMPARE(control<QLineEdit>(m_module->gateWidget(), 4, "attack")->text(), QString("5"));
        QCOMPARE(control<DoubleSpinBox>(m_module->inDelayWidget(), 3, "milliseconds")->value(),
                 30.0);
        QCOMPARE(control<Fader>(m_module->preLevelWidget(), 7)->value(), -7.0f);
        QCOMPARE(control<ComboBox>(m_module->preLevelWidget(), 7, "group")->currentIndex(), 7);
        QCOMPARE(control<Meter>(m_module->preLevelWidget(), 7)->level(), -12);
        QCOMPARE(control<QLineEdit>(m_module->outLevelWidget(), 1, "gain")->text(),
                 QString("-3.0"));
        QCOMPARE(channelName(m_module->preLevelWidget(), 2), QString("Mic 2"));
    }

    // Entering USB mode, the pair edited as one, and leaving it.
    void usbPairEntersEditsAndLeavesTogether()
    {
        model().input(1).mute = 1;
        model().input(0).phantom = 1;
        model().input(0).inputGain = 10.0f;
        syncAll();
        InSetupWidget *setup = m_module->inSetupWidget();
        modeButton(setup, 0, "USB")->click();
        QCOMPARE(m_log->take(),
                 (QStringList {frame(3, 1, 2, "00 01"), // the unmuted one follows the muted
                               frame(3, 1, 4, "01 02"), // the partner enters first
                               frame(3, 1, 5, "00 00"), // phantom power off
                               frame(3, 1, 8, "00 00000000"), // gain back to 0 dB
                               frame(3, 1, 4, "00 02")}));
        QVERIFY(modeButton(setup, 0, "USB")->isChecked());
        QVERIFY(modeButton(setup, 1, "USB")->isChecked());
        QCOMPARE(control<QLineEdit>(setup, 0, "gain")->text(), QString("0.0"));

        control<QPushButton>(setup, 1, "mute")->click();
        QCOMPARE(m_log->take(), (QStringList {frame(3, 1, 2, "01 00"), frame(3, 1, 2, "00 00")}));
        QCOMPARE(model().input(0).mute, quint8(0));
        QVERIFY(!control<QPushButton>(setup, 0, "mute")->isChecked());

        typeInto(control<QLineEdit>(m_module->preLevelWidget(), 0, "gain"), "-10");
        QCOMPARE(int(model().pendingWrites().size()), 2);
        QCOMPARE(control<Fader>(m_module->preLevelWidget(), 1)->value(), -10.0f);
        tick();
        QStringList sent = m_log->take();
        sent.sort();
        QCOMPARE(sent,
                 (QStringList {frame(3, 7, 2, "00 000020c1"), frame(3, 7, 2, "01 000020c1")}));

        // Input 3 is no part of the pair.
        control<QPushButton>(setup, 2, "mute")->click();
        QCOMPARE(m_log->take(), QStringList {frame(3, 1, 2, "02 01")});

        // Leaving USB takes the partner along; the same mode again sends nothing.
        modeButton(setup, 1, "Mic")->click();
        QCOMPARE(m_log->take(), (QStringList {frame(3, 1, 4, "00 00"), frame(3, 1, 4, "01 00")}));
        QVERIFY(modeButton(setup, 0, "Mic")->isChecked());
        modeButton(setup, 1, "Mic")->click();
        QCOMPARE(m_log->take(), QStringList());
    }

    void groupedChannelsMoveTogether()
    {
        for (int ch : {2, 5, 9})
            model().input(ch).group = 3;
        model().input(4).group = 1;
        syncAll();
        LevelWidget *levels = m_module->preLevelWidget();

        control<QPushButton>(levels, 5, "mute")->click();
        QCOMPARE(m_log->take(), QStringList {frame(3, 7, 1, "05 01")});
        for (int ch : {2, 5, 9}) {
            QCOMPARE(model().input(ch).preMixMute, quint8(1));
            QVERIFY(control<QPushButton>(levels, ch, "mute")->isChecked());
        }
        QCOMPARE(model().input(4).preMixMute, quint8(0));

        typeInto(control<QLineEdit>(levels, 2, "gain"), "-12");
        QCOMPARE(int(model().pendingWrites().size()), 1);
        tick();
        QCOMPARE(m_log->take(), QStringList {frame(3, 7, 2, "02 000040c1")});
        for (int ch : {5, 9}) {
            QCOMPARE(model().input(ch).preMixGain, -12.0f);
            QCOMPARE(control<Fader>(levels, ch)->value(), -12.0f);
            QCOMPARE(control<QLineEdit>(levels, ch, "gain")->text(), QString("-12.0"));
        }

        // Outputs gang within the Out Level page.
        model().output(0).group = 2;
        model().output(15).group = 2;
        syncAll();
        control<QPushButton>(m_module->outLevelWidget(), 15, "invert")->click();
        QCOMPARE(m_log->take(), QStringList {frame(3, 11, 4, "0f 01")});
        QCOMPARE(model().output(0).invert, quint8(1));
    }

    void gainEditsAreLimited()
    {
        QLineEdit *gain = control<QLineEdit>(m_module->inSetupWidget(), 3, "gain");
        typeInto(gain, "80");
        QCOMPARE(gain->text(), QString("50.0"));
        QCOMPARE(model().input(3).inputGain, 50.0f);
        QCOMPARE(control<Knob>(m_module->inSetupWidget(), 3)->value(), 500);
        QCOMPARE(m_log->take(), QStringList {frame(3, 1, 8, "03 00004842")});
        typeInto(gain, "-5");
        QCOMPARE(gain->text(), QString("0.0"));
        QCOMPARE(m_log->take(), QStringList {frame(3, 1, 8, "03 00000000")});

        // Text that is no number puts the gain back and sends nothing.
        typeInto(gain, "loud");
        QCOMPARE(gain->text(), QString("0.0"));
        QCOMPARE(m_log->take(), QStringList());

        QLineEdit *threshold = control<QLineEdit>(m_module->gateWidget(), 1, "threshold");
        typeInto(threshold, "5");
        QCOMPARE(threshold->text(), QString("0"));
        typeInto(threshold, "-");
        QCOMPARE(threshold->text(), QString("0"));
        QCOMPARE(m_log->take().size(), 1);

        QLineEdit *level = control<QLineEdit>(m_module->preLevelWidget(), 0, "gain");
        model().input(0).gainMax = 6.0f;
        typeInto(level, "9");
        QCOMPARE(model().input(0).preMixGain, 6.0f); // the device's limit of this fader
        typeInto(level, "-100");
        QCOMPARE(level->text(), QString("-100.0"));
        QCOMPARE(model().input(0).preMixGain, -56.0f);
        typeInto(level, "x");
        QCOMPARE(level->text(), QString("-100.0"));
        QCOMPARE(model().input(0).preMixGain, -56.0f);
    }

    void delayControlsAgree()
    {
        DelayWidget *delays = m_module->inDelayWidget();
        control<DoubleSpinBox>(delays, 4, "meters")->setValue(10.0);
        QCOMPARE(control<DoubleSpinBox>(delays, 4, "milliseconds")->text(), QString("29.41"));
        QCOMPARE(control<DoubleSpinBox>(delays, 4, "feet")->text(), QString("32.808"));
        QCOMPARE(control<Knob>(delays, 4)->value(), 2941);
        QVERIFY(qAbs(model().input(4).delay - 29.41176f) < 1e-4f);

        control<DoubleSpinBox>(delays, 4, "feet")->setValue(3.2808);
        QCOMPARE(control<DoubleSpinBox>(delays, 4, "meters")->text(), QString("1.000"));
        QCOMPARE(control<DoubleSpinBox>(delays, 4, "milliseconds")->text(), QString("2.94"));
        PointerEvents::wheel(control<Knob>(delays, 4), 120);
        QCOMPARE(control<DoubleSpinBox>(delays, 4, "milliseconds")->text(), QString("2.95"));

        // Outputs reach 2000 ms.
        DelayWidget *outputs = m_module->outDelayWidget();
        control<DoubleSpinBox>(outputs, 0, "meters")->setValue(680.0);
        QCOMPARE(control<DoubleSpinBox>(outputs, 0, "milliseconds")->value(), 2000.0);
        QCOMPARE(control<Knob>(outputs, 0)->value(), 200000);
        QCOMPARE(model().output(0).delay, 2000.0f);
    }

    void pagesTellThePollWhatIsShown()
    {
        QCOMPARE(model().currentModule(), int(ModuleWidget::LevelPreMixPage));
        QCOMPARE(m_module->currentPage(), int(ModuleWidget::LevelPreMixPage));
        model().setCurrentChannel(7);
        m_module->pageButton(ModuleWidget::GatePage)->click();
        QCOMPARE(model().currentModule(), int(ModuleWidget::GatePage));
        QCOMPARE(model().currentChannel(), quint8(7));
        m_module->pageButton(ModuleWidget::InFilterPage)->click();
        QCOMPARE(model().currentModule(), int(ModuleWidget::InFilterPage));
        QCOMPARE(model().currentChannel(), quint8(0));
        QVERIFY(m_module->pageButton(ModuleWidget::InFilterPage)->isChecked());

        const QStringList texts = QString("In Setup,Gate,AGC,Feedback,In Filter,In Limiter,"
                                          "In Delay,ANC,AEC,Level Pre Mix,Matrix,Auto Mixer,"
                                          "Signal Generator,Out Level,Out Filter,Out Limiter,"
                                          "Out Delay")
                                          .split(',');
        for (int page = 0; page < ModuleWidget::PageCount; ++page)
            QCOMPARE(m_module->pageButton(page)->text(), texts[page]);
    }

    // Only the page on screen is built at start; the others are built on first use, in their
    // place in the stack, with what they missed meanwhile.
    void pagesAreBuiltOnFirstUse()
    {
        for (int page = 0; page < ModuleWidget::PageCount; ++page)
            QCOMPARE(m_module->isPageBuilt(page), page == ModuleWidget::LevelPreMixPage);
        model().deviceInfo().dspVersion = {1, 1, 43};
        model().input(2).gate.attack = 12.0f;
        syncAll();
        QVERIFY(!m_module->isPageBuilt(ModuleWidget::InSetupPage));
        QVERIFY(!m_module->isPageBuilt(ModuleWidget::GatePage));

        m_module->pageButton(ModuleWidget::InSetupPage)->click();
        auto *stack = m_module->findChild<QStackedWidget *>();
        QCOMPARE(stack->count(), int(ModuleWidget::PageCount));
        QCOMPARE(stack->currentWidget(), m_module->page(ModuleWidget::InSetupPage));
        QVERIFY(modeButton(m_module->inSetupWidget(), 0, "USB")->isHidden());
        QCOMPARE(control<QLineEdit>(m_module->gateWidget(), 2, "attack")->text(), QString("12"));
        QCOMPARE(stack->indexOf(m_module->page(ModuleWidget::AecPage)), int(ModuleWidget::AecPage));
        QCOMPARE(stack->currentIndex(), int(ModuleWidget::InSetupPage));
        QCOMPARE(m_log->take(), QStringList());
    }

    void configurationHidesChannelsAndMarksDante()
    {
        // "8x8+Dante4x4" outside boot mode 2.
        m_module->applyChannelConfig(0x30F, 0x30F, 0xF0, 0xF0);
        LevelWidget *inputs = m_module->preLevelWidget();
        for (int ch = 0; ch < 17; ++ch) {
            const bool present = ch < 8 || (ch >= 12 && ch < 16);
            QCOMPARE(inputs->isChannelPresent(ch), present);
            QCOMPARE(inputs->channelWidget(ch)->isHidden(), !present);
            QCOMPARE(inputs->isDanteChannel(ch), ch >= 12 && ch < 16);
        }
        QCOMPARE(m_module->outLevelWidget()->isChannelPresent(9), false);
        QVERIFY(!m_module->outDelayWidget()->channelWidget(13)->isHidden());

        model().setDanteChannelNames(0xF0, 0xF0);
        model().input(3).label = QStringLiteral("Lectern");
        syncAll();
        QCOMPARE(channelName(m_module->gateWidget(), 3), QString("Lectern"));
        QCOMPARE(channelName(m_module->gateWidget(), 12), QString("Dante-RX 1"));
        QCOMPARE(channelName(m_module->outDelayWidget(), 15), QString("Dante-TX 4"));
        model().input(3).label.clear();
        m_module->syncFromModel(2, 3, 1, 3, 255);
        QCOMPARE(channelName(m_module->gateWidget(), 3), QString("IN 4"));
    }

    void languageSwitchRetitlesThePages()
    {
        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral(":/translation/chs.qm")));
        QCoreApplication::installTranslator(&chinese);
        QCoreApplication::processEvents(); // the language change reaches the windows posted
        QCOMPARE(m_module->pageButton(ModuleWidget::LevelPreMixPage)->text(),
                 QString::fromUtf8("混音前电平"));
        QCOMPARE(control<QPushButton>(m_module->preLevelWidget(), 0, "mute")->text(),
                 QString::fromUtf8("静音"));
        QCOMPARE(modeButton(m_module->inSetupWidget(), 0, QString::fromUtf8("话筒")) != nullptr,
                 true);
        QCoreApplication::removeTranslator(&chinese);
        QCoreApplication::processEvents();
        QCOMPARE(m_module->pageButton(ModuleWidget::LevelPreMixPage)->text(),
                 QString("Level Pre Mix"));
    }

    void buildingReportsProgress()
    {
        QList<int> values;
        ModuleWidget module(&model(), nullptr, [&values](int value) { values << value; });
        QCOMPARE(values, (QList<int> {55, 60, 65, 70, 75, 80, 85, 90, 95}));
    }

    void firmwareDecidesTheUsbMode()
    {
        // The rule itself is FirmwareVersionTest's; here the button follows the report.
        for (const quint8 patch : {43, 44}) {
            model().deviceInfo().dspVersion = {6, 1, patch};
            m_module->syncFromModel(2, 2, 3, 255, 255);
            const bool usb = patch == 44;
            QCOMPARE(m_module->firmwareFeatures().usbInputMode, usb);
            QCOMPARE(modeButton(m_module->inSetupWidget(), 0, "USB")->isHidden(), !usb);
        }
    }
};

QTEST_MAIN(ChainRequestsTest)
#include "ChainRequestsTest.moc"
