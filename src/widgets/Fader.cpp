#include "widgets/Fader.h"

#include "widgets/ControlArtwork.h"
#include "widgets/FaderScale.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWheelEvent>

Fader::Fader(QWidget *parent) : QWidget(parent)
{
    initControlArtwork();
    setFocusPolicy(Qt::WheelFocus);
    m_scaleColour = m_colours.colours().faderScale;
    m_handle = QPixmap(QStringLiteral(":/image/fader_handle_small.png"));
}

void Fader::setRange(int minimum, int maximum)
{
    m_state.setRange(minimum, maximum);
    update();
}

void Fader::setDecimals(int decimals)
{
    m_state.setDecimals(decimals);
    update();
}

void Fader::setValue(double value)
{
    if (m_state.setValue(value))
        update();
}

void Fader::setSteps(double single, double page)
{
    m_state.setSteps(single, page);
}

void Fader::setClickToPage(bool on)
{
    m_input.setClickToPage(on);
}

void Fader::setScaleColour(const QColor &colour)
{
    m_scaleColour = colour;
    update();
}

FaderScale Fader::scale() const
{
    return FaderScale(height(), m_state.scaledMinimum(), m_state.scaledMaximum());
}

QRectF Fader::handleRect() const
{
    return QRectF(FaderScale::HandleX, scale().handleTop(m_state.scaledValue()),
                  FaderScale::HandleWidth, FaderScale::HandleHeight);
}

QSize Fader::sizeHint() const
{
    return {56, 260};
}

QSize Fader::minimumSizeHint() const
{
    return {56, 3 * FaderScale::HandleHeight};
}

void Fader::userChanged()
{
    update();
    emit valueChanged(value());
}

void Fader::changeEvent(QEvent *event)
{
    if (m_colours.follow(event)) {
        m_scaleColour = m_colours.colours().faderScale;
        update();
    }
    QWidget::changeEvent(event);
}

void Fader::mousePressEvent(QMouseEvent *event)
{
    if (m_input.press(event->localPos(), handleRect()))
        event->accept();
    else
        event->ignore();
}

void Fader::mouseMoveEvent(QMouseEvent *event)
{
    if (m_input.move(event->localPos(), scale()))
        userChanged();
}

void Fader::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_input.release(event->localPos(), handleRect()))
        userChanged();
}

void Fader::mouseDoubleClickEvent(QMouseEvent *)
{
    m_input.doubleClick();
    emit doubleClicked();
}

void Fader::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    if (m_input.wheel(delta.y() != 0 ? delta.y() : delta.x()))
        userChanged();
}

void Fader::keyPressEvent(QKeyEvent *event)
{
    if (m_input.key(event->key()))
        userChanged();
    else
        QWidget::keyPressEvent(event);
}

void Fader::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    painter.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPointSize(6);
    painter.setFont(small);

    const double w = width();
    const double groove = w / 2 - 6;
    painter.setPen(QPen(m_colours.colours().faderGroove, 4));
    painter.drawLine(QPointF(groove, 6), QPointF(groove, height() - 5));

    const FaderScale faderScale = scale();
    const QVector<FaderScale::Tick> ticks = faderScale.ticks(m_state.minimum(), m_state.maximum());
    painter.setPen(QPen(m_scaleColour, 2));
    for (int i = 0; i < ticks.size(); ++i) {
        const FaderScale::Tick &tick = ticks.at(i);
        painter.drawLine(QPointF(6, tick.y), QPointF(16, tick.y));
        painter.drawLine(QPointF(w - 27, tick.y), QPointF(w - 17, tick.y));
        if (!tick.labelled)
            continue;
        // The four upper ticks and the 0 dB tick come first; the lower scale's numbers are wider.
        const bool upper = i <= 4;
        const QRectF box =
                upper ? QRectF(w - 2 - 10, tick.y - 6, 10, 12) : QRectF(w - 15, tick.y - 6, 15, 12);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(tick.db));
    }

    painter.drawPixmap(handleRect(), m_handle, QRectF(m_handle.rect()));
}
