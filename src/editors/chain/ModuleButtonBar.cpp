#include "ModuleButtonBar.h"

#include <QAbstractButton>
#include <QEvent>

ModuleButtonBar::ModuleButtonBar(QWidget *parent) : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ModuleButtonBar::addButton(QAbstractButton *button)
{
    button->setParent(this);
    m_buttons.push_back(button);
    updateGeometry();
}

int ModuleButtonBar::heightForWidth(int width) const
{
    return arrange(width, false);
}

QSize ModuleButtonBar::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const QAbstractButton *button : m_buttons) {
        const QSize hint = button->sizeHint();
        width += hint.width() + (width > 0 ? Spacing : 0);
        height = qMax(height, hint.height());
    }
    return {width, height};
}

QSize ModuleButtonBar::minimumSizeHint() const
{
    int width = 0;
    for (const QAbstractButton *button : m_buttons)
        width = qMax(width, button->sizeHint().width());
    return {width, arrange(width, false)};
}

bool ModuleButtonBar::event(QEvent *event)
{
    // A button's text changed (language switch): its size hint did too.
    if (event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        arrange(width(), true);
    }
    return QWidget::event(event);
}

void ModuleButtonBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange(width(), true);
}

int ModuleButtonBar::arrange(int width, bool apply) const
{
    // Break into as few rows as needed, in order, with the rows about equally long; then widen
    // the buttons of each row to fill it.
    const auto breakRows = [this, width](int target) {
        std::vector<std::vector<QAbstractButton *>> rows(1);
        int x = 0;
        for (QAbstractButton *button : m_buttons) {
            const int w = button->sizeHint().width();
            if (x > 0 && (x + w > width || x + w / 2 > target)) {
                rows.emplace_back();
                x = 0;
            }
            rows.back().push_back(button);
            x += w + Spacing;
        }
        return rows;
    };
    std::vector<std::vector<QAbstractButton *>> rows = breakRows(width);
    if (rows.size() > 1) {
        int total = -Spacing;
        for (const QAbstractButton *button : m_buttons)
            total += button->sizeHint().width() + Spacing;
        std::vector<std::vector<QAbstractButton *>> balanced =
                breakRows(total / int(rows.size()) + Spacing);
        if (balanced.size() == rows.size())
            rows = std::move(balanced);
    }
    int y = 0;
    for (const std::vector<QAbstractButton *> &row : rows) {
        if (row.empty())
            continue;
        int used = -Spacing;
        int rowHeight = 0;
        for (const QAbstractButton *button : row) {
            used += button->sizeHint().width() + Spacing;
            rowHeight = qMax(rowHeight, button->sizeHint().height());
        }
        if (apply) {
            const int extra = qMax(0, width - used);
            int left = 0;
            for (size_t i = 0; i < row.size(); ++i) {
                // The extra width shared out evenly; the last button takes the remainder.
                const int share =
                        extra * int(i + 1) / int(row.size()) - extra * int(i) / int(row.size());
                const int w = row[i]->sizeHint().width() + share;
                row[i]->setGeometry(left, y, w, rowHeight);
                left += w + Spacing;
            }
        }
        y += rowHeight + Spacing;
    }
    return qMax(0, y - Spacing);
}
