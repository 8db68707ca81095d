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

namespace {

// The controls of a section ("hpfGroupBox", "peqGroupBox", "lpfGroupBox") by role.
template<typename T> T *inBox(FilterWidget *w, const char *box, const char *role, int nth = 0)
{
    auto *group = w->findChild<QGroupBox *>(QLatin1String(box));
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

    void tick(qint64 ms = 200)
    {
        m_device->clock.advance(ms);
        model().timeout();
    }

    // What reached the device once the throttle's period is over.
    QStringList sentAfterTick()
    {
        tick();
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

    void frequencyEditRules_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("knob");
        QTest::addColumn<float>("stored");
        QTest::newRow("tenth kept") << "hpfGroupBox"
                                    << "15000.5"
                                    << "15000.5" << 191 << 15000.5f;
        QTest::newRow("above the range") << "hpfGroupBox"
                                         << "25000"
                                         << "20000" << 200 << 20000.0f;
        QTest::newRow("below the range") << "lpfGroupBox"
                                         << "3"
                                         << "20" << 0 << 20.0f;
        QTest::newRow("whole number") << "peqGroupBox"
                                      << "1000.04"
                                      << "1000" << 113 << 1000.0f;
        QTest::newRow("rounded to a tenth") << "peqGroupBox"
                                            << " 440.26 "
                                            << "440.3" << 89 << 440.3f;
        QTest::newRow("not a number") << "hpfGroupBox"
                                      << "abc"
                                      << "20" << 0 << 20.0f;
        QTest::newRow("empty") << "lpfGroupBox"
                               << ""
                               << "20000" << 200 << 20000.0f;
    }

    void frequencyEditRules()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, knob);
        QFETCH(float, stored);
        const QByteArray b = box.toLatin1();
        auto *edit = inBox<QLineEdit>(inFilter(), b.constData(), "freq");
        typeInto(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(inBox<Knob>(inFilter(), b.constData(), "freq")->value(), knob);
        QCOMPARE(FilterTables::frequencies()[size_t(knob)] <= stored, true);
        const InputChannel &in = model().input(0);
        const float now = box == "hpfGroupBox" ? in.hpf.frequency
                : box == "lpfGroupBox"         ? in.lpf.frequency
                                               : in.peq[0].frequency;
        QCOMPARE(now, stored);
        // Unchanged values are not sent; changed ones once, after the throttle.
        const bool changed =
                !(typed == "abc" || typed.isEmpty() || (box == "lpfGroupBox" && stored == 20000.0f)
                  || (box == "hpfGroupBox" && stored == 20.0f));
        QCOMPARE(sentAfterTick().size(), changed ? 1 : 0);
    }

    void knobsSetTableValues()
    {
        Knob *freq = inBox<Knob>(inFilter(), "hpfGroupBox", "freq");
        PointerEvents::wheel(freq, 120);
        QCOMPARE(freq->value(), 1);
        QCOMPARE(model().input(0).hpf.frequency, 20.7f);
        QCOMPARE(inBox<QLineEdit>(inFilter(), "hpfGroupBox", "freq")->text(), QString("20.7"));

        Knob *q = inBox<Knob>(inFilter(), "peqGroupBox", "q");
        PointerEvents::wheel(q, 120);
        QCOMPARE(model().input(0).peq[0].q, quint8(44));
        QCOMPARE(inBox<QLineEdit>(inFilter(), "peqGroupBox", "q")->text(), QString("6.30"));

        Knob *gain = inBox<Knob>(inFilter(), "peqGroupBox", "gain");
        PointerEvents::wheel(gain, -120);
        QCOMPARE(model().input(0).peq[0].gain, -0.1f);
        QCOMPARE(inBox<QLineEdit>(inFilter(), "peqGroupBox", "gain")->text(), QString("-0.1"));

        // HPF (off) 20.7 Hz; band 1: on, PEQ, 100 Hz, -0.1 dB, Q index 44; one request each.
        QStringList sent = sentAfterTick();
        sent.sort();
        QCOMPARE(sent,
                 QStringList({frame(3, 4, 1, "00 00 00 00 9a99a541"),
                              frame(3, 4, 3, "00 00 01 00 0000c842 cdccccbd 2c")}));
    }

