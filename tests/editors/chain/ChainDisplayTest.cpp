#include "ChainTestSupport.h"

#include "editors/chain/ModuleWidget.h"
#include "model/DataModel.h"
#include "support/TestLinkEnvironment.h"
#include "widgets/DoubleSpinBox.h"
#include "widgets/Knob.h"
#include "widgets/PointerEvents.h"
#include "widgets/Resources.h"

#include <QScreen>

#include <functional>

using namespace ChainTest;

// A change of the mirror.
using MirrorChange = std::function<void(DataModel &)>;
Q_DECLARE_METATYPE(MirrorChange)

namespace {

// The part of the window a widget covers, as it is on screen now (what was last painted).
QImage onScreen(QWidget *widget)
{
    QWidget *window = widget->window();
    const QPoint at = widget->mapTo(window, QPoint(0, 0));
    return window->screen()
            ->grabWindow(window->winId(), at.x(), at.y(), widget->width(), widget->height())
            .toImage();
}

// Whether the screen shows what the widget holds: painting it afresh changes nothing.
bool upToDate(QWidget *widget)
{
    QCoreApplication::processEvents();
    const QImage shown = onScreen(widget);
    widget->repaint();
    return !shown.isNull() && shown == onScreen(widget);
}

// The number a control shows: an edit's text or a number box's.
QString shownText(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *box = qobject_cast<QAbstractSpinBox *>(control))
        return box->text();
    return QString();
}

} // namespace

