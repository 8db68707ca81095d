#include "widgets/Meter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOption>

Meter::Meter(QWidget *parent) : QWidget(parent) { }

void Meter::setRange(int minimum, int maximum)
{
    m_state.setRange(minimum, maximum);
    update();
}

void Meter::setLevel(int level)
{
    if (m_state.setLevel(level))
        update();
}

void Meter::setReductionMode(bool on)
{
    m_reduction = on;
    update();
}

QSize Meter::sizeHint() const
{
    return {12, 160};
}

void Meter::changeEvent(QEvent *event)
{
    if (m_colours.follow(event))
        update();
    QWidget::changeEvent(event);
}

void Meter::paintEvent(QPaintEvent *)
{
    if (!isEnabled())
        return;
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    const ControlPalette &colours = m_colours.colours();
    const int w = width();
    const int h = height();
    painter.setPen(QPen(colours.meterFrame, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect());
    painter.setPen(Qt::NoPen);

    const QRect inner(QPoint(1, 1), QPoint(w - 2, h - 2));
    if (!m_reduction) {
        QLinearGradient gradient(1, 1, w - 1, h - 1);
        gradient.setColorAt(0, colours.meterTop);
        gradient.setColorAt(m_state.zeroFromTop(), colours.meterZero);
        gradient.setColorAt(1, colours.meterBottom);
        painter.fillRect(inner, gradient);
        const double unlit = (h - 2) * (1 - m_state.fraction());
        painter.fillRect(QRectF(1, 1, inner.width(), unlit), colours.meterBackground);
    } else {
        painter.fillRect(inner, colours.meterBackground);
        QLinearGradient gradient(0, 0, w, h);
        gradient.setColorAt(0, colours.reductionStart);
        gradient.setColorAt(1, colours.reductionEnd);
        // The bar ends at (height - 1) x fraction, inside the frame.
        const double bar = (h - 2) * m_state.fraction();
        painter.fillRect(QRectF(1, 1, inner.width(), bar), gradient);
    }
}