    void gainEditRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("knob");
        QTest::newRow("one decimal") << "3.25"
                                     << "3.3" << 33;
        QTest::newRow("above") << "40"
                               << "15.0" << 150;
        QTest::newRow("below") << "-20"
                               << "-15.0" << -150;
        QTest::newRow("not a number") << "loud"
                                      << "0.0" << 0;
    }

    void gainEditRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, knob);
        auto *edit = inBox<QLineEdit>(inFilter(), "peqGroupBox", "gain");
        typeInto(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(inBox<Knob>(inFilter(), "peqGroupBox", "gain")->value(), knob);
        QCOMPARE(model().input(0).peq[0].gain, shown.toFloat());
    }

    void passFilterRequestsOnlyWhenChanged()
    {
        QPushButton *enabled = inBox<QPushButton>(inFilter(), "hpfGroupBox", "enabled");
        enabled->click();
        inBox<QPushButton>(inFilter(), "hpfGroupBox", "slope", 2)->click();
        inBox<QPushButton>(inFilter(), "hpfGroupBox", "type", 1)->click();
        // Coalesced: the last state of the HPF, once.
        QCOMPARE(sentAfterTick(), QStringList({frame(3, 4, 1, "00 01 01 02 0000a041")}));
        QCOMPARE(model().input(0).hpf, (HlpfFilter {1, 1, 2, 20.0f}));
        // The same values again send nothing.
        inBox<QPushButton>(inFilter(), "hpfGroupBox", "type", 1)->click();
        inBox<QPushButton>(inFilter(), "hpfGroupBox", "slope", 2)->click();
        QCOMPARE(sentAfterTick(), QStringList());
        inBox<QPushButton>(inFilter(), "lpfGroupBox", "enabled")->click();
        QCOMPARE(sentAfterTick(), QStringList({frame(3, 4, 2, "00 01 00 00 00409c46")}));
    }

    void allEnabledSendsTheBandsThatChanged()
    {
        model().input(0).peq[2].enabled = 0;
        model().input(0).peq[5].enabled = 0;
        m_module->syncFromModel(3, 4, 3, 0, 2);
        QPushButton *all = inBox<QPushButton>(inFilter(), "peqGroupBox", "allEnabled");
        QVERIFY(!all->isChecked());
        all->click();
        QStringList sent = sentAfterTick();
        sent.sort();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[0], frame(3, 4, 3, "00 02 01 00 0000fa43 00000000 2b"));
        QCOMPARE(sent[1], frame(3, 4, 3, "00 05 01 00 00803b45 00000000 2b"));
        QVERIFY(all->isChecked());
        all->click();
        QCOMPARE(sentAfterTick().size(), 8);
        for (const PeqFilter &band : model().input(0).peq)
            QCOMPARE(band.enabled, quint8(0));
        QVERIFY(!inBox<QPushButton>(inFilter(), "peqGroupBox", "enabled")->isChecked());
    }

    void graphDragLimitsAndRounding()
    {
        FilterGraph *graph = inFilter()->graph();
        // Band 3 becomes current when its point is taken.
        const QPointF band3 = graph->bandPoint(2);
        QVERIFY(PointerEvents::press(graph, band3 + QPointF(6, -6)));
        QCOMPARE(inFilter()->currentBand(), 2);
        QVERIFY(inBox<QPushButton>(inFilter(), "peqGroupBox", "band", 2)->isChecked());
        // Above the plot: +15 dB; the frequency is rounded to 0.1 Hz.
        const int x = qRound(band3.x()) + 37;
        PointerEvents::move(graph, QPointF(x, -50));
        const PeqFilter &band = model().input(0).peq[2];
        QCOMPARE(band.gain, 15.0f);
        QCOMPARE(band.frequency, float(std::round(graph->frequencyAt(x) * 10) / 10));
        QVERIFY(band.frequency != 500.0f);
        QCOMPARE(inBox<QLineEdit>(inFilter(), "peqGroupBox", "gain")->text(), QString("15.0"));
        // Past the right end: 20000 Hz, not the axis' 24000.
        PointerEvents::move(graph, QPointF(graph->width() + 40, graph->height() + 40));
        QCOMPARE(band.frequency, 20000.0f);
        QCOMPARE(band.gain, -15.0f);
        PointerEvents::release(graph, QPointF(graph->width() + 40, graph->height() + 40));
        QCOMPARE(sentAfterTick(),
                 QStringList({frame(3, 4, 3, "00 02 01 00 00409c46 000070c1 2b")}));

        // The H point cannot go below 20 Hz, the L point not above 20000 Hz.
        const QPointF h = graph->highPassPoint();
        QVERIFY(PointerEvents::press(graph, h));
        const int hx = qRound(graph->xOf(150.0));
        PointerEvents::move(graph, QPointF(hx, h.y()));
        QCOMPARE(model().input(0).hpf.frequency,
                 float(std::round(graph->frequencyAt(hx) * 10) / 10));
        QVERIFY(std::abs(model().input(0).hpf.frequency - 150.0f) < 1.0f);
        PointerEvents::move(graph, QPointF(2, h.y()));
        PointerEvents::release(graph, QPointF(2, h.y()));
        QCOMPARE(model().input(0).hpf.frequency, 20.0f);
        const QPointF l = graph->lowPassPoint();
        QVERIFY(PointerEvents::press(graph, l));
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
        const int before = graph->recomputeCount();
        inBox<QPushButton>(inFilter(), "hpfGroupBox", "enabled")->click();
        // At its 20 Hz end stop the HPF draws flat.
        QCOMPARE(graph->curve()[0], 0.0);
        typeInto(inBox<QLineEdit>(inFilter(), "hpfGroupBox", "freq"), "1000");
        QVERIFY(graph->curve()[0] < -30);
        const int after = graph->recomputeCount();
        QVERIFY(after > before);
        // Painting uses the cached curve.
        graph->repaint();
        graph->repaint();
        QCOMPARE(graph->recomputeCount(), after);
    }

    void channelCopyToTheMaskedChannels()
    {
        model().input(0).peq[1].gain = 4.5f;
        model().input(0).hpf = HlpfFilter {1, 2, 3, 80.0f};
        m_module->syncFromModel(3, 4, 255, 0, 255);
        QString title;
        QStringList inputs;
        QStringList outputs;
        // The 8x8 configuration: inputs 9-16 and outputs 9-16 are left out.
        m_module->applyChannelConfig(0xFF, 0xFF, 0, 0);
        ChannelCopyDialog::setResponder([&](ChannelCopyDialog &dialog) {
            title = dialog.windowTitle();
            for (QCheckBox *box : dialog.inputBoxes())
                inputs << box->text();
            for (QCheckBox *box : dialog.outputBoxes())
                outputs << box->text();
            dialog.inputBoxes()[2]->setChecked(true);
            dialog.outputBoxes()[7]->setChecked(true);
            return std::optional<ChannelCopyDialog::Selection>(dialog.selection());
        });
        buttonWithText(inFilter(), "Copy To")->click();
        QCOMPARE(title, QString("Filter Copy - Copy IN 1 to"));
        // Inputs 1-8; the USB playback channel only where the request can name it.
        QCOMPARE(inputs,
                 QStringList({"IN 1", "IN 2", "IN 3", "IN 4", "IN 5", "IN 6", "IN 7", "IN 8"}));
        QCOMPARE(outputs.size(), 8);
        QCOMPARE(m_log->take(), QStringList({frame(3, 4, 4, "00 0400 8000")}));
        QCOMPARE(model().input(2).hpf, (HlpfFilter {1, 2, 3, 80.0f}));
        QCOMPARE(model().input(2).peq, model().input(0).peq);
        QCOMPARE(model().output(7).peq[1].gain, 4.5f);
        QCOMPARE(model().input(1).peq[1].gain, 0.0f);

        // 5.x DSP firmware takes the masks' high halves too; empty masks still ask the device.
        model().deviceInfo().dspVersion = {5, 0, 2};
        ChannelCopyDialog::setResponder([&inputs](ChannelCopyDialog &dialog) {
            inputs.clear();
            for (QCheckBox *box : dialog.inputBoxes())
                inputs << box->text();
            return std::optional<ChannelCopyDialog::Selection>(ChannelCopyDialog::Selection {});
        });
        buttonWithText(inFilter(), "Copy To")->click();
        QCOMPARE(inputs.size(), 9);
        QCOMPARE(inputs.last(), QString("USB Play"));
        QCOMPARE(m_log->take(), QStringList({frame(3, 4, 4, "00 0000 0000 0000 0000")}));
        ChannelCopyDialog::setResponder([](ChannelCopyDialog &) {
            return std::optional<ChannelCopyDialog::Selection>(
                    ChannelCopyDialog::Selection {0x10000, 0x0});
        });
        buttonWithText(inFilter(), "Copy To")->click();
        QCOMPARE(m_log->take(), QStringList({frame(3, 4, 4, "00 0000 0000 0100 0000")}));
        QCOMPARE(model().input(16).hpf, (HlpfFilter {1, 2, 3, 80.0f}));
        // "Cancel" sends nothing.
        ChannelCopyDialog::setResponder(
                [](ChannelCopyDialog &) { return std::optional<ChannelCopyDialog::Selection>(); });
        buttonWithText(inFilter(), "Copy To")->click();
        QCOMPARE(m_log->take(), QStringList());
    }

    void copyRefreshesTheVisibleEditor()
    {
        FilterWidget *out = m_module->outFilterWidget();
        m_module->stackedButtonClicked(ModuleWidget::OutFilterPage);
        QCOMPARE(out->channel(), 0);
        model().output(3).lpf = HlpfFilter {1, 1, 1, 5000.0f};
        out->findChild<QPushButton *>("3")->click();
        QCOMPARE(model().currentChannel(), quint8(3));
        QCOMPARE(inBox<QLineEdit>(out, "lpfGroupBox", "freq")->text(), QString("5000"));
        ChannelCopyDialog::setResponder([](ChannelCopyDialog &) {
            return std::optional<ChannelCopyDialog::Selection>(
                    ChannelCopyDialog::Selection {0x1, 0x1});
        });
        buttonWithText(out, "Copy To")->click();
        QCOMPARE(m_log->take(), QStringList({frame(3, 12, 4, "03 0100 0100")}));
        QCOMPARE(model().output(0).lpf, (HlpfFilter {1, 1, 1, 5000.0f}));
        QCOMPARE(model().input(0).lpf, (HlpfFilter {1, 1, 1, 5000.0f}));
        QCOMPARE(inBox<QLineEdit>(inFilter(), "lpfGroupBox", "freq")->text(), QString("5000"));
    }

    void resetAsksThenSetsTheDefaults()
    {
        model().input(0).hpf = HlpfFilter {1, 2, 3, 80.0f};
        model().input(0).peq[4] = PeqFilter {0, 2, 1234.0f, -6.0f, 3};
        m_module->syncFromModel(3, 4, 1, 255, 255);
        int asked = 0;
        MessageBox::setResponder([&](const MessageBox::Request &request) {
            ++asked;
            return request.buttons == QStringList({"Reset", "Cancel"}) ? 1 : -1;
        });
        buttonWithText(inFilter(), "Reset")->click();
        QCOMPARE(asked, 1);
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
        QVERIFY(!inBox<QPushButton>(inFilter(), "hpfGroupBox", "enabled")->isChecked());
        for (double value : inFilter()->graph()->curve())
            QCOMPARE(value, 0.0);
    }

    void reloadsFromTheMirrorWithoutSending()
    {
        model().input(3).peq[0].gain = 5.0f;
        m_module->syncFromModel(3, 4, 3, 3, 0);
        // Another channel's change leaves the screen alone.
        QCOMPARE(inBox<QLineEdit>(inFilter(), "peqGroupBox", "gain")->text(), QString("0.0"));
        inFilter()->findChild<QPushButton *>("3")->click();
        QCOMPARE(inBox<QLineEdit>(inFilter(), "peqGroupBox", "gain")->text(), QString("5.0"));
        model().input(3).peq[0].gain = -2.5f;
        model().input(3).hpf.enabled = 1;
        m_module->syncFromModel(3, 4, 3, 3, 0);
        m_module->syncFromModel(3, 4, 1, 3, 255);
        QCOMPARE(inBox<QLineEdit>(inFilter(), "peqGroupBox", "gain")->text(), QString("-2.5"));
        QCOMPARE(inBox<Knob>(inFilter(), "peqGroupBox", "gain")->value(), -25);
        QVERIFY(inBox<QPushButton>(inFilter(), "hpfGroupBox", "enabled")->isChecked());
        QCOMPARE(inFilter()->graph()->bandPoint(0).y(), inFilter()->graph()->yOf(-2.5));
        QCOMPARE(sentAfterTick(), QStringList());
    }

    void copyAndResetFollowTheFirmware()
    {
        model().deviceInfo().dspVersion = {1, 1, 40};
        m_module->syncFromModel(2, 2, 3, 255, 255);
        QVERIFY(!buttonWithText(inFilter(), "Copy To"));
        model().deviceInfo().dspVersion = {6, 1, 45};
        m_module->syncFromModel(2, 2, 3, 255, 255);
        QVERIFY(buttonWithText(inFilter(), "Copy To"));
        QVERIFY(buttonWithText(inFilter(), "Reset"));
    }
};

QTEST_MAIN(FilterWidgetTest)
#include "FilterWidgetTest.moc"
