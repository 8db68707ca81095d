#include "editors/cancellation/CancellationBlocks.h"
#include "editors/chain/ModuleWidget.h"
#include "editors/matrix/MatrixTableWidget.h"
#include "editors/matrix/MatrixWidget.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "support/TestLinkEnvironment.h"
#include "widgets/Resources.h"

#include "widgets/Screenshots.h"

#include <QApplication>
#include <QFrame>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A processor in use: labels, routes with gains, automix groups, cancellation blocks set up,
// the generator feeding two outputs.
void fillMirror(DataModel &model)
{
    const char *labels[] = {"Lectern", "Chair", "Panel L", "Panel R", "Handheld 1", "Handheld 2"};
    for (int ch = 0; ch < 17; ++ch) {
        InputChannel &in = model.input(ch);
        if (ch < 6)
            in.label = QLatin1String(labels[ch]);
        for (int out = 0; out < 16; ++out) {
            in.matrixRoute[size_t(out)] = (ch + out) % 5 == 0 || ch == out;
            in.matrixGain[size_t(out)] = qint8(ch == out ? 0 : -((ch * 3 + out) % 40) - 6);
        }
        in.noiseReduction = quint8(ch % 4 == 1 ? 2 : 0);
    }
    model.input(2).matrixGain[2] = -56;
    model.output(0).label = QStringLiteral("Main L");
    model.output(1).label = QStringLiteral("Main R");
    model.mirror().matrix.aec.route[2] = 1;
    model.mirror().matrix.anc.route[3] = 1;
    AutoMixerState &am = model.mirror().autoMixer;
    for (int ch = 0; ch < 16; ++ch) {
        am.groups[size_t(ch)] = quint8(ch < 6 ? 1 : ch < 10 ? 2 : 0);
        am.weights[size_t(ch)] = float((ch * 7) % 25 - 12) / 2.0f;
        am.meters[size_t(ch)] = qint8(ch < 10 ? (ch * 13) % 60 : 0);
        am.meters[size_t(16 + ch)] = qint8(-50 + (ch * 9) % 45);
    }
    am.enabled = {1, 0};
    AecBlock aec;
    aec.setLocal(0, true);
    aec.setLocal(1, true);
    aec.setRemote(12, true);
    aec.level = 1;
    aec.noiseReduction = 2;
    aec.enabled = 1;
    model.mirror().aec.matrix = aec.toBytes();
    model.mirror().aec.enabled = 1;
    model.mirror().aec.config[0] = 1;
    model.mirror().aec.config[3] = 1;
    AncBlock anc;
    anc.setInput(4, true);
    anc.setInput(5, true);
    anc.level = 3;
    anc.enabled = 1;
    model.mirror().anc.config = anc.toBytes();
    SignalGeneratorState &g = model.mirror().signalGenerator;
    g.type = 1;
    g.mute = 0;
    g.frequency = 1000.0f;
    g.gain = -20.0f;
    g.outputs[0] = g.outputs[1] = 1;
}

} // namespace

// The matrix, automixer, cancellation and signal generator pages in both appearances, with the
// first-generation cancellation editors too: drawn, not blank, nothing cut off.
class RoutingScreenshotTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;

private slots:
    void initTestCase()
    {
        initApplicationResources();
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    }

    void pagesAreDrawn_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("dspMajor");
        QTest::addColumn<bool>("dark");
        const struct {
            int page;
            const char *name;
            int dspMajor;
        } pages[] = {{ModuleWidget::MatrixPage, "matrix", 5},
                     {ModuleWidget::AutoMixerPage, "auto-mixer", 5},
                     {ModuleWidget::AecPage, "aec", 5},
                     {ModuleWidget::AncPage, "anc", 5},
                     {ModuleWidget::SignalGeneratorPage, "signal-generator", 5},
                     {ModuleWidget::AecPage, "aec-first", 2},
                     {ModuleWidget::AncPage, "anc-first", 2},
                     {ModuleWidget::MatrixPage, "matrix-first", 2}};
        for (bool dark : {false, true})
            for (const auto &p : pages)
                QTest::addRow("%s-%s", p.name, dark ? "dark" : "light")
                        << p.page << QString(p.name) << p.dspMajor << dark;
    }
    void pagesAreDrawn()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(int, dspMajor);
        QFETCH(bool, dark);
        Screenshots::applyAppearance(dark);

        DataModel model(testLinkSettings(), testLinkEnvironment(m_clock, ":memory:"));
        fillMirror(model);
        model.deviceInfo().dspVersion = {quint8(dspMajor), 0, 2};
        QFrame panel;
        panel.setObjectName(QStringLiteral("modulePanel"));
        auto *layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(12, 12, 12, 12);
        auto *module = new ModuleWidget(&model);
        layout->addWidget(module);
        module->applyChannelConfig(0x300, 0x300, 0xF0, 0xF0); // "12x12+Dante4x4"
        module->stackedButtonClicked(page);
        panel.resize(1000, 600);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        if (page == ModuleWidget::MatrixPage) {
            MatrixTableWidget *table = module->matrixWidget()->table();
            table->selectBlock(1, 1, 3, 4);
            // The whole grid of this configuration is on screen: nothing to scroll to.
            QWidget *content = table->findChild<QScrollArea *>()->widget();
            QCOMPARE(content->visibleRegion().boundingRect().size(), content->size());
        }
        QWidget *shown = module->page(page);
        // The page fits the width of the module area: the window did not have to grow.
        QCOMPARE(panel.width(), 1000);
        QVERIFY(shown->isVisible());
        // Like the strip pages, a page scrolls rather than making the window taller.
        QVERIFY2(shown->minimumSizeHint().height() <= 120,
                 qPrintable(QString::number(shown->minimumSizeHint().height())));

        Screenshots::keepAndCheck(
                panel.grab().toImage(),
                QStringLiteral("routing-%1-%2.png").arg(name, dark ? "dark" : "light"), 150);
    }
};

QTEST_MAIN(RoutingScreenshotTest)
#include "RoutingScreenshotTest.moc"
