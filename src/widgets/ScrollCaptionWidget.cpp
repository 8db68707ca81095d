#include "widgets/ScrollCaptionWidget.h"

#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int kGapSpaces = 12;

} // namespace

ScrollCaptionWidget::ScrollCaptionWidget(QWidget *parent) : QWidget(parent)
{
    m_timer.setInterval(40);
    connect(&m_timer, &QTimer::timeout, this, &ScrollCaptionWidget::scrollTimerTimeout);
}

void ScrollCaptionWidget::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    m_offset = 0;
    updateGeometry();
    update();
}

void ScrollCaptionWidget::setInterval(int msec)
{
    m_timer.setInterval(msec);
}

void ScrollCaptionWidget::setVertical(bool vertical)
{
    m_vertical = vertical;
    m_offset = 0;
    update();
}

QString ScrollCaptionWidget::loopText() const
{
    return m_text + QString(kGapSpaces, QLatin1Char(' '));
}

int ScrollCaptionWidget::period() const
{
    const QFontMetrics metrics(font());
    return std::max(1, m_vertical ? metrics.height() : metrics.horizontalAdvance(loopText()));
}

QSize ScrollCaptionWidget::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {std::min(240, metrics.horizontalAdvance(m_text) + 8), metrics.height() + 4};
}

void ScrollCaptionWidget::scrollTimerTimeout()
{
    ++m_offset;
    if (m_offset >= period())
        m_offset = 0;
    update();
}

void ScrollCaptionWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(font());
    const int span = period();
    if (m_vertical) {
        // Two copies one line apart: as the first leaves at the top the second takes its place.
        for (int copy = 0; copy < 2; ++copy) {
            const QRect line(0, copy * span - m_offset, width(), span);
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, m_text);
        }
        return;
    }
    const int baseline = (height() + metrics.ascent() - metrics.descent()) / 2;
    for (int x = -m_offset; x < width(); x += span)
        painter.drawText(QPoint(x, baseline), loopText());
}

void ScrollCaptionWidget::enterEvent(QEvent *event)
{
    m_timer.stop();
    QWidget::enterEvent(event);
}

void ScrollCaptionWidget::leaveEvent(QEvent *event)
{
    if (isVisible())
        m_timer.start();
    QWidget::leaveEvent(event);
}

void ScrollCaptionWidget::showEvent(QShowEvent *event)
{
    m_timer.start();
    QWidget::showEvent(event);
}

void ScrollCaptionWidget::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}
