#include "editors/chain/ChainTestSupport.h"

#include "model/LoopbackDevice.h"
#include "widgets/PointerEvents.h"

#include "editors/chain/ModuleWidget.h"
#include "editors/filter/FilterGraph.h"
#include "editors/filter/FilterWidget.h"
#include "model/FilterTables.h"
#include "widgets/ChannelCopyDialog.h"
#include "widgets/Knob.h"
#include "widgets/MessageBox.h"
#include "widgets/Resources.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

using namespace ChainTest;

// A typed value: the section and role of its edit, what the edit and knob then show, and how
// many requests follow.
struct Edit
{
    const char *box, *role, *typed, *shown;
    int knob, requests;
};
Q_DECLARE_METATYPE(Edit)

namespace {

// The controls of a section ("hpf", "peq", "lpf") by role.
template<typename T> T *inBox(FilterWidget *w, const QString &box, const char *role, int nth = 0)
{
    auto *group = w->findChild<QGroupBox *>(box + QLatin1String("GroupBox"));
    int seen = 0;
    for (T *candidate : group->findChildren<T *>()) {
        if (candidate->property("control").toString() == QLatin1String(role) && seen++ == nth)
            return candidate;
    }
    return nullptr;
}

QPushButton *buttonWithText(QWidget *w, const QString &text)
{
    for (QPushButton *b : w->findChildren<QPushButton *>()) {
        if (b->text() == text && b->isVisibleTo(w))
            return b;
    }
    return nullptr;
}

} // namespace

