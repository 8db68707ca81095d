#include "editors/chain/ModuleWidget.h"
#include "editors/filter/FilterGraph.h"
#include "editors/filter/FilterWidget.h"
#include "model/DataModel.h"
#include "support/TestLinkEnvironment.h"
#include "widgets/Resources.h"

#include "widgets/Screenshots.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A channel shaped for a room: a high-pass, a low-pass and bands of all three kinds.
template<typename Channel> void shape(Channel &c, float tilt)
{
    c.hpf = HlpfFilter {1, 1, 3, 60.0f};
    c.lpf = HlpfFilter {1, 2, 2, 14000.0f * tilt};
    c.peq[0] = PeqFilter {1, 1, 120.0f, 4.0f * tilt, 6};
    c.peq[1] = PeqFilter {1, 0, 350.0f, -6.5f, 30};
    c.peq[2] = PeqFilter {1, 0, 900.0f, 3.0f, 20};
    c.peq[3] = PeqFilter {0, 0, 1500.0f, 9.0f, 43};
    c.peq[4] = PeqFilter {1, 0, 2500.0f, -9.0f, 50};
    c.peq[5] = PeqFilter {1, 2, 6000.0f, 5.0f, 8};
}

} // namespace

// The In Filter and Out Filter pages in both appearances, with a curve that is not flat:
// drawn, not blank, nothing cut off.
class FilterScreenshotTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;

private slots:
    void initTestCase()
    {
        initApplicationResources();
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    }

    void cleanupTestCase() { Screenshots::resetAppearance(); }

    void pagesAreDrawn_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("dark");
        for (bool dark : {false, true}) {
            QTest::addRow("in-filter-%s", dark ? "dark" : "light")
                    << int(ModuleWidget::InFilterPage) << dark;
            QTest::addRow("out-filter-%s", dark ? "dark" : "light")
                    << int(ModuleWidget::OutFilterPage) << dark;
        }
    }

    void pagesAreDrawn()
    {
        QFETCH(int, page);
        QFETCH(bool, dark);
        Screenshots::applyAppearance(dark);

        DataModel model(testLinkSettings(), testLinkEnvironment(m_clock, ":memory:"));
        shape(model.input(0), 1.0f);
        shape(model.output(1), 0.6f);
        model.input(0).label = QStringLiteral("Lectern");
        QFrame panel;
        panel.setObjectName(QStringLiteral("modulePanel"));
        auto *layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(12, 12, 12, 12);
        auto *module = new ModuleWidget(&model);
        layout->addWidget(module);
        module->applyChannelConfig(0x300, 0x300, 0xF0, 0xF0); // "12x12+Dante4x4"
        module->stackedButtonClicked(page);
        auto *editor = qobject_cast<FilterWidget *>(module->page(page));
        QVERIFY(editor);
        if (page == ModuleWidget::OutFilterPage)
            editor->loadChannel(1);
        panel.resize(1000, 560);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));

        const QString name = QStringLiteral("filter-%1-%2.png")
                                     .arg(page == ModuleWidget::InFilterPage ? "in" : "out",
                                          dark ? "dark" : "light");
        Screenshots::keepAndCheck(panel.grab().toImage(), name, 150);
        // The curve is not flat, and every section has the room it asks for.
        const auto &curve = editor->graph()->curve();
        QVERIFY(*std::max_element(curve.begin(), curve.end()) > 2.0);
        QVERIFY(*std::min_element(curve.begin(), curve.end()) < -20.0);
        for (QGroupBox *box : editor->findChildren<QGroupBox *>()) {
            QVERIFY2(box->height() >= box->minimumSizeHint().height()
                             && box->width() >= box->minimumSizeHint().width(),
                     qPrintable(box->objectName()));
        }
        QVERIFY(editor->graph()->height() >= 160);
        // At this size the whole page is in view: nothing to scroll to.
        auto *area = editor->findChild<QScrollArea *>();
        QVERIFY(area->widget()->minimumSizeHint().height() <= area->viewport()->height());
        QVERIFY(area->widget()->minimumSizeHint().width() <= area->viewport()->width());
    }
};

QTEST_MAIN(FilterScreenshotTest)
#include "FilterScreenshotTest.moc"
