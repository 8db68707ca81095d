#include "widgets/MenuButton.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStyle>

namespace {

// The actions a user can land on: visible, enabled, not separators.
QList<QAction *> selectableActions(const QMenu *menu)
{
    QList<QAction *> out;
    for (QAction *action : menu->actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator())
            out.append(action);
    }
    return out;
}

} // namespace

MenuButton::MenuButton(QWidget *parent)
    : QPushButton(parent), m_menu(new QMenu(this)), m_indicator(new QLabel(this))
{
    m_indicator->setObjectName(QStringLiteral("menuButtonIndicator"));
    m_indicator->setText(QStringLiteral("\u25BE"));
    m_indicator->setAlignment(Qt::AlignCenter);
    m_indicator->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_indicator->setProperty("highlighted", false);
    m_menu->installEventFilter(this);
    connect(this, &QPushButton::clicked, this, &MenuButton::buttonClicked);
    connect(m_menu, &QMenu::triggered, this, &MenuButton::actionTriggered);
    connect(m_menu, &QMenu::aboutToShow, this, &MenuButton::menuAboutToShow);
    connect(m_menu, &QMenu::aboutToHide, this, &MenuButton::menuAboutToHide);
}

void MenuButton::setText(const QString &text)
{
    QPushButton::setText(text);
    if (!m_clear) {
        m_clearSeparator = m_menu->addSeparator();
        m_clear = m_menu->addAction(QString());
        m_clear->setCheckable(true);
        retranslate();
    }
    m_clearSeparator->setVisible(!text.isEmpty());
    m_clear->setVisible(!text.isEmpty());
}

void MenuButton::setHighlighted(bool highlighted)
{
    if (m_highlighted == highlighted)
        return;
    m_highlighted = highlighted;
    m_indicator->setProperty("highlighted", highlighted);
    m_indicator->style()->unpolish(m_indicator);
    m_indicator->style()->polish(m_indicator);
    m_indicator->update();
    emit highlightChanged(highlighted);
}

QPoint MenuButton::menuPosition(const QRect &buttonGlobal, const QSize &menuSize,
                                const QRect &available)
{
    const int below = buttonGlobal.bottom() + 1;
    if (below + menuSize.height() <= available.bottom() + 1)
        return {buttonGlobal.left(), below};
    return {buttonGlobal.left(), buttonGlobal.top() - menuSize.height()};
}

int MenuButton::steppedIndex(int current, int count, int direction)
{
    if (count <= 0)
        return -1;
    if (current < 0 || current >= count)
        return direction > 0 ? 0 : count - 1;
    const int next = current + (direction > 0 ? 1 : -1);
    return next >= 0 && next < count ? next : -1;
}

void MenuButton::actionTriggered(QAction *action)
{
    emit triggered(action);
}

void MenuButton::menuAboutToShow()
{
    setHighlighted(true);
}

void MenuButton::menuAboutToHide()
{
    setHighlighted(false);
}

void MenuButton::buttonClicked()
{
    const QRect global(mapToGlobal(QPoint(0, 0)), size());
    const QScreen *screen = window()->screen();
    const QRect available =
            screen ? screen->availableGeometry() : QRect(global.topLeft(), QSize(0, 1 << 20));
    m_menu->popup(menuPosition(global, m_menu->sizeHint(), available));
}

bool MenuButton::menuKeyPressed(int key)
{
    const QList<QAction *> actions = selectableActions(m_menu);
    const int current = actions.indexOf(m_menu->activeAction());
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int next = steppedIndex(current, actions.size(), key == Qt::Key_Down ? 1 : -1);
        m_menu->setActiveAction(next >= 0 ? actions.at(next) : nullptr);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (current < 0)
            return false;
        // trigger() toggles a checkable action and reports it through the menu's triggered().
        actions.at(current)->trigger();
        return true;
    default:
        return false;
    }
}

bool MenuButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu && event->type() == QEvent::KeyPress
        && menuKeyPressed(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QPushButton::eventFilter(watched, event);
}

void MenuButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}

void MenuButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    const int side = height();
    m_indicator->setGeometry(width() - side, 0, side, side);
}

void MenuButton::retranslate()
{
    if (m_clear)
        m_clear->setText(tr("Clear"));
}
