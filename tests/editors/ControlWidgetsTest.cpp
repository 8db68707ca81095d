#include "editors/controls/AlertWidget.h"
#include "editors/controls/ComboBox.h"
#include "editors/controls/GroupBox.h"
#include "editors/controls/Knob.h"
#include "editors/controls/Label.h"
#include "editors/controls/MenuButton.h"
#include "editors/controls/MixButton.h"
#include "editors/controls/OverlayScrollArea.h"
#include "editors/controls/ScrollCaptionWidget.h"
#include "editors/controls/TipBox.h"

#include "editors/PointerEvents.h"

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

} // namespace

class ControlWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void mixCellsNameTheirPlaceForTheStyleSheet_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("desc");
        const char *names[] = {"left",     "top",         "right",     "bottom",      "center",
                               "left_top", "left_bottom", "right_top", "right_bottom"};
        for (int code = 0; code < 9; ++code)
            QTest::newRow(names[code]) << code << QString::fromLatin1(names[code]);
    }
    void mixCellsNameTheirPlaceForTheStyleSheet()
    {
        QFETCH(int, code);
        QFETCH(QString, desc);
        MixButton cell;
        cell.setPositionCode(code);
        QCOMPARE(cell.property("desc").toString(), desc);
        cell.setSelected(true);
        QCOMPARE(cell.property("desc").toString(), desc + "_selected");
        cell.setPositionCode(9); // unknown codes keep the style
        QCOMPARE(cell.property("desc").toString(), desc + "_selected");
        QCOMPARE(cell.positionCode(), code);
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
        QVERIFY(!cell.isDown());
        QCOMPARE(cell.property("desc").toString(), QStringLiteral("left_top_selected"));

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

    void mixCellShowsGains()
    {
        MixButton cell;
        cell.setGain(10);
        QCOMPARE(cell.text(), QStringLiteral("10"));
        cell.setGain(-55);
        QCOMPARE(cell.text(), QStringLiteral("-55"));
        cell.setGain(-56);
        QCOMPARE(cell.text(), QStringLiteral("-100"));
        cell.setGain(-128);
        QCOMPARE(cell.text(), QStringLiteral("-100"));
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
        QCOMPARE(MenuButton::steppedIndex(-1, 3, 1), 0);
        QCOMPARE(MenuButton::steppedIndex(-1, 3, -1), 2);
        QCOMPARE(MenuButton::steppedIndex(1, 3, 1), 2);
        QCOMPARE(MenuButton::steppedIndex(2, 3, 1), -1);
        QCOMPARE(MenuButton::steppedIndex(0, 3, -1), -1);
        QCOMPARE(MenuButton::steppedIndex(-1, 0, 1), -1);

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
        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction(), a);
        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction(), b);
        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction(), nullptr);
        QTest::keyClick(menu, Qt::Key_Up);
        QCOMPARE(menu->activeAction(), b);
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
        QVERIFY(clear);
        QVERIFY(clear->isCheckable());
        QVERIFY(clear->isVisible());
        QCOMPARE(clear->text(), QStringLiteral("Clear"));
        button.setText(QString());
        QVERIFY(!clear->isVisible());
        button.setText("B");
        QCOMPARE(button.clearAction(), clear);
        QVERIFY(clear->isVisible());
        QCOMPARE(button.popupMenu()->actions().count(clear), 1);
    }

    void groupBoxLeavesClicksToItsParent()
    {
        GroupBox box("Gate");
        box.resize(200, 100);
        QSignalSpy doubled(&box, &GroupBox::doubleClicked);
        QVERIFY(!PointerEvents::press(&box, {50, 50}));
        PointerEvents::mouse(&box, QEvent::MouseButtonDblClick, {50, 50});
        QCOMPARE(doubled.count(), 1);
    }

    void comboBoxAndLabelReportPresses()
    {
        ComboBox combo;
        combo.addItems({"1", "2"});
        combo.show();
        QSignalSpy pressed(&combo, &ComboBox::mousePressed);
        QTest::mousePress(&combo, Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);
        combo.hidePopup();

        Label label("In 1");
        QSignalSpy doubled(&label, &Label::mouseDoubleClicked);
        QTest::mouseDClick(&label, Qt::LeftButton);
        QCOMPARE(doubled.count(), 1);
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

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&caption, &enter);
        QVERIFY(!caption.isScrolling());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&caption, &leave);
        QVERIFY(caption.isScrolling());
        caption.hide();
        QVERIFY(!caption.isScrolling());
        QApplication::sendEvent(&caption, &leave);
        QVERIFY(!caption.isScrolling());

        caption.setVertical(true);
        QCOMPARE(caption.period(), QFontMetrics(caption.font()).height());
    }

    void onlyOneTipBoxAtATime()
    {
        Knob knob;
        knob.setRange(0, 10);
        QPointer<TipBox> first = new TipBox(&knob, "Gain");
        QCOMPARE(TipBox::current(), first.data());
        QPointer<TipBox> second = new TipBox(&knob, "Gain", "3 dB");
        QCOMPARE(TipBox::current(), second.data());
        QVERIFY(!first->isVisible());
        QTRY_VERIFY(first.isNull()); // deleted on close

        // Text size plus 80 x 16.
        const QFontMetrics title(second->findChild<QLabel *>("tipBoxTitle")->font());
        const QFontMetrics detail(second->findChild<QLabel *>("tipBoxDetail")->font());
        QCOMPARE(second->size(),
                 QSize(std::max(title.horizontalAdvance("Gain"), detail.horizontalAdvance("3 dB"))
                               + 80,
                       title.height() + 4 + detail.height() + 16));

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

    void tipBoxDetailHiddenUntilSet()
    {
        QPointer<TipBox> tip = new TipBox(nullptr, "Frequency");
        QLabel *detail = tip->findChild<QLabel *>("tipBoxDetail");
        tip->show();
        QVERIFY(!detail->isVisible());
        tip->setDetail("1000 Hz");
        QVERIFY(detail->isVisible());
        TipBox::closeCurrent();
        QTRY_VERIFY(tip.isNull());
    }

    void alertEditCountsDeviceBytes()
    {
        AlertWidget alert;
        QCOMPARE(alert.objectName(), QStringLiteral("AlertWidget"));
        QVERIFY(alert.findChild<QWidget *>("contentWidget"));
        QLineEdit *edit = alert.addLineEdit(5);
        QCOMPARE(edit->objectName(), QStringLiteral("alertWidgetEdit"));
        QCOMPARE(alert.okButton()->objectName(), QStringLiteral("okButton"));
        QCOMPARE(alert.okButton()->height(), 25);
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
        OverlayScrollArea area;
        auto *content = new QWidget;
        content->resize(1000, 1000);
        area.setWidget(content);
        area.resize(200, 200);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QScrollBar *vertical = area.verticalScrollBar();
        QScrollBar *overlay = area.overlayVerticalBar();
        QVERIFY(!vertical->isVisible());
        QVERIFY(!overlay->isVisible());
        QCOMPARE(overlay->maximum(), vertical->maximum());
        QTRY_COMPARE(overlay->pageStep(), vertical->pageStep());
        QCOMPARE(overlay->singleStep(), vertical->singleStep());

        vertical->setValue(120);
        QCOMPARE(overlay->value(), 120);
        QVERIFY(overlay->isVisible());
        QVERIFY(!area.overlayHorizontalBar()->isVisible());
        overlay->setValue(300);
        QCOMPARE(vertical->value(), 300);
        QCOMPARE(content->y(), -300);

        area.resize(200, 150); // the ranges and steps follow
        content->resize(1000, 400);
        QTRY_COMPARE(overlay->maximum(), vertical->maximum());
        QTRY_COMPARE(overlay->pageStep(), vertical->pageStep());

        area.hideTimerTimeout();
        QVERIFY(!overlay->isVisible());
    }

    void contentScrollsByDragging()
    {
        OverlayScrollArea area;
        auto *content = new QWidget;
        content->resize(1000, 1000);
        area.setWidget(content);
        area.resize(200, 200);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        area.horizontalScrollBar()->setValue(100);
        area.verticalScrollBar()->setValue(100);

        QWidget *viewport = area.viewport();
        PointerEvents::press(viewport, {100, 100});
        PointerEvents::move(viewport, {97, 95}); // under 10 px: not yet
        QCOMPARE(area.verticalScrollBar()->value(), 100);
        PointerEvents::move(viewport, {95, 85}); // scrolls with the pointer
        QCOMPARE(area.verticalScrollBar()->value(), 110);
        QCOMPARE(area.horizontalScrollBar()->value(), 102);
        PointerEvents::release(viewport, {95, 85});
        PointerEvents::move(viewport, {10, 10});
        QCOMPARE(area.verticalScrollBar()->value(), 110);

        area.setHorizontalScrollEnabled(false);
        PointerEvents::press(viewport, {100, 100});
        PointerEvents::move(viewport, {80, 80});
        PointerEvents::release(viewport, {80, 80});
        QCOMPARE(area.verticalScrollBar()->value(), 130);
        QCOMPARE(area.horizontalScrollBar()->value(), 102);
    }
};

QTEST_MAIN(ControlWidgetsTest)
#include "ControlWidgetsTest.moc"
