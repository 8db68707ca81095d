#include "editors/chain/ChainTestSupport.h"

#include "model/LoopbackDevice.h"
#include "widgets/PointerEvents.h"

#include "editors/chain/ModuleWidget.h"
#include "editors/dynamics/AGCGraph.h"
#include "editors/dynamics/AGCWidget.h"
#include "editors/dynamics/ChannelButtonBar.h"
#include "editors/dynamics/DynamicsControl.h"
#include "editors/dynamics/LimiterGraph.h"
#include "editors/dynamics/LimiterWidget.h"
#include "widgets/ChannelCopyDialog.h"
#include "widgets/Knob.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/Resources.h"

#include <QCheckBox>
#include <QPushButton>

#include <functional>

using namespace ChainTest;

// A setting of the mirror as one control of a page shows it.
using Field = std::function<float(DataModel &, int channel)>;
Q_DECLARE_METATYPE(Field)

// The limiter and AGC pages: what each control shows and sends, the limits of its edit, reset
// and copy, and that choosing a channel or a reply from the device only shows values.
class DynamicsEditorsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<ModuleWidget> m_module;
    std::unique_ptr<WriteLog> m_log;

    DataModel &model() { return *m_device->model; }

    // The throttle's period has passed: the tick sends what is due.
    void tick()
    {
        m_device->clock.advance(200);
        model().timeout();
    }

    DynamicsEditor *show(int page)
    {
        m_module->stackedButtonClicked(page);
        return qobject_cast<DynamicsEditor *>(m_module->page(page));
    }

    static DynamicsControl *controlOf(DynamicsEditor *editor, const QString &role)
    {
        return editor->findChild<DynamicsControl *>(role + QStringLiteral("Control"));
    }

    static void selectChannel(DynamicsEditor *editor, int channel)
    {
        editor->channelBar()->button(channel)->click();
    }

    // Turns a knob by hand as far as it goes one way.
    static void turnFully(Knob *knob, bool up)
    {
        const QPointF centre(knob->width() / 2.0, knob->height() / 2.0);
        QVERIFY(PointerEvents::press(knob, centre));
        const double far = up ? -20000.0 : 20000.0;
        for (int i = 1; i <= 10; ++i)
            PointerEvents::move(knob, centre + QPointF(-far * i / 10, far * i / 10));
        PointerEvents::release(knob, centre + QPointF(-far, far));
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
        MessageBox::clearHistory();
    }

    void cleanup()
    {
        MessageBox::setResponder({});
        ChannelCopyDialog::setResponder({});
        m_log.reset();
        m_module.reset();
        m_device.reset();
    }

    void editsAreLimitedToTheirRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("sent");
        // Channel 2 of the input limiter: enabled 0, threshold, ratio 2, attack 10, decay 151.
        const auto limiter = [](const char *threshold) {
            const QByteArray payload =
                    QByteArray("02 00 ").append(threshold).append(" 00000040 00002041 00001743");
            return QStringList {frame(3, 5, 1, payload.constData())};
        };
        QTest::newRow("above the maximum") << "30"
                                           << "18.0" << limiter("00009041");
        QTest::newRow("below the minimum") << "-200"
                                           << "-100.0" << limiter("0000c8c2");
        QTest::newRow("rounded to a tenth") << " -12.34 "
                                            << "-12.3" << limiter("cdcc44c1");
        QTest::newRow("not a number restores") << "loud"
                                               << "0.0" << QStringList();
        QTest::newRow("the same value sends nothing") << "0"
                                                      << "0.0" << QStringList();
    }

    void editsAreLimitedToTheirRange()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, sent);
        DynamicsEditor *limiter = show(ModuleWidget::InLimiterPage);
        selectChannel(limiter, 2);
        QCOMPARE(model().currentChannel(), quint8(2));
        DynamicsControl *threshold = controlOf(limiter, QStringLiteral("threshold"));
        typeInto(threshold->edit(), typed);
        QCOMPARE(threshold->edit()->text(), shown);
        QCOMPARE(threshold->knob()->value(), int(shown.toDouble() * 10));
        QCOMPARE(model().input(2).limiter.threshold, shown.toFloat());
        QCOMPARE(m_module->inLimiterWidget()->graph()->threshold(), double(shown.toFloat()));
        tick();
        QCOMPARE(m_log->take(), sent);
    }

    void knobAndEditAgreeAtBothEnds_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QString>("lowText");
        QTest::addColumn<QString>("highText");
        QTest::addColumn<Field>("field");
        const auto in = [](float LimiterParams::*f) {
            return Field([f](DataModel &m, int ch) { return m.input(ch).limiter.*f; });
        };
        const auto out = [](float LimiterParams::*f) {
            return Field([f](DataModel &m, int ch) { return m.output(ch).limiter.*f; });
        };
        const auto agc = [](float AgcParams::*f) {
            return Field([f](DataModel &m, int ch) { return m.input(ch).agc.*f; });
        };
        const int inPage = ModuleWidget::InLimiterPage;
        const int outPage = ModuleWidget::OutLimiterPage;
        const int agcPage = ModuleWidget::AgcPage;
        QTest::newRow("in threshold") << inPage << "threshold" << -1000 << 180 << "-100.0"
                                      << "18.0" << in(&LimiterParams::threshold);
        QTest::newRow("in ratio") << inPage << "ratio" << 1 << 100 << "1"
                                  << "100" << in(&LimiterParams::ratio);
        QTest::newRow("in attack") << inPage << "attack" << 1 << 1000 << "1"
                                   << "1000" << in(&LimiterParams::attack);
        QTest::newRow("in decay") << inPage << "decay" << 5 << 1000 << "5"
                                  << "1000" << in(&LimiterParams::release);
        QTest::newRow("in gain") << inPage << "gain" << 0 << 200 << "0.0"
                                 << "20.0" << Field([](DataModel &m, int ch) {
                                        return m.input(ch).limiterGain;
                                    });
        QTest::newRow("out threshold") << outPage << "threshold" << -1000 << 180 << "-100.0"
                                       << "18.0" << out(&LimiterParams::threshold);
        QTest::newRow("out ratio") << outPage << "ratio" << 1 << 100 << "1"
                                   << "100" << out(&LimiterParams::ratio);
        QTest::newRow("out attack") << outPage << "attack" << 1 << 1000 << "1"
                                    << "1000" << out(&LimiterParams::attack);
        QTest::newRow("out decay") << outPage << "decay" << 5 << 1000 << "5"
                                   << "1000" << out(&LimiterParams::release);
        QTest::newRow("agc threshold") << agcPage << "threshold" << -1200 << 0 << "-120.0"
                                       << "0.0" << agc(&AgcParams::threshold);
        QTest::newRow("agc target") << agcPage << "target" << -1200 << 0 << "-120.0"
                                    << "0.0" << agc(&AgcParams::target);
        QTest::newRow("agc ratio") << agcPage << "ratio" << 10 << 1000 << "1.0"
                                   << "100.0" << agc(&AgcParams::ratio);
        QTest::newRow("agc attack") << agcPage << "attack" << 20 << 1000 << "20"
                                    << "1000" << agc(&AgcParams::attack);
        QTest::newRow("agc decay") << agcPage << "decay" << 20 << 1000 << "20"
                                   << "1000" << agc(&AgcParams::release);
    }

    void knobAndEditAgreeAtBothEnds()
    {
        QFETCH(int, page);
        QFETCH(QString, role);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QString, lowText);
        QFETCH(QString, highText);
        QFETCH(Field, field);
        DynamicsEditor *editor = show(page);
        m_module->show();
        selectChannel(editor, 3);
        DynamicsControl *control = controlOf(editor, role);
        QVERIFY(control && control->isVisible());
        QCOMPARE(control->knob()->minimum(), low);
        QCOMPARE(control->knob()->maximum(), high);

        turnFully(control->knob(), false);
        QCOMPARE(control->knob()->value(), low);
        QCOMPARE(control->edit()->text(), lowText);
        QCOMPARE(field(model(), 3), lowText.toFloat());
        typeInto(control->edit(), highText);
        QCOMPARE(control->knob()->value(), high);
        QCOMPARE(field(model(), 3), highText.toFloat());

        turnFully(control->knob(), true); // already there
        QCOMPARE(control->edit()->text(), highText);
        typeInto(control->edit(), lowText);
        QCOMPARE(control->knob()->value(), low);
        QCOMPARE(field(model(), 3), lowText.toFloat());
        turnFully(control->knob(), true);
        QCOMPARE(control->edit()->text(), highText);
        QCOMPARE(field(model(), 3), highText.toFloat());
        // Nothing of another channel moved.
        QCOMPARE(field(model(), 2), field(model(), 4));
    }

    void outputLimitersHaveNoGain()
    {
        m_module->show();
        show(ModuleWidget::OutLimiterPage);
        QVERIFY(!controlOf(m_module->outLimiterWidget(), "gain")->isVisible());
        QCOMPARE(m_module->outLimiterWidget()->channelCount(), 16);
        QCOMPARE(m_module->inLimiterWidget()->channelCount(), 17);
        QCOMPARE(m_module->agcWidget()->channelCount(), 16);
    }

    void eachControlSendsItsRequest_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("in limiter ratio")
                << int(ModuleWidget::InLimiterPage) << "ratio"
                << "4" << frame(3, 5, 1, "01 00 00000000 00008040 00002041 00001743");
        QTest::newRow("in limiter gain") << int(ModuleWidget::InLimiterPage) << "gain"
                                         << "3.5" << frame(3, 5, 4, "01 00006040");
        QTest::newRow("out limiter attack")
                << int(ModuleWidget::OutLimiterPage) << "attack"
                << "20" << frame(3, 13, 1, "01 00 00000000 00000040 0000a041 00001743");
        QTest::newRow("agc target")
                << int(ModuleWidget::AgcPage) << "target"
                << "-6" << frame(3, 16, 1, "01 00 0000f0c1 0000c0c0 00000040 0000a041 0000a041");
    }

    void eachControlSendsItsRequest()
    {
        QFETCH(int, page);
        QFETCH(QString, role);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        DynamicsEditor *editor = show(page);
        selectChannel(editor, 1);
        typeInto(controlOf(editor, role)->edit(), typed);
        QCOMPARE(m_log->take(), QStringList()); // throttled
        tick();
        QCOMPARE(m_log->take(), QStringList {expected});
    }

    void enabledSwitchesTheGraph()
    {
        auto *limiter = static_cast<LimiterWidget *>(show(ModuleWidget::InLimiterPage));
        QVERIFY(limiter->graph()->bypass());
        limiter->enabledButton()->click();
        QVERIFY(!limiter->graph()->bypass());
        QCOMPARE(model().input(0).limiter.enabled, quint8(1));
        auto *agc = static_cast<AGCWidget *>(show(ModuleWidget::AgcPage));
        QVERIFY(agc->graph()->bypass());
        agc->enabledButton()->click();
        QVERIFY(!agc->graph()->bypass());
        tick();
        QStringList sent = m_log->take();
        sent.sort(); // the throttle keeps no order between modules
        QCOMPARE(sent,
                 (QStringList {
                         frame(3, 5, 1, "00 01 00000000 00000040 00002041 00001743"),
                         frame(3, 16, 1, "00 01 0000f0c1 0000a0c1 00000040 0000a041 0000a041")}));
    }

    void resetAsksThenRestoresTheDefaults_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("in limiter")
                << int(ModuleWidget::InLimiterPage)
                << "Are you sure that you want to reset the limiter of the selected channel?"
                << QStringList {frame(3, 5, 3, "03"), frame(3, 5, 4, "03 00000000")};
        QTest::newRow("out limiter")
                << int(ModuleWidget::OutLimiterPage)
                << "Are you sure that you want to reset the limiter of the selected channel?"
                << QStringList {frame(3, 13, 3, "03")};
        QTest::newRow("agc") << int(ModuleWidget::AgcPage)
                             << "Are you sure that you want to reset the agc of the selected "
                                "channel?"
                             << QStringList {frame(3, 16, 3, "03")};
    }

    void resetAsksThenRestoresTheDefaults()
    {
        QFETCH(int, page);
        QFETCH(QString, question);
        QFETCH(QStringList, sent);
        model().input(3).limiter = LimiterParams {1, -20.0f, 8.0f, 50.0f, 400.0f};
        model().input(3).limiterGain = 6.0f;
        model().output(3).limiter = LimiterParams {1, -10.0f, 3.0f, 5.0f, 40.0f};
        model().input(3).agc = AgcParams {1, -50.0f, -10.0f, 4.0f, 100.0f, 300.0f};
        DynamicsEditor *editor = show(page);
        selectChannel(editor, 3);
        QVERIFY(editor->enabledButton()->isChecked());

        MessageBox::setResponder([](const MessageBox::Request &) { return 1; }); // "Cancel"
        editor->resetButton()->click();
        tick();
        QCOMPARE(m_log->take(), QStringList());
        QVERIFY(editor->enabledButton()->isChecked());

        MessageBox::setResponder([](const MessageBox::Request &) { return 0; }); // "Reset"
        editor->resetButton()->click();
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().last().text, question);
        QCOMPARE(MessageBox::history().last().buttons, (QStringList {"Reset", "Cancel"}));
        tick();
        QCOMPARE(m_log->take(), sent);

        QVERIFY(!editor->enabledButton()->isChecked());
        if (page == ModuleWidget::AgcPage) {
            QCOMPARE(model().input(3).agc, AgcParams());
            QCOMPARE(controlOf(editor, "threshold")->edit()->text(), QString("-30.0"));
            QCOMPARE(controlOf(editor, "target")->edit()->text(), QString("-20.0"));
            QCOMPARE(controlOf(editor, "ratio")->edit()->text(), QString("2.0"));
            QCOMPARE(controlOf(editor, "attack")->edit()->text(), QString("20"));
            QCOMPARE(controlOf(editor, "decay")->edit()->text(), QString("20"));
            QCOMPARE(model().input(3).limiter.threshold, -20.0f); // other modules untouched
        } else {
            const bool inputs = page == ModuleWidget::InLimiterPage;
            QCOMPARE(inputs ? model().input(3).limiter : model().output(3).limiter,
                     LimiterParams());
            QCOMPARE(model().input(3).limiterGain, inputs ? 0.0f : 6.0f);
            QCOMPARE(controlOf(editor, "threshold")->edit()->text(), QString("0.0"));
            QCOMPARE(controlOf(editor, "ratio")->edit()->text(), QString("2"));
            QCOMPARE(controlOf(editor, "attack")->edit()->text(), QString("10"));
            QCOMPARE(controlOf(editor, "decay")->edit()->text(), QString("151"));
        }
    }

    void copyGoesToTheChosenChannels_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("wideMasks");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");
        // Source channel 1; inputs 3 and 5 (mask 0x28), output 2 (mask 0x04).
        QTest::newRow("in limiter")
                << int(ModuleWidget::InLimiterPage) << false << "Limiter Copy - Copy IN 2 to"
                << frame(3, 5, 2, "01 2800 0400");
        QTest::newRow("in limiter, wide masks")
                << int(ModuleWidget::InLimiterPage) << true << "Limiter Copy - Copy IN 2 to"
                << frame(3, 5, 2, "01 2800 0400 0000 0000");
        QTest::newRow("out limiter")
                << int(ModuleWidget::OutLimiterPage) << false << "Limiter Copy - Copy OUT 2 to"
                << frame(3, 13, 2, "01 2800 0400");
        QTest::newRow("agc, inputs only")
                << int(ModuleWidget::AgcPage) << false << "AGC Copy - Copy IN 2 to"
                << frame(3, 16, 2, "01 2800");
    }

    void copyGoesToTheChosenChannels()
    {
        QFETCH(int, page);
        QFETCH(bool, wideMasks);
        QFETCH(QString, title);
        QFETCH(QString, expected);
        if (wideMasks)
            model().deviceInfo().dspVersion = {5, 0, 2};
        const LimiterParams limiter {1, -12.0f, 6.0f, 30.0f, 200.0f};
        const AgcParams agc {1, -40.0f, -15.0f, 3.0f, 60.0f, 90.0f};
        model().input(1).limiter = limiter;
        model().input(1).limiterGain = 4.5f;
        model().output(1).limiter = limiter;
        model().input(1).agc = agc;
        DynamicsEditor *editor = show(page);
        selectChannel(editor, 1);

        bool offeredItself = false;
        int outputsOffered = -1;
        QString shownTitle;
        ChannelCopyDialog::setResponder([&](ChannelCopyDialog &dialog) {
            shownTitle = dialog.windowTitle();
            const bool sourceIsInput = editor->side() == DynamicsEditor::Inputs;
            for (QCheckBox *box : sourceIsInput ? dialog.inputBoxes() : dialog.outputBoxes())
                offeredItself |= box->property("channel").toInt() == 1;
            outputsOffered = dialog.outputBoxes().size();
            for (QCheckBox *box : dialog.inputBoxes())
                box->setChecked(box->property("channel").toInt() == 3
                                || box->property("channel").toInt() == 5);
            for (QCheckBox *box : dialog.outputBoxes())
                box->setChecked(box->property("channel").toInt() == 2);
            return std::optional<ChannelCopyDialog::Selection>(dialog.selection());
        });
        editor->copyToButton()->click();
        QCOMPARE(shownTitle, title);
        QVERIFY(!offeredItself);
        QCOMPARE(m_log->take(), QStringList {expected});

        if (page == ModuleWidget::AgcPage) {
            QCOMPARE(outputsOffered, 0);
            QCOMPARE(model().input(3).agc, agc);
            QCOMPARE(model().input(5).agc, agc);
            QCOMPARE(model().input(4).agc, AgcParams());
        } else {
            QCOMPARE(outputsOffered, page == ModuleWidget::InLimiterPage ? 16 : 15);
            QCOMPARE(model().input(3).limiter, limiter);
            QCOMPARE(model().input(5).limiter, limiter);
            QCOMPARE(model().output(2).limiter, limiter);
            QCOMPARE(model().input(4).limiter, LimiterParams());
            QCOMPARE(model().output(3).limiter, LimiterParams());
            // The gain goes with an input limiter's copy only.
            const float gain = page == ModuleWidget::InLimiterPage ? 4.5f : 0.0f;
            QCOMPARE(model().input(3).limiterGain, gain);
        }

        // "Cancel" copies nothing and sends nothing.
        ChannelCopyDialog::setResponder(
                [](ChannelCopyDialog &) { return std::optional<ChannelCopyDialog::Selection>(); });
        editor->copyToButton()->click();
        QCOMPARE(m_log->take(), QStringList());
    }

    // A change still in the throttle when the user resets or copies: the device ends with the
    // reset's values, and copies the changed record.
    void changeJustBeforeResetOrCopy_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QStringList>("atOnce");
        QTest::addColumn<QStringList>("afterPeriod");
        const int in = ModuleWidget::InLimiterPage;
        const int agc = ModuleWidget::AgcPage;
        const QString limiterAt10 = frame(3, 5, 1, "01 00 000020c1 00000040 00002041 00001743");
        const QString agcAt10 =
                frame(3, 16, 1, "01 00 000020c1 0000a0c1 00000040 0000a041 0000a041");
        QTest::newRow("limiter reset")
                << in << true << QStringList {frame(3, 5, 3, "01")}
                << QStringList {frame(3, 5, 1, "01 00 00000000 00000040 00002041 00001743"),
                                frame(3, 5, 4, "01 00000000")};
        QTest::newRow("limiter copy")
                << in << false << QStringList {limiterAt10, frame(3, 5, 2, "01 0800 0000")}
                << QStringList {limiterAt10};
        QTest::newRow("agc reset")
                << agc << true << QStringList {frame(3, 16, 3, "01")}
                << QStringList {
                           frame(3, 16, 1, "01 00 0000f0c1 0000a0c1 00000040 0000a041 0000a041")};
        QTest::newRow("agc copy") << agc << false
                                  << QStringList {agcAt10, frame(3, 16, 2, "01 0800")}
                                  << QStringList {agcAt10};
    }

    void changeJustBeforeResetOrCopy()
    {
        QFETCH(int, page);
        QFETCH(bool, reset);
        QFETCH(QStringList, atOnce);
        QFETCH(QStringList, afterPeriod);
        MessageBox::setResponder([](const MessageBox::Request &) { return 0; });
        ChannelCopyDialog::setResponder([](ChannelCopyDialog &) {
            return std::optional<ChannelCopyDialog::Selection>({1u << 3, 0});
        });
        DynamicsEditor *editor = show(page);
        selectChannel(editor, 1);
        typeInto(controlOf(editor, "threshold")->edit(), "-10");
        (reset ? editor->resetButton() : editor->copyToButton())->click();
        QCOMPARE(m_log->take(), atOnce);
        tick();
        QStringList sent = m_log->take();
        sent.sort();
        QCOMPARE(sent, afterPeriod);
    }

    void channelChoiceAndRepliesOnlyShow_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("subType");
        QTest::newRow("in limiter") << int(ModuleWidget::InLimiterPage) << 5;
        QTest::newRow("out limiter") << int(ModuleWidget::OutLimiterPage) << 13;
        QTest::newRow("agc") << int(ModuleWidget::AgcPage) << 16;
    }

    void channelChoiceAndRepliesOnlyShow()
    {
        QFETCH(int, page);
        QFETCH(int, subType);
        model().input(6).limiter.threshold = -33.3f;
        model().output(6).limiter.threshold = -33.3f;
        model().input(6).agc.threshold = -33.3f;
        DynamicsEditor *editor = show(page);
        DynamicsControl *threshold = controlOf(editor, "threshold");
        selectChannel(editor, 6);
        QCOMPARE(threshold->edit()->text(), QString("-33.3"));
        QCOMPARE(model().currentChannel(), quint8(6));

        // A reply for the channel on screen shows; one for another channel does not disturb it.
        model().input(6).limiter.threshold = -44.4f;
        model().output(6).limiter.threshold = -44.4f;
        model().input(6).agc.threshold = -44.4f;
        m_module->syncFromModel(3, uchar(subType), 1, 2, 255);
        QCOMPARE(threshold->edit()->text(), QString("-33.3"));
        m_module->syncFromModel(3, uchar(subType), 1, 6, 255);
        QCOMPARE(threshold->edit()->text(), QString("-44.4"));
        QCOMPARE(threshold->knob()->value(), -444);

        // Away and back: the poll reads the channel on screen again.
        m_module->stackedButtonClicked(ModuleWidget::LevelPreMixPage);
        m_module->stackedButtonClicked(page);
        QCOMPARE(model().currentChannel(), quint8(6));
        tick();
        QCOMPARE(m_log->take(), QStringList());
    }

    void agcGraphGeometry()
    {
        AGCGraph graph;
        graph.resize(440, 340);
        QCOMPARE(graph.plotRect(), QRectF(30, 15, 400, 300));
        graph.setBypass(false);
        // -30 dB in: x 30 + 400 * 90/120; the step up to -25 dB: y 15 + 300 * 25/120.
        const QPolygonF expected(QVector<QPointF> {{30, 315}, {330, 90}, {330, 77.5}, {430, 40}});
        QCOMPARE(graph.curve(), expected);
        graph.setBypass(true);
        QCOMPARE(graph.curve(), QPolygonF(QVector<QPointF> {{30, 315}, {430, 15}}));
    }
};

QTEST_MAIN(DynamicsEditorsTest)
#include "DynamicsEditorsTest.moc"
