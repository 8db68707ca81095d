#include "widgets/AlertWidget.h"
#include "widgets/GroupBox.h"
#include "widgets/Knob.h"
#include "widgets/MenuButton.h"
#include "widgets/MixButton.h"
#include "widgets/OverlayScrollArea.h"
#include "widgets/ScrollCaptionWidget.h"
#include "widgets/TipBox.h"

#include "widgets/PointerEvents.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

// QTest::keyClicks takes only Latin-1; this types any text, one character a key press.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// A 1000 x 1000 content in a 200 x 200 overlay area, shown.
struct ScrolledArea
{
    OverlayScrollArea area;
    QWidget *content = new QWidget;

    ScrolledArea()
    {
        content->resize(1000, 1000);
        area.setWidget(content);
        area.resize(200, 200);
        area.show();
    }
};

} // namespace

class ControlWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    // The style sheet draws a matrix cell by the place named in its "desc" property.
    void mixCellsNameTheirPlaceForTheStyleSheet()
    {
        const char *names[] = {"left",     "top",         "right",     "bottom",      "center",
                               "left_top", "left_bottom", "right_top", "right_bottom"};
        for (int code = 0; code < 9; ++code) {
            const QString desc = QString::fromLatin1(names[code]);
            MixButton cell;
            cell.setPositionCode(code);
            QCOMPARE(cell.property("desc").toString(), desc);
            cell.setSelected(true);
            QCOMPARE(cell.property("desc").toString(), desc + "_selected");
            cell.setPositionCode(9); // unknown codes keep the style
            QCOMPARE(cell.property("desc").toString(), desc + "_selected");
        }

        // Gains as the cell shows them: -56 dB and below read as off.
        MixButton cell;
        const QPair<int, const char *> gains[] = {
                {10, "10"}, {-55, "-55"}, {-56, "-100"}, {-128, "-100"}};
        for (const auto &gain : gains) {
            cell.setGain(qint8(gain.first));
            QCOMPARE(cell.text(), QLatin1String(gain.second));
        }
    }

    void mixCellIsSelectedFirstAndSwitchedAfter()
    {
        MixButton cell;
        cell.resize(40, 30);
        cell.setPositionCode(MixButton::LeftTop);
        QSignalSpy selected(&cell, &MixButton::selected);
        QSignalSpy clicked(&cell, &MixButton::clicked);

        QTest::mouseClick(&cell, Qt::LeftButton);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(cell.isSelected());
        QVERIFY(!cell.isOn());
        QVERIFY(!cell.isChecked());

        QTest::mouseClick(&cell, Qt::LeftButton);
        QTest::mouseClick(&cell, Qt::LeftButton);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(0).at(0).toBool(), true);
        QCOMPARE(clicked.at(1).at(0).toBool(), false);
        QCOMPARE(selected.count(), 1);

        // A press that slides off the cell does nothing.
        QTest::mousePress(&cell, Qt::LeftButton);
        QTest::mouseRelease(&cell, Qt::LeftButton, {}, QPoint(200, 200));
        QCOMPARE(clicked.count(), 2);
        QVERIFY(!cell.isDown());

        cell.setOn(true);
        QVERIFY(cell.isChecked());
        QCOMPARE(clicked.count(), 2);

        QSignalSpy entered(&cell, &MixButton::entered);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&cell, &enter);
        QCOMPARE(entered.count(), 1);
    }

    void menuOpensBelowWhenItFitsOtherwiseAbove()
    {
        const QRect screen(0, 0, 1000, 800);
        const QRect button(100, 500, 80, 24); // bottom edge at 523
        QCOMPARE(MenuButton::menuPosition(button, {120, 276}, screen), QPoint(100, 524));
        QCOMPARE(MenuButton::menuPosition(button, {120, 277}, screen), QPoint(100, 223));
    }

    void menuKeysStepThroughTheActionsAndOffTheEnds()
    {
        QCOMPARE(MenuButton::steppedIndex(-1, 0, 1), -1); // an empty menu

        qRegisterMetaType<QAction *>();
        MenuButton button;
        QAction *a = button.popupMenu()->addAction("A");
        QAction *b = button.popupMenu()->addAction("B");
        a->setCheckable(true);
        b->setCheckable(true);
        QSignalSpy triggered(&button, &MenuButton::triggered);
        QSignalSpy highlight(&button, &MenuButton::highlightChanged);
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(button.popupMenu()->isVisible());
        QVERIFY(button.isHighlighted());
        QCOMPARE(button.indicator()->property("highlighted").toBool(), true);

        QMenu *menu = button.popupMenu();
        const QPair<Qt::Key, QAction *> steps[] = {
                {Qt::Key_Down, a}, {Qt::Key_Down, b},     {Qt::Key_Down, nullptr}, {Qt::Key_Up, b},
                {Qt::Key_Up, a},   {Qt::Key_Up, nullptr}, {Qt::Key_Up, b}};
        for (const auto &step : steps) {
            QTest::keyClick(menu, step.first);
            QCOMPARE(menu->activeAction(), step.second);
        }
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(b->isChecked());
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(triggered.at(0).at(0).value<QAction *>(), b);

        menu->hide();
        QVERIFY(!button.isHighlighted());
        QCOMPARE(highlight.count(), 2);
        QCOMPARE(button.indicator()->property("highlighted").toBool(), false);
    }

    void menuOffersClearOnlyForAText()
    {
        MenuButton button;
        button.popupMenu()->addAction("A");
        QVERIFY(!button.clearAction());
        button.setText("A");
        QAction *clear = button.clearAction();
        QVERIFY(clear && clear->isCheckable() && clear->isVisible());
        QCOMPARE(clear->text(), QStringLiteral("Clear"));
        button.setText(QString());
        QVERIFY(!clear->isVisible());
        button.setText("B");
        QCOMPARE(button.clearAction(), clear);
        QVERIFY(clear->isVisible());
        QCOMPARE(button.popupMenu()->actions().count(clear), 1);
    }

    // The overview's groups open the meter window on a double click (OverviewTest); a press
    // goes on to the parent.
    void groupBoxLeavesPressesToItsParent()
    {
        GroupBox box("Gate");
        box.resize(200, 100);
        QVERIFY(!PointerEvents::press(&box, {50, 50}));
    }

    void captionScrollsAndLoops()
    {
        ScrollCaptionWidget caption;
        caption.setText("Scene 1");
        caption.resize(60, 20);
        QVERIFY(!caption.isScrolling());
        caption.show();
        QVERIFY(caption.isScrolling());

        const int period = caption.period();
        QCOMPARE(period,
                 QFontMetrics(caption.font()).horizontalAdvance("Scene 1" + QString(12, ' ')));
        for (int i = 1; i < period; ++i)
            caption.scrollTimerTimeout();
        QCOMPARE(caption.offset(), period - 1);
        caption.scrollTimerTimeout();
        QCOMPARE(caption.offset(), 0);

        // The pointer over it holds it; hidden, it stays still even when the pointer leaves.
        QEvent enter(QEvent::Enter);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&caption, &enter);
        QVERIFY(!caption.isScrolling());
        QApplication::sendEvent(&caption, &leave);
        QVERIFY(caption.isScrolling());
        caption.hide();
        QVERIFY(!caption.isScrolling());
        QApplication::sendEvent(&caption, &leave);
        QVERIFY(!caption.isScrolling());

        caption.setVertical(true); // scrolls by lines
        QCOMPARE(caption.period(), QFontMetrics(caption.font()).height());
    }

    void onlyOneTipBoxAtATime()
    {
        Knob knob;
        knob.setRange(0, 10);
        QPointer<TipBox> first = new TipBox(&knob, "Gain");
        QLabel *detail = first->findChild<QLabel *>("tipBoxDetail");
        first->show();
        QVERIFY(!detail->isVisible()); // until there is a detail
        first->setDetail("1000 Hz");
        QVERIFY(detail->isVisible());
        QCOMPARE(TipBox::current(), first.data());

        QPointer<TipBox> second = new TipBox(&knob, "Gain", "3 dB");
        QCOMPARE(TipBox::current(), second.data());
        QVERIFY(!first->isVisible());
        QTRY_VERIFY(first.isNull()); // deleted on close

        second->showAt(QPoint(10, 10), 0);
        QTest::keyClick(second, Qt::Key_Up); // goes on to the knob
        QCOMPARE(knob.value(), 1);

        second->timeout();
        QTRY_VERIFY(second.isNull());
        QCOMPARE(TipBox::current(), nullptr);

        new TipBox(&knob, "Q");
        TipBox::closeCurrent();
        QTRY_COMPARE(TipBox::current(), nullptr);
    }

    void alertEditCountsDeviceBytes()
    {
        AlertWidget alert;
        QLineEdit *edit = alert.addLineEdit(5);
        QCOMPARE(alert.cancelButton()->text(), QStringLiteral("Cancel"));

        typeText(edit, QStringLiteral("中文字")); // two bytes each
        QCOMPARE(edit->text(), QStringLiteral("中文"));
        typeText(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text(), QStringLiteral("中文a"));
        QCOMPARE(AlertWidget::encodedLength(edit->text()), 5);

        // Text typed in front of the cursor's start position is cut from the end.
        edit->setText(QStringLiteral("abcd"));
        edit->setCursorPosition(0);
        alert.lineEditTextEdited(QStringLiteral("abcdef"));
        QVERIFY(AlertWidget::encodedLength(edit->text()) <= 5);

        QSignalSpy accepted(&alert, &QDialog::accepted);
        alert.okButton()->click();
        QCOMPARE(accepted.count(), 1);
    }

    void overlayBarsFollowTheContent()
    {
        ScrolledArea s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.area));
        QScrollBar *vertical = s.area.verticalScrollBar();
        QScrollBar *overlay = s.area.overlayVerticalBar();
        QVERIFY(!vertical->isVisible());
        QVERIFY(!overlay->isVisible());
        QCOMPARE(overlay->maximum(), vertical->maximum());
        QTRY_COMPARE(overlay->pageStep(), vertical->pageStep());
        QCOMPARE(overlay->singleStep(), vertical->singleStep());

        vertical->setValue(120);
        QCOMPARE(overlay->value(), 120);
        QVERIFY(overlay->isVisible());
        QVERIFY(!s.area.overlayHorizontalBar()->isVisible());
        overlay->setValue(300);
        QCOMPARE(vertical->value(), 300);
        QCOMPARE(s.content->y(), -300);

        s.area.resize(200, 150); // the ranges and steps follow
        s.content->resize(1000, 400);
        QTRY_COMPARE(overlay->maximum(), vertical->maximum());
        QTRY_COMPARE(overlay->pageStep(), vertical->pageStep());

        s.area.hideTimerTimeout();
        QVERIFY(!overlay->isVisible());
    }

    void contentScrollsByDragging()
    {
        ScrolledArea s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.area));
        QScrollBar *horizontal = s.area.horizontalScrollBar();
        QScrollBar *vertical = s.area.verticalScrollBar();
        horizontal->setValue(100);
        vertical->setValue(100);

        QWidget *viewport = s.area.viewport();
        PointerEvents::press(viewport, {100, 100});
        PointerEvents::move(viewport, {97, 95}); // under 10 px: not yet
        QCOMPARE(vertical->value(), 100);
        PointerEvents::move(viewport, {95, 85}); // scrolls with the pointer
        QCOMPARE(vertical->value(), 110);
        QCOMPARE(horizontal->value(), 102);
        PointerEvents::release(viewport, {95, 85});
        PointerEvents::move(viewport, {10, 10});
        QCOMPARE(vertical->value(), 110);

        s.area.setHorizontalScrollEnabled(false);
        PointerEvents::press(viewport, {100, 100});
        PointerEvents::move(viewport, {80, 80});
        PointerEvents::release(viewport, {80, 80});
        QCOMPARE(vertical->value(), 130);
        QCOMPARE(horizontal->value(), 102);
    }
};

QTEST_MAIN(ControlWidgetsTest)
#include "ControlWidgetsTest.moc"
