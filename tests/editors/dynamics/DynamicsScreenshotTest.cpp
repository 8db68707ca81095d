#include "editors/chain/ModuleWidget.h"
#include "editors/dynamics/DynamicsControl.h"
#include "editors/dynamics/DynamicsEditor.h"
#include "model/DataModel.h"
#include "support/TestLinkEnvironment.h"
#include "widgets/LineEdit.h"
#include "widgets/Resources.h"

#include "widgets/Screenshots.h"

#include <QApplication>
#include <QFrame>
#include <QVBoxLayout>
#include <QtTest>

// The AGC and limiter pages in both appearances: drawn, not blank, nothing cut off.
class DynamicsScreenshotTest : public QObject
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
        QTest::addColumn<bool>("dark");
        const QPair<int, const char *> pages[] = {{ModuleWidget::AgcPage, "agc"},
                                                  {ModuleWidget::InLimiterPage, "in-limiter"},
                                                  {ModuleWidget::OutLimiterPage, "out-limiter"}};
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
        // Channel 3 in use: a long label, the modules on and away from their start values.
        model.input(2).label = QStringLiteral("Lectern microphone");
        model.input(2).limiter = LimiterParams {1, -20.0f, 4.0f, 25.0f, 300.0f};
        model.input(2).limiterGain = 3.5f;
        model.output(2).limiter = LimiterParams {1, -6.0f, 100.0f, 1.0f, 50.0f};
        model.input(2).agc = AgcParams {1, -50.0f, -18.0f, 3.0f, 40.0f, 500.0f};
        QFrame panel;
        panel.setObjectName(QStringLiteral("modulePanel"));
        auto *layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(12, 12, 12, 12);
        auto *module = new ModuleWidget(&model);
        layout->addWidget(module);
        module->applyChannelConfig(0x300, 0x300, 0xF0, 0xF0); // "12x12+Dante4x4"
        module->stackedButtonClicked(page);
        auto *editor = qobject_cast<DynamicsEditor *>(module->page(page));
        QVERIFY(editor);
        editor->loadChannel(2);
        panel.resize(1000, 560);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));

        Screenshots::keepAndCheck(
                panel.grab().toImage(),
                QStringLiteral("dynamics-%1-%2.png").arg(name, dark ? "dark" : "light"), 150);
        // Every setting shows whole inside the page.
        QVERIFY(editor->minimumSizeHint().height() <= editor->height());
        QVERIFY(editor->minimumSizeHint().width() <= editor->width());
        for (DynamicsControl *control : editor->findChildren<DynamicsControl *>()) {
            if (!control->isVisible())
                continue;
            const QRect inPage(control->edit()->mapTo(editor, QPoint()), control->edit()->size());
            QVERIFY2(editor->rect().contains(inPage), qPrintable(control->objectName()));
        }
        Screenshots::resetAppearance();
    }
};

QTEST_MAIN(DynamicsScreenshotTest)
#include "DynamicsScreenshotTest.moc"
