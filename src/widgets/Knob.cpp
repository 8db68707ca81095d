#include "widgets/Knob.h"

#include "widgets/ControlArtwork.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWheelEvent>

namespace {

struct KnobImages
{
    int side;
    const char *base;
    const char *indicator;
};

const KnobImages kImages[] = {
        {40, ":/image/KnobBaseSmallest.png", ":/image/KnobIndicatorSmallest.png"},
        {54, ":/image/KnobBaseSmall.png", ":/image/KnobIndicatorSmall.png"},
        {74, ":/image/KnobBase.png", ":/image/KnobIndicator.png"},
        {104, ":/image/KnobBaseLarge.png", ":/image/KnobIndicatorLarge.png"},
};

bool validSizeCode(int sizeCode)
{
    return sizeCode >= 0 && sizeCode < int(std::size(kImages));
}

int wheelDelta(const QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    return delta.y() != 0 ? delta.y() : delta.x();
}

} // namespace

Knob::Knob(QWidget *parent) : QWidget(parent)
{
    initControlArtwork();
    setFocusPolicy(Qt::WheelFocus);
    m_accelerationTimer.setInterval(10);
    connect(&m_accelerationTimer, &QTimer::timeout, this, &Knob::timeout);
    setSizeCode(Normal);
}

void Knob::setRange(int minimum, int maximum)
{
    m_state.setRange(minimum, maximum);
    update();
}

void Knob::setValue(int value)
{
    if (m_state.setValue(value))
        update();
}

void Knob::setStep(int step)
{
    m_state.setStep(step);
}

int Knob::sideForSizeCode(int sizeCode)
{
    return validSizeCode(sizeCode) ? kImages[sizeCode].side : 0;
}

void Knob::setSizeCode(int sizeCode)
{
    if (!validSizeCode(sizeCode) || sizeCode == m_sizeCode)
        return;
    m_sizeCode = sizeCode;
    const KnobImages &images = kImages[sizeCode];
    m_base = QPixmap(QString::fromLatin1(images.base));
    m_indicator = QPixmap(QString::fromLatin1(images.indicator));
    setFixedSize(images.side, images.side);
    update();
}

void Knob::setSensitivity(double horizontal, double vertical)
{
    m_input.setSensitivity(horizontal, vertical);
}

void Knob::setAcceleration(bool on, double factor)
{
    m_input.setAcceleration(on, factor);
}

void Knob::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    update();
}

QSize Knob::sizeHint() const
{
    const int side = sideForSizeCode(m_sizeCode);
    return {side, side};
}

void Knob::timeout()
{
    m_input.tick();
}

bool Knob::event(QEvent *event)
{
    // Arrow keys are taken here, before focus navigation or a parent can claim them.
    if (event->type() == QEvent::KeyPress) {
        if (m_input.key(static_cast<QKeyEvent *>(event)->key())) {
            update();
            emit valueChanged(m_state.value());
            return true;
        }
    }
    return QWidget::event(event);
}

void Knob::changeEvent(QEvent *event)
{
    if (m_colours.follow(event))
        update();
    QWidget::changeEvent(event);
}

void Knob::mousePressEvent(QMouseEvent *event)
{
    m_input.press(event->localPos());
    if (m_input.isAccelerated() && !m_accelerationTimer.isActive())
        m_accelerationTimer.start();
    emit mousePressed(m_state.value());
}

void Knob::mouseMoveEvent(QMouseEvent *event)
{
    if (m_input.move(event->localPos())) {
        update();
        emit valueChanged(m_state.value());
    }
}

void Knob::mouseReleaseEvent(QMouseEvent *)
{
    m_input.release();
    m_accelerationTimer.stop();
    emit mouseReleased();
}

void Knob::wheelEvent(QWheelEvent *event)
{
    if (!m_input.wheel(wheelDelta(event)))
        return;
    update();
    emit valueChanged(m_state.value());
}

void Knob::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    painter.setWindow(rect());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    QColor frame = m_colours.colours().highlightFrame;
    if (!m_highlighted)
        frame.setAlpha(0);
    painter.setPen(QPen(frame, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect());

    painter.drawPixmap(0, 0, m_base);
    const QSizeF baseSize = QSizeF(m_base.size()) / m_base.devicePixelRatioF();
    painter.translate(baseSize.width() / 2, baseSize.height() / 2);
    painter.rotate(KnobState::angleForPosition(m_state.position()));
    const QSizeF indicatorSize = QSizeF(m_indicator.size()) / m_indicator.devicePixelRatioF();
    painter.drawPixmap(QPointF(-indicatorSize.width() / 2, -indicatorSize.height() / 2),
                       m_indicator);
}