// The filter editor on the In Filter and Out Filter pages: its edit rules, the graph's drag,
// and the requests the navigator makes of them, byte for byte and by which way.
class FilterWidgetTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<ModuleWidget> m_module;
    std::unique_ptr<WriteLog> m_log;

    DataModel &model() { return *m_device->model; }
    FilterWidget *inFilter() { return m_module->inFilterWidget(); }

    QLineEdit *edit(const char *box, const char *role)
    {
        return inBox<QLineEdit>(inFilter(), box, role);
    }
    Knob *knob(const char *box, const char *role) { return inBox<Knob>(inFilter(), box, role); }
    QPushButton *button(const char *box, const char *role, int nth = 0)
    {
        return inBox<QPushButton>(inFilter(), box, role, nth);
    }

    // What reached the device once the throttle's period is over.
    QStringList sentAfterTick()
    {
        m_device->clock.advance(200);
        model().timeout();
        return m_log->take();
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
        m_module->resize(1200, 620);
        m_module->stackedButtonClicked(ModuleWidget::InFilterPage);
        m_module->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_module.get()));
        m_device->drain();
        m_log = std::make_unique<WriteLog>(m_device->peer);
    }

    void cleanup()
    {
        MessageBox::setResponder({});
        MessageBox::clearHistory();
        ChannelCopyDialog::setResponder({});
        m_log.reset();
        m_module.reset();
        m_device.reset();
    }

    void editRules_data()
    {
        QTest::addColumn<Edit>("e");
        const auto row = [](const char *name, const char *box, const char *role, const char *typed,
                            const char *shown, int knob, int requests) {
            QTest::newRow(name) << Edit {box, role, typed, shown, knob, requests};
        };
        row("tenth kept", "hpf", "freq", "15000.5", "15000.5", 191, 1);
        row("above the range", "hpf", "freq", "25000", "20000", 200, 1);
        row("below the range", "lpf", "freq", "3", "20", 0, 1);
        row("whole number", "peq", "freq", "1000.04", "1000", 113, 1);
        row("rounded to a tenth", "peq", "freq", " 440.26 ", "440.3", 89, 1);
        row("not a number", "hpf", "freq", "abc", "20", 0, 0);
        row("empty", "lpf", "freq", "", "20000", 200, 0);
        row("gain to one decimal", "peq", "gain", "3.25", "3.3", 33, 1);
        row("gain above", "peq", "gain", "40", "15.0", 150, 1);
        row("gain below", "peq", "gain", "-20", "-15.0", -150, 1);
        row("gain not a number", "peq", "gain", "loud", "0.0", 0, 0);
    }

    void editRules()
    {
        QFETCH(Edit, e);
        typeInto(edit(e.box, e.role), e.typed);
        QCOMPARE(edit(e.box, e.role)->text(), QString(e.shown));
        QCOMPARE(knob(e.box, e.role)->value(), e.knob);
        const InputChannel &in = model().input(0);
        const QByteArray box(e.box);
        const float stored = QByteArray(e.role) == "gain" ? in.peq[0].gain
                : box == "hpf"                            ? in.hpf.frequency
                : box == "lpf"                            ? in.lpf.frequency
                                                          : in.peq[0].frequency;
        QCOMPARE(stored, QString(e.shown).toFloat());
        QCOMPARE(sentAfterTick().size(), e.requests); // unchanged values are not sent
    }

    void knobsSetTableValues()
    {
        PointerEvents::wheel(knob("hpf", "freq"), 120);
        QCOMPARE(edit("hpf", "freq")->text(), QString("20.7"));
        PointerEvents::wheel(knob("peq", "q"), 120);
        QCOMPARE(edit("peq", "q")->text(), QString("6.30"));
        PointerEvents::wheel(knob("peq", "gain"), -120);
        QCOMPARE(edit("peq", "gain")->text(), QString("-0.1"));
        // HPF (off) 20.7 Hz; band 1: on, PEQ, 100 Hz, -0.1 dB, Q index 44; one request each.
        QStringList sent = sentAfterTick();
        sent.sort();
        QCOMPARE(sent,
                 QStringList({frame(3, 4, 1, "00 00 00 00 9a99a541"),
                              frame(3, 4, 3, "00 00 01 00 0000c842 cdccccbd 2c")}));
    }

    void passFilterRequestsOnlyWhenChanged()
    {
        button("hpf", "enabled")->click();
        button("hpf", "slope", 2)->click();
        button("hpf", "type", 1)->click();
        // Coalesced: the last state of the HPF, once.
        QCOMPARE(sentAfterTick(), QStringList({frame(3, 4, 1, "00 01 01 02 0000a041")}));
        // The same values again send nothing.
        button("hpf", "type", 1)->click();
        button("hpf", "slope", 2)->click();
        QCOMPARE(sentAfterTick(), QStringList());
        button("lpf", "enabled")->click();
        QCOMPARE(sentAfterTick(), QStringList({frame(3, 4, 2, "00 01 00 00 00409c46")}));
    }

    void allEnabledSendsTheBandsThatChanged()
    {
        model().input(0).peq[2].enabled = 0;
        model().input(0).peq[5].enabled = 0;
        m_module->syncFromModel(3, 4, 3, 0, 2);
        QPushButton *all = button("peq", "allEnabled");
        QVERIFY(!all->isChecked());
        all->click();
        QStringList sent = sentAfterTick();
        sent.sort();
        QCOMPARE(sent,
                 QStringList({frame(3, 4, 3, "00 02 01 00 0000fa43 00000000 2b"),
                              frame(3, 4, 3, "00 05 01 00 00803b45 00000000 2b")}));
        all->click();
        QCOMPARE(sentAfterTick().size(), 8);
        for (const PeqFilter &band : model().input(0).peq)
            QCOMPARE(band.enabled, quint8(0));
        QVERIFY(!button("peq", "enabled")->isChecked());
    }

    void graphDragLimitsAndRounding()
    {
        FilterGraph *graph = inFilter()->graph();
        // Band 3 becomes current when its point is taken.
        const QPointF band3 = graph->bandPoint(2);
        QVERIFY(PointerEvents::press(graph, band3 + QPointF(6, -6)));
        QVERIFY(button("peq", "band", 2)->isChecked());
        // Above the plot: +15 dB; the frequency is rounded to 0.1 Hz.
        const int x = qRound(band3.x()) + 37;
        PointerEvents::move(graph, QPointF(x, -50));
        const PeqFilter &band = model().input(0).peq[2];
        QCOMPARE(band.gain, 15.0f);
        QCOMPARE(band.frequency, float(std::round(graph->frequencyAt(x) * 10) / 10));
        QVERIFY(band.frequency != 500.0f);
        QCOMPARE(edit("peq", "gain")->text(), QString("15.0"));
        // Past the right end: 20000 Hz, not the axis' 24000; below the plot -15 dB.
        const QPointF beyond(graph->width() + 40, graph->height() + 40);
        PointerEvents::move(graph, beyond);
        PointerEvents::release(graph, beyond);
        QCOMPARE(sentAfterTick(),
                 QStringList({frame(3, 4, 3, "00 02 01 00 00409c46 000070c1 2b")}));

        // The H point cannot go below 20 Hz, the L point not above 20000 Hz.
        const QPointF h = graph->highPassPoint();
        QVERIFY(PointerEvents::press(graph, h));
        PointerEvents::move(graph, QPointF(graph->xOf(150.0), h.y()));
        QVERIFY(std::abs(model().input(0).hpf.frequency - 150.0f) < 1.0f);
        PointerEvents::move(graph, QPointF(2, h.y()));
        PointerEvents::release(graph, QPointF(2, h.y()));
        QCOMPARE(model().input(0).hpf.frequency, 20.0f);
        const QPointF l = graph->lowPassPoint();
        QVERIFY(PointerEvents::press(graph, l));
        PointerEvents::move(graph, QPointF(graph->xOf(5000.0), l.y()));
        PointerEvents::move(graph, QPointF(graph->width() - 2, l.y()));
        PointerEvents::release(graph, QPointF(graph->width() - 2, l.y()));
        QCOMPARE(model().input(0).lpf.frequency, 20000.0f);
        // A press beside every point takes nothing.
        const int before = graph->recomputeCount();
        QVERIFY(PointerEvents::press(graph, QPointF(graph->xOf(5000), graph->yOf(-12))));
        PointerEvents::move(graph, QPointF(graph->xOf(6000), graph->yOf(-10)));
        QCOMPARE(graph->recomputeCount(), before);
    }

    void graphFollowsTheControlsAndCachesItsCurve()
    {
        FilterGraph *graph = inFilter()->graph();
        button("hpf", "enabled")->click();
        // At its 20 Hz end stop the HPF draws flat.
        QCOMPARE(graph->curve()[0], 0.0);
        typeInto(edit("hpf", "freq"), "1000");
        QVERIFY(graph->curve()[0] < -30);
        // Painting uses the cached curve.
        const int computed = graph->recomputeCount();
        graph->repaint();
        graph->repaint();
        QCOMPARE(graph->recomputeCount(), computed);
    }

    void channelCopyToTheMaskedChannels()
    {
        const HlpfFilter hpf {1, 2, 3, 80.0f};
        model().input(0).peq[1].gain = 4.5f;
        model().input(0).hpf = hpf;
        m_module->syncFromModel(3, 4, 255, 0, 255);
        QString title;
        QStringList inputs;
        int outputs = 0;
        // The 8x8 configuration: inputs 9-16 and outputs 9-16 are left out.
        m_module->applyChannelConfig(0xFF, 0xFF, 0, 0);
        std::optional<ChannelCopyDialog::Selection> choice;
        ChannelCopyDialog::setResponder([&](ChannelCopyDialog &dialog) {
            title = dialog.windowTitle();
            inputs.clear();
            for (QCheckBox *box : dialog.inputBoxes())
                inputs << box->text();
            outputs = dialog.outputBoxes().size();
            if (!choice) { // the third input and the eighth output
                dialog.inputBoxes()[2]->setChecked(true);
                dialog.outputBoxes()[7]->setChecked(true);
                return std::optional<ChannelCopyDialog::Selection>(dialog.selection());
            }
            return choice;
        });
        QPushButton *copy = buttonWithText(inFilter(), "Copy To");
        copy->click();
        QCOMPARE(title, QString("Filter Copy - Copy IN 1 to"));
        // Inputs 1-8; the USB playback channel only where the request can name it.
        QCOMPARE(inputs,
                 QStringList({"IN 1", "IN 2", "IN 3", "IN 4", "IN 5", "IN 6", "IN 7", "IN 8"}));
        QCOMPARE(outputs, 8);
        QCOMPARE(m_log->take(), QStringList({frame(3, 4, 4, "00 0400 8000")}));
        QCOMPARE(model().input(2).hpf, hpf);
        QCOMPARE(model().input(2).peq, model().input(0).peq);
        QCOMPARE(model().output(7).peq[1].gain, 4.5f);
        QCOMPARE(model().input(1).peq[1].gain, 0.0f);

        // 5.x DSP firmware takes the masks' high halves too; empty masks still ask the device.
        model().deviceInfo().dspVersion = {5, 0, 2};
        choice = ChannelCopyDialog::Selection {};
        copy->click();
        QCOMPARE(inputs.size(), 9);
        QCOMPARE(inputs.last(), QString("USB Play"));
        QCOMPARE(m_log->take(), QStringList({frame(3, 4, 4, "00 0000 0000 0000 0000")}));
        choice = ChannelCopyDialog::Selection {0x10000, 0x0};
        copy->click();
        QCOMPARE(m_log->take(), QStringList({frame(3, 4, 4, "00 0000 0000 0100 0000")}));
        QCOMPARE(model().input(16).hpf, hpf);
        // "Cancel" sends nothing.
        ChannelCopyDialog::setResponder(
                [](ChannelCopyDialog &) { return std::optional<ChannelCopyDialog::Selection>(); });
        copy->click();
        QCOMPARE(m_log->take(), QStringList());
    }

    void copyRefreshesTheVisibleEditor()
    {
        FilterWidget *out = m_module->outFilterWidget();
        m_module->stackedButtonClicked(ModuleWidget::OutFilterPage);
        const HlpfFilter lpf {1, 1, 1, 5000.0f};
        model().output(3).lpf = lpf;
        out->findChild<QPushButton *>("3")->click();
        QCOMPARE(inBox<QLineEdit>(out, "lpf", "freq")->text(), QString("5000"));
        ChannelCopyDialog::setResponder([](ChannelCopyDialog &) {
            return std::optional<ChannelCopyDialog::Selection>({0x1, 0x1});
        });
        buttonWithText(out, "Copy To")->click();
        QCOMPARE(m_log->take(), QStringList({frame(3, 12, 4, "03 0100 0100")}));
        QCOMPARE(model().output(0).lpf, lpf);
        QCOMPARE(edit("lpf", "freq")->text(), QString("5000"));
    }

    void resetAsksThenSetsTheDefaults()
    {
        model().input(0).hpf = HlpfFilter {1, 2, 3, 80.0f};
        model().input(0).peq[4] = PeqFilter {0, 2, 1234.0f, -6.0f, 3};
        m_module->syncFromModel(3, 4, 1, 255, 255);
        MessageBox::setResponder([](const MessageBox::Request &) { return 1; }); // "Cancel"
        buttonWithText(inFilter(), "Reset")->click();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().last().buttons, QStringList({"Reset", "Cancel"}));
        QCOMPARE(
                MessageBox::history().last().text,
                QString("Are you sure that you want to reset the filter of the selected channel?"));
        QCOMPARE(m_log->take(), QStringList());
        MessageBox::setResponder([](const MessageBox::Request &) { return 0; });
        buttonWithText(inFilter(), "Reset")->click();
        QCOMPARE(m_log->take(), QStringList({frame(3, 4, 5, "00")}));
        QCOMPARE(model().input(0).hpf, (HlpfFilter {0, 0, 0, 20.0f}));
        QCOMPARE(model().input(0).lpf, (HlpfFilter {0, 0, 0, 20000.0f}));
        QCOMPARE(model().input(0).peq, PeqFilter::startBands());
        QCOMPARE(model().input(0).peq[7].frequency, 8000.0f);
        QVERIFY(!button("hpf", "enabled")->isChecked());
        for (double value : inFilter()->graph()->curve())
            QCOMPARE(value, 0.0);
        // Only firmware that takes the copy request offers it.
        model().deviceInfo().dspVersion = {1, 1, 40};
        m_module->syncFromModel(2, 2, 3, 255, 255);
        QVERIFY(!buttonWithText(inFilter(), "Copy To"));
        model().deviceInfo().dspVersion = {6, 1, 45};
        m_module->syncFromModel(2, 2, 3, 255, 255);
        QVERIFY(buttonWithText(inFilter(), "Copy To") && buttonWithText(inFilter(), "Reset"));
    }

    void reloadsFromTheMirrorWithoutSending()
    {
        model().input(3).peq[0].gain = 5.0f;
        m_module->syncFromModel(3, 4, 3, 3, 0);
        // Another channel's change leaves the screen alone.
        QCOMPARE(edit("peq", "gain")->text(), QString("0.0"));
        inFilter()->findChild<QPushButton *>("3")->click();
        QCOMPARE(edit("peq", "gain")->text(), QString("5.0"));
        model().input(3).peq[0].gain = -2.5f;
        model().input(3).hpf.enabled = 1;
        m_module->syncFromModel(3, 4, 3, 3, 0);
        m_module->syncFromModel(3, 4, 1, 3, 255);
        QCOMPARE(edit("peq", "gain")->text(), QString("-2.5"));
        QCOMPARE(knob("peq", "gain")->value(), -25);
        QVERIFY(button("hpf", "enabled")->isChecked());
        QCOMPARE(inFilter()->graph()->bandPoint(0).y(), inFilter()->graph()->yOf(-2.5));
        QCOMPARE(sentAfterTick(), QStringList());
    }
};

QTEST_MAIN(FilterWidgetTest)
#include "FilterWidgetTest.moc"
