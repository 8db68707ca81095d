#include "panel/ListWidget.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

ListWidget::ListWidget(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void ListWidget::setPlaceholderText(const QString &text)
{
    m_placeholderText = text;
    viewport()->update();
}

void ListWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        return;
    QListWidget::mousePressEvent(event);
}

void ListWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        return;
    QListWidget::mouseReleaseEvent(event);
}

void ListWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The item view turns a double click of any button into a press or a double-click signal.
    if (event->button() == Qt::RightButton)
        return;
    QListWidget::mouseDoubleClickEvent(event);
}

void ListWidget::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging with the right button held must not move the current row either.
    if (event->buttons() & Qt::RightButton)
        return;
    QListWidget::mouseMoveEvent(event);
}

void ListWidget::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    emit contextMenuAtRow(index.isValid() ? index.row() : -1);
    event->accept();
}

void ListWidget::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (count() > 0 || m_placeholderText.isEmpty())
        return;
    QPainter painter(viewport());
    // The list's own text colour (from the style sheet of the appearance), toned down.
    QColor colour = palette().color(QPalette::Text);
    colour.setAlphaF(0.55);
    painter.setPen(colour);
    painter.drawText(viewport()->rect().adjusted(16, 16, -16, -16),
                     Qt::AlignCenter | Qt::TextWordWrap, m_placeholderText);
}
