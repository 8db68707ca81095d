#include "widgets/RotateText.h"

#include <QPainter>
#include <QStyleOption>

RotateText::RotateText(QWidget *parent) : QWidget(parent) { }

RotateText::RotateText(const QString &text, QWidget *parent) : QWidget(parent), m_text(text) { }

void RotateText::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

QSize RotateText::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.height() + 4, metrics.horizontalAdvance(m_text) + 6};
}

void RotateText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.translate(width() / 2.0, height());
    painter.rotate(-90);
    painter.drawText(QPointF(2, 4), m_text);
}
