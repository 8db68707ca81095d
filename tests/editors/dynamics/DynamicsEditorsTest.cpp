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

// A control's range: its page and role, the knob's ends, the texts shown there, its setting.
struct Range
{
    int page;
    QString role;
    int low, high;
    QString lowText, highText;
    Field field;
};
Q_DECLARE_METATYPE(Range)

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

    // Typed values: limited, rounded, sent once the throttle's period is over.
    void eachEditSendsItsRequest_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("sent");
        const auto row = [](const char *name, int page, const char *role, const char *typed,
                            const char *shown, QStringList sent) {
            QTest::newRow(name) << page << QString(role) << QString(typed) << QString(shown)
                                << sent;
        };
        // Channel 1 of the input limiter: enabled 0, threshold, ratio 2, attack 10, decay 151.
        const auto limiter = [](const char *threshold) {
            return QStringList {frame(3, 5, 1,
                                      QByteArray("01 00 ")
                                              .append(threshold)
                                              .append(" 00000040 00002041 00001743")
                                              .constData())};
        };
        const int in = ModuleWidget::InLimiterPage;
        row("above the maximum", in, "threshold", "30", "18.0", limiter("00009041"));
        row("below the minimum", in, "threshold", "-200", "-100.0", limiter("0000c8c2"));
        row("rounded to a tenth", in, "threshold", " -12.34 ", "-12.3", limiter("cdcc44c1"));
        row("not a number restores", in, "threshold", "loud", "0.0", {});
        row("the same value sends nothing", in, "threshold", "0", "0.0", {});
        row("in limiter ratio", in, "ratio", "4", "4",
            {frame(3, 5, 1, "01 00 00000000 00008040 00002041 00001743")});
        row("in limiter gain", in, "gain", "3.5", "3.5", {frame(3, 5, 4, "01 00006040")});
        row("out limiter attack", ModuleWidget::OutLimiterPage, "attack", "20", "20",
            {frame(3, 13, 1, "01 00 00000000 00000040 0000a041 00001743")});
        row("agc target", ModuleWidget::AgcPage, "target", "-6", "-6.0",
            {frame(3, 16, 1, "01 00 0000f0c1 0000c0c0 00000040 0000a041 0000a041")});
    }

    void eachEditSendsItsRequest()
    {
        QFETCH(int, page);
        QFETCH(QString, role);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, sent);
        DynamicsEditor *editor = show(page);
        selectChannel(editor, 1);
        QCOMPARE(model().currentChannel(), quint8(1));
        typeInto(controlOf(editor, role)->edit(), typed);
        QCOMPARE(controlOf(editor, role)->edit()->text(), shown);
        if (role == "threshold")
            QCOMPARE(m_module->inLimiterWidget()->graph()->threshold(), double(shown.toFloat()));
        QCOMPARE(m_log->take(), QStringList()); // throttled
        tick();
        QCOMPARE(m_log->take(), sent);
    }

    void knobAndEditAgreeAtBothEnds_data()
    {
        QTest::addColumn<Range>("range");
        const auto row = [](int page, const char *role, int low, int high, const char *lowText,
                            const char *highText, Field field) {
            QTest::addRow("page %d %s", page, role)
                    << Range {page, role, low, high, lowText, highText, field};
        };
        for (const int page : {ModuleWidget::InLimiterPage, ModuleWidget::OutLimiterPage}) {
            const bool in = page == ModuleWidget::InLimiterPage;
            const auto f = [in](float LimiterParams::*f) {
                return Field([in, f](DataModel &m, int ch) {
                    return (in ? m.input(ch).limiter : m.output(ch).limiter).*f;
                });
            };
            row(page, "threshold", -1000, 180, "-100.0", "18.0", f(&LimiterParams::threshold));
            row(page, "ratio", 1, 100, "1", "100", f(&LimiterParams::ratio));
            row(page, "attack", 1, 1000, "1", "1000", f(&LimiterParams::attack));
            row(page, "decay", 5, 1000, "5", "1000", f(&LimiterParams::release));
        }
        row(ModuleWidget::InLimiterPage, "gain", 0, 200, "0.0", "20.0",
            [](DataModel &m, int ch) { return m.input(ch).limiterGain; });
        const auto agc = [](float AgcParams::*f) {
            return Field([f](DataModel &m, int ch) { return m.input(ch).agc.*f; });
        };
        const int page = ModuleWidget::AgcPage;
        row(page, "threshold", -1200, 0, "-120.0", "0.0", agc(&AgcParams::threshold));
        row(page, "target", -1200, 0, "-120.0", "0.0", agc(&AgcParams::target));
        row(page, "ratio", 10, 1000, "1.0", "100.0", agc(&AgcParams::ratio));
        row(page, "attack", 20, 1000, "20", "1000", agc(&AgcParams::attack));
        row(page, "decay", 20, 1000, "20", "1000", agc(&AgcParams::release));
    }

    void knobAndEditAgreeAtBothEnds()
    {
        QFETCH(Range, range);
        DynamicsEditor *editor = show(range.page);
        m_module->show();
        selectChannel(editor, 3);
        DynamicsControl *control = controlOf(editor, range.role);
        QVERIFY(control && control->isVisible());
        const auto isAt = [&](int value, const QString &text) {
            return control->knob()->value() == value && control->edit()->text() == text
                    && range.field(model(), 3) == text.toFloat();
        };
        turnFully(control->knob(), false);
        QVERIFY(isAt(range.low, range.lowText));
        typeInto(control->edit(), range.highText);
        QVERIFY(isAt(range.high, range.highText));
        typeInto(control->edit(), range.lowText);
        QVERIFY(isAt(range.low, range.lowText));
        turnFully(control->knob(), true);
        QVERIFY(isAt(range.high, range.highText));
        // Nothing of another channel moved.
        QCOMPARE(range.field(model(), 2), range.field(model(), 4));
        // Output limiters have no gain.
        if (range.page == ModuleWidget::OutLimiterPage)
            QVERIFY(!controlOf(editor, "gain")->isVisible());
    }

    void enabledSwitchesTheGraph()
    {
        auto *limiter = static_cast<LimiterWidget *>(show(ModuleWidget::InLimiterPage));
        QVERIFY(limiter->graph()->bypass());
        limiter->enabledButton()->click();
        QVERIFY(!limiter->graph()->bypass());
        auto *agc = static_cast<AGCWidget *>(show(ModuleWidget::AgcPage));
        QVERIFY(agc->graph()->bypass());
        agc->enabledButton()->click();
        QVERIFY(!agc->graph()->bypass());
        QCOMPARE(m_module->inLimiterWidget()->channelCount(), 17);
        QCOMPARE(m_module->outLimiterWidget()->channelCount(), 16);
        QCOMPARE(m_module->agcWidget()->channelCount(), 16);
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
        QTest::addColumn<QStringList>("shown"); // threshold, target, ratio, attack, decay
        const QString limiter =
                "Are you sure that you want to reset the limiter of the selected channel?";
        const QStringList limiterDefaults {"0.0", "2", "10", "151"};
        QTest::newRow("in limiter")
                << int(ModuleWidget::InLimiterPage) << limiter
                << QStringList {frame(3, 5, 3, "03"), frame(3, 5, 4, "03 00000000")}
                << limiterDefaults;
        QTest::newRow("out limiter") << int(ModuleWidget::OutLimiterPage) << limiter
                                     << QStringList {frame(3, 13, 3, "03")} << limiterDefaults;
        QTest::newRow("agc") << int(ModuleWidget::AgcPage)
                             << "Are you sure that you want to reset the agc of the selected "
                                "channel?"
                             << QStringList {frame(3, 16, 3, "03")}
                             << QStringList {"-30.0", "-20.0", "2.0", "20", "20"};
    }

    void resetAsksThenRestoresTheDefaults()
    {
        QFETCH(int, page);
        QFETCH(QString, question);
        QFETCH(QStringList, sent);
        QFETCH(QStringList, shown);
        model().input(3).limiter = LimiterParams {1, -20.0f, 8.0f, 50.0f, 400.0f};
        model().input(3).limiterGain = 6.0f;
        model().output(3).limiter = LimiterParams {1, -10.0f, 3.0f, 5.0f, 40.0f};
        model().input(3).agc = AgcParams {1, -50.0f, -10.0f, 4.0f, 100.0f, 300.0f};
        DynamicsEditor *editor = show(page);
        selectChannel(editor, 3);

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
        QStringList texts;
        for (const char *role : {"threshold", "target", "ratio", "attack", "decay"}) {
            if (DynamicsControl *control = controlOf(editor, role))
                texts << control->edit()->text();
        }
        QCOMPARE(texts, shown);
        const bool agc = page == ModuleWidget::AgcPage;
        const bool inputs = page == ModuleWidget::InLimiterPage;
        QCOMPARE(model().input(3).agc == AgcParams(), agc);
        QCOMPARE(model().input(3).limiter == LimiterParams(), inputs);
        QCOMPARE(model().output(3).limiter == LimiterParams(), !agc && !inputs);
        QCOMPARE(model().input(3).limiterGain, inputs ? 0.0f : 6.0f);
    }

    void copyGoesToTheChosenChannels_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("wideMasks");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, int page, bool wide, const char *title,
                            QString expected) {
            QTest::newRow(name) << page << wide << QString(title) << expected;
        };
        // Source channel 1; inputs 3 and 5 (mask 0x28), output 2 (mask 0x04).
        row("in limiter", ModuleWidget::InLimiterPage, false, "Limiter Copy - Copy IN 2 to",
            frame(3, 5, 2, "01 2800 0400"));
        row("in limiter, wide masks", ModuleWidget::InLimiterPage, true,
            "Limiter Copy - Copy IN 2 to", frame(3, 5, 2, "01 2800 0400 0000 0000"));
        row("out limiter", ModuleWidget::OutLimiterPage, false, "Limiter Copy - Copy OUT 2 to",
            frame(3, 13, 2, "01 2800 0400"));
        row("agc, inputs only", ModuleWidget::AgcPage, false, "AGC Copy - Copy IN 2 to",
            frame(3, 16, 2, "01 2800"));
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
            for (QCheckBox *box : dialog.inputBoxes() + dialog.outputBoxes()) {
                const int channel = box->property("channel").toInt();
                const bool isInput = dialog.inputBoxes().contains(box);
                box->setChecked(isInput ? channel == 3 || channel == 5 : channel == 2);
            }
            return std::optional<ChannelCopyDialog::Selection>(dialog.selection());
        });
        editor->copyToButton()->click();
        QCOMPARE(shownTitle, title);
        QVERIFY(!offeredItself);
        QCOMPARE(m_log->take(), QStringList {expected});

        const bool agcPage = page == ModuleWidget::AgcPage;
        const bool inputs = page == ModuleWidget::InLimiterPage;
        QCOMPARE(outputsOffered, agcPage ? 0 : inputs ? 16 : 15);
        for (int channel : {3, 4, 5}) {
            const bool chosen = channel != 4;
            QCOMPARE(model().input(channel).agc == agc, agcPage && chosen);
            QCOMPARE(model().input(channel).limiter == limiter, !agcPage && chosen);
        }
        QCOMPARE(model().output(2).limiter == limiter, !agcPage);
        QCOMPARE(model().output(3).limiter, LimiterParams());
        // The gain goes with an input limiter's copy only.
        QCOMPARE(model().input(3).limiterGain, inputs ? 4.5f : 0.0f);

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
        const auto row = [](const char *name, int page, bool reset, QStringList atOnce,
                            QStringList afterPeriod) {
            QTest::newRow(name) << page << reset << atOnce << afterPeriod;
        };
        const int in = ModuleWidget::InLimiterPage;
        const int agc = ModuleWidget::AgcPage;
        const QString limiterAt10 = frame(3, 5, 1, "01 00 000020c1 00000040 00002041 00001743");
        const QString agcAt10 =
                frame(3, 16, 1, "01 00 000020c1 0000a0c1 00000040 0000a041 0000a041");
        row("limiter reset", in, true, {frame(3, 5, 3, "01")},
            {frame(3, 5, 1, "01 00 00000000 00000040 00002041 00001743"),
             frame(3, 5, 4, "01 00000000")});
        row("limiter copy", in, false, {limiterAt10, frame(3, 5, 2, "01 0800 0000")},
            {limiterAt10});
        row("agc reset", agc, true, {frame(3, 16, 3, "01")},
            {frame(3, 16, 1, "01 00 0000f0c1 0000a0c1 00000040 0000a041 0000a041")});
        row("agc copy", agc, false, {agcAt10, frame(3, 16, 2, "01 0800")}, {agcAt10});
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
