#include "widgets/Resources.h"
#include "editors/chain/ChannelStripWidget.h"
#include "editors/chain/ModuleWidget.h"
#include "model/DataModel.h"
#include "support/TestLinkEnvironment.h"

#include "widgets/Screenshots.h"

#include <QApplication>
#include <QFrame>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A processor in use: labels, Dante channels, settings away from their start values.
void fillMirror(DataModel &model)
{
    model.setDanteChannelNames(0xF0, 0xF0);
    model.deviceInfo().danteConnected = 1;
    const char *labels[] = {"Lectern", "Chair", "Panel L", "Panel R", "Handheld 1", "Handheld 2"};
    for (int ch = 0; ch < 17; ++ch) {
        InputChannel &in = model.input(ch);
        if (ch < 6)
            in.label = QLatin1String(labels[ch]);
        in.inputMode = ch < 2 ? 2 : ch % 2;
        in.inputGain = float((ch * 7) % 50);
        in.mute = ch == 5;
        in.phantom = ch == 3 || ch == 4;
        in.gate =
                GateParams {quint8(ch % 3 != 0), -65.0f + ch * 3, 1.0f + ch * 10, 20.0f + ch * 40};
        in.gateStatus = ch % 4 == 1;
        in.feedbackEnabled = ch % 3 == 0;
        in.delay = 2.5f * ch;
        in.preMixGain = -3.0f * (ch % 7);
        in.preMixMute = ch == 7;
        in.invert = ch == 2;
        in.priority = ch == 0;
        in.group = ch >= 8 && ch < 11 ? 2 : 0;
        in.postMeter = qint8(-40 + (ch * 9) % 45);
        OutputChannel &out = model.output(ch);
        out.gain = -2.0f * (ch % 5);
        out.mute = ch == 3;
        out.postMeter = qint8(-30 + (ch * 11) % 40);
        out.delay = 12.0f * ch;
    }
    model.output(0).label = QStringLiteral("Main L");
    model.output(1).label = QStringLiteral("Main R");
}

} // namespace

// Every page of the module area in both appearances: drawn, not blank, not cut off.
class ChainScreenshotTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;

private slots:
    void initTestCase()
    {
        initApplicationResources();
        // As the program starts: "Arial" (metric-compatible where Arial is missing), 9 points.
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    }

    void pagesAreDrawn_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dark");
        const QPair<int, const char *> pages[] = {
                {ModuleWidget::InSetupPage, "in-setup"},
                {ModuleWidget::GatePage, "gate"},
                {ModuleWidget::FeedbackPage, "feedback"},
                {ModuleWidget::InDelayPage, "in-delay"},
                {ModuleWidget::LevelPreMixPage, "level-pre-mix"},
                {ModuleWidget::OutLevelPage, "out-level"},
                // The far end of the outputs: the Dante channels with their status icons.
                {ModuleWidget::OutLevelPage, "out-level-dante"},
                {ModuleWidget::OutDelayPage, "out-delay"},
                {ModuleWidget::MatrixPage, "matrix"}};
        for (bool dark : {false, true}) {
            for (const auto &p : pages)
                QTest::addRow("%s-%s", p.second, dark ? "dark" : "light")
                        << p.first << QString(p.second) << dark;
        }
    }
    void pagesAreDrawn()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(bool, dark);
        Screenshots::applyAppearance(dark);

        DataModel model(testLinkSettings(), testLinkEnvironment(m_clock, ":memory:"));
        fillMirror(model);
        QFrame panel;
        panel.setObjectName(QStringLiteral("modulePanel"));
        auto *layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(12, 12, 12, 12);
        auto *module = new ModuleWidget(&model);
        layout->addWidget(module);
        module->applyChannelConfig(0x300, 0x300, 0xF0, 0xF0); // "12x12+Dante4x4"
        module->stackedButtonClicked(page);
        panel.resize(1000, 560);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto *strip = qobject_cast<ChannelStripWidget *>(module->page(page));
        if (name.endsWith("dante")) {
            QScrollBar *bar = strip->findChild<QScrollArea *>()->horizontalScrollBar();
            bar->setValue(bar->maximum());
            QVERIFY(strip->channelWidget(15)->visibleRegion().boundingRect().width()
                    == strip->channelWidget(15)->width());
        }

        Screenshots::keepAndCheck(
                panel.grab().toImage(),
                QStringLiteral("chain-%1-%2.png").arg(name, dark ? "dark" : "light"), 150);
        // The channel cards fit the height of the area: nothing is cut off at the bottom.
        if (strip) {
            auto *area = strip->findChild<QScrollArea *>();
            QVERIFY(area->widget()->minimumSizeHint().height() <= area->viewport()->height());
            QVERIFY(strip->channelWidget(0)->isVisible());
        }
    }
};

QTEST_MAIN(ChainScreenshotTest)
#include "ChainScreenshotTest.moc"
