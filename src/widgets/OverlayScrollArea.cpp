#include "widgets/OverlayScrollArea.h"

#include <QMouseEvent>
#include <QScrollBar>

#include <cstdlib>
#include <utility>

OverlayScrollArea::OverlayScrollArea(QWidget *parent)
    : QScrollArea(parent), m_horizontal(new QScrollBar(Qt::Horizontal, this)),
      m_vertical(new QScrollBar(Qt::Vertical, this))
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_horizontal->setObjectName(QStringLiteral("overlayHorizontalScrollBar"));
    m_vertical->setObjectName(QStringLiteral("overlayVerticalScrollBar"));
    m_horizontal->hide();
    m_vertical->hide();

    pair(horizontalScrollBar(), m_horizontal);
    pair(verticalScrollBar(), m_vertical);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { contentScrolled(m_horizontal, m_horizontalEnabled); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { contentScrolled(m_vertical, m_verticalEnabled); });

    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(HideDelay);
    connect(&m_hideTimer, &QTimer::timeout, this, &OverlayScrollArea::hideTimerTimeout);
}

void OverlayScrollArea::pair(QScrollBar *hidden, QScrollBar *overlay)
{
    connect(hidden, &QScrollBar::rangeChanged, overlay, &QScrollBar::setRange);
    connect(overlay, &QScrollBar::rangeChanged, hidden, &QScrollBar::setRange);
    connect(hidden, &QScrollBar::valueChanged, overlay, &QScrollBar::setValue);
    connect(overlay, &QScrollBar::valueChanged, hidden, &QScrollBar::setValue);
    // The area sets the steps right after the range, and no signal tells of them: copy them
    // once the area has finished.
    connect(hidden, &QScrollBar::rangeChanged, this, &OverlayScrollArea::copySteps,
            Qt::QueuedConnection);
    overlay->setRange(hidden->minimum(), hidden->maximum());
    overlay->setValue(hidden->value());
    copySteps();
}

void OverlayScrollArea::copySteps()
{
    const std::pair<QScrollBar *, QScrollBar *> pairs[] = {{horizontalScrollBar(), m_horizontal},
                                                           {verticalScrollBar(), m_vertical}};
    for (const auto &[hidden, overlay] : pairs) {
        overlay->setSingleStep(hidden->singleStep());
        overlay->setPageStep(hidden->pageStep());
    }
}

void OverlayScrollArea::setHorizontalScrollEnabled(bool on)
{
    m_horizontalEnabled = on;
    if (!on)
        m_horizontal->hide();
}

void OverlayScrollArea::setVerticalScrollEnabled(bool on)
{
    m_verticalEnabled = on;
    if (!on)
        m_vertical->hide();
}

void OverlayScrollArea::contentScrolled(QScrollBar *overlay, bool enabled)
{
    if (!enabled)
        return;
    copySteps();
    placeBars();
    overlay->show();
    overlay->raise();
    m_hideTimer.start();
}

void OverlayScrollArea::hideTimerTimeout()
{
    m_horizontal->hide();
    m_vertical->hide();
}

void OverlayScrollArea::placeBars()
{
    const QRect area = viewport()->geometry();
    m_horizontal->setGeometry(area.left(), area.bottom() + 1 - BarThickness,
                              area.width() - BarThickness, BarThickness);
    m_vertical->setGeometry(area.right() + 1 - BarThickness, area.top(), BarThickness,
                            area.height() - BarThickness);
}

void OverlayScrollArea::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    copySteps();
    placeBars();
}

void OverlayScrollArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QScrollArea::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_dragging = false;
    m_pressPosition = m_lastPosition = event->pos();
    event->accept();
}

void OverlayScrollArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton)) {
        QScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint position = event->pos();
    if (!m_dragging) {
        const QPoint travelled = position - m_pressPosition;
        m_dragging = std::abs(travelled.x()) >= DragThreshold
                || std::abs(travelled.y()) >= DragThreshold;
    }
    if (m_dragging) {
        const QPoint step = position - m_lastPosition;
        if (m_horizontalEnabled)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - step.x());
        if (m_verticalEnabled)
            verticalScrollBar()->setValue(verticalScrollBar()->value() - step.y());
    }
    m_lastPosition = position;
    event->accept();
}

void OverlayScrollArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        m_dragging = false;
    }
    QScrollArea::mouseReleaseEvent(event);
}