// What the channel strips show a user: the device's values in their number boxes as soon as a
// report arrives, the names of a new configuration, and how far one wheel notch turns a knob.
class ChainDisplayTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<DataModel> m_model;
    std::unique_ptr<ModuleWidget> m_module;

    enum : int {
        InSetup = ModuleWidget::InSetupPage,
        Gate = ModuleWidget::GatePage,
        InDelay = ModuleWidget::InDelayPage,
        PreLevel = ModuleWidget::LevelPreMixPage,
        OutLevel = ModuleWidget::OutLevelPage,
        OutDelay = ModuleWidget::OutDelayPage
    };

    // The control of a channel with the given role: an edit, or else a number box.
    QWidget *box(int page, int channel, const char *role)
    {
        ChannelStripWidget *s = strip(*m_module, page);
        if (QLineEdit *edit = control<QLineEdit>(s, channel, role))
            return edit;
        return control<DoubleSpinBox>(s, channel, role);
    }

    void showPage(int page)
    {
        m_module->stackedButtonClicked(page);
        QVERIFY(QTest::qWaitForWindowExposed(m_module.get()));
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        initApplicationResources();
    }

    void init()
    {
        m_model = std::make_unique<DataModel>(testLinkSettings(),
                                              testLinkEnvironment(m_clock, ":memory:"));
        m_module = std::make_unique<ModuleWidget>(m_model.get());
        m_module->resize(1200, 560);
        m_module->show();
    }

    void cleanup()
    {
        m_module.reset();
        m_model.reset();
    }

    void boxesShowTheDeviceValueAtOnce_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("role");
        QTest::addColumn<MirrorChange>("change");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, int page, int channel, const char *role,
                            MirrorChange change, const char *shown) {
            QTest::newRow(name) << page << channel << QString(role) << change << QString(shown);
        };
        row(
                "input gain", InSetup, 1, "gain",
                [](DataModel &m) { m.input(1).inputGain = 12.5f; }, "12.5");
        row(
                "gate threshold", Gate, 0, "threshold",
                [](DataModel &m) { m.input(0).gate.threshold = -40.0f; }, "-40");
        row(
                "gate attack", Gate, 1, "attack",
                [](DataModel &m) { m.input(1).gate.attack = 5.0f; }, "5");
        row(
                "gate decay", Gate, 0, "decay",
                [](DataModel &m) { m.input(0).gate.release = 300.0f; }, "300");
        row(
                "pre-mix gain", PreLevel, 0, "gain",
                [](DataModel &m) { m.input(0).preMixGain = 5.5f; }, "5.5");
        row(
                "pre-mix gain at the floor", PreLevel, 1, "gain",
                [](DataModel &m) { m.input(1).preMixGain = -80.0f; }, "-100.0");
        row(
                "out level gain", OutLevel, 0, "gain",
                [](DataModel &m) { m.output(0).gain = -12.0f; }, "-12.0");
        row(
                "input delay", InDelay, 0, "milliseconds",
                [](DataModel &m) { m.input(0).delay = 12.5f; }, "12.50");
        row(
                "output delay in metres", OutDelay, 1, "meters",
                [](DataModel &m) { m.output(1).delay = 100.0f; }, "34.000");
    }
    void boxesShowTheDeviceValueAtOnce()
    {
        QFETCH(int, page);
        QFETCH(int, channel);
        QFETCH(QString, role);
        QFETCH(MirrorChange, change);
        QFETCH(QString, shown);
        showPage(page);
        QWidget *control = box(page, channel, role.toLatin1().constData());
        QVERIFY(control && control->isVisible());
        QVERIFY(upToDate(control));

        // A report of the device: the page re-reads the channel.
        change(*m_model);
        for (const MessageId id : {MessageId {3, 1, 8}, MessageId {3, 2, 2}, MessageId {3, 6, 1},
                                   MessageId {3, 7, 2}, MessageId {3, 11, 3}, MessageId {3, 14, 1}})
            m_module->syncFromModel(id.type, id.subType, id.funcId, quint8(channel), 255);
        QCOMPARE(shownText(control), shown);
        QVERIFY2(upToDate(control), "the box still shows its old number");
    }

    // The names of pages built before a configuration change follow it, as do those built
    // after it.
    void namesFollowAConfigurationChange()
    {
        showPage(PreLevel);
        ChannelStripWidget *levels = strip(*m_module, PreLevel);
        ChannelStripWidget *outputs = strip(*m_module, OutDelay);
        QCOMPARE(channelName(levels, 12), QString("IN 13"));
        QCOMPARE(channelName(outputs, 13), QString("OUT 14"));

        // "8x8+Dante4x4", as the main window applies it.
        m_model->setDanteChannelNames(0xF0, 0xF0);
        m_module->applyChannelConfig(0x30F, 0x30F, 0xF0, 0xF0);
        QCOMPARE(channelName(levels, 12), QString("Dante-RX 1"));
        QCOMPARE(channelName(levels, 15), QString("Dante-RX 4"));
        QCOMPARE(channelName(outputs, 13), QString("Dante-TX 2"));
        QCOMPARE(channelName(strip(*m_module, Gate), 14), QString("Dante-RX 3"));

        // And back to "16x16".
        m_model->setDanteChannelNames(0, 0);
        m_module->applyChannelConfig(0, 0, 0, 0);
        QCOMPARE(channelName(levels, 12), QString("IN 13"));
        QCOMPARE(channelName(outputs, 13), QString("OUT 14"));
    }

    // Each knob covers its range; one notch of the wheel moves it by one of its units, which the
    // box beside it shows.
    void knobsTurnByTheirOwnUnit_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("knobRole");
        QTest::addColumn<QString>("boxRole");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("afterOneNotch");
        QTest::newRow("input gain, 0.1 dB") << int(InSetup) << ""
                                            << "gain" << 0 << 500 << "0.1";
        QTest::newRow("gate threshold, 1 dB") << int(Gate) << "threshold"
                                              << "threshold" << -120 << 0 << "-64";
        QTest::newRow("gate attack, 1 ms") << int(Gate) << "attack"
                                           << "attack" << 1 << 1000 << "2";
        QTest::newRow("gate decay, 1 ms") << int(Gate) << "decay"
                                          << "decay" << 20 << 1000 << "21";
        QTest::newRow("input delay, 0.01 ms") << int(InDelay) << ""
                                              << "milliseconds" << 0 << 100000 << "0.01";
        QTest::newRow("output delay, 0.01 ms") << int(OutDelay) << ""
                                               << "milliseconds" << 0 << 200000 << "0.01";
    }
    void knobsTurnByTheirOwnUnit()
    {
        QFETCH(int, page);
        QFETCH(QString, knobRole);
        QFETCH(QString, boxRole);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(QString, afterOneNotch);
        showPage(page);
        Knob *knob = control<Knob>(strip(*m_module, page), 2, knobRole.toLatin1().constData());
        QVERIFY(knob);
        QCOMPARE(knob->minimum(), minimum);
        QCOMPARE(knob->maximum(), maximum);
        PointerEvents::wheel(knob, 120);
        QCOMPARE(shownText(box(page, 2, boxRole.toLatin1().constData())), afterOneNotch);
    }
};

QTEST_MAIN(ChainDisplayTest)
#include "ChainDisplayTest.moc"
