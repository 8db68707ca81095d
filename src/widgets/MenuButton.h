#pragma once

#include <QPushButton>

class QAction;
class QLabel;
class QMenu;

// A push button that drops down a menu of (usually checkable) choices. The menu opens below
// the button when it fits on the screen, otherwise above. In the open menu the Up and Down keys
// step through the actions and past either end to none; Return, Enter or Space toggle the
// active action and report it like a click. Once a text has been set, a checkable "Clear"
// action is offered while the text is non-empty. A child label shows the highlight state
// (while the menu is open) through its "highlighted" property.
class MenuButton : public QPushButton
{
    Q_OBJECT

public:
    explicit MenuButton(QWidget *parent = nullptr);

    QMenu *popupMenu() const { return m_menu; }
    QAction *clearAction() const { return m_clear; }
    QLabel *indicator() const { return m_indicator; }

    // Shadows QAbstractButton::setText to offer "Clear" for a non-empty text.
    void setText(const QString &text);

    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }

    // Where the menu's top-left corner goes: below the button when the menu fits under it
    // within the available screen area, otherwise above it.
    static QPoint menuPosition(const QRect &buttonGlobal, const QSize &menuSize,
                               const QRect &available);
    // The index after stepping from current (-1: none) by direction (+1 or -1) among count
    // actions; stepping past either end gives -1.
    static int steppedIndex(int current, int count, int direction);

signals:
    void triggered(QAction *action);
    void highlightChanged(bool highlighted);

public slots:
    void actionTriggered(QAction *action);
    void menuAboutToShow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buttonClicked();
    void menuAboutToHide();
    bool menuKeyPressed(int key);
    void retranslate();

    QMenu *m_menu;
    QLabel *m_indicator;
    QAction *m_clearSeparator = nullptr;
    QAction *m_clear = nullptr;
    bool m_highlighted = false;
};
