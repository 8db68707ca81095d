#include "LimiterGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int LabelPointSize = 8;
// Room for the level labels left of and below the plot.
constexpr double MarginLeft = 34.0;
constexpr double MarginTop = 12.0;
constexpr double MarginRight = 14.0;
constexpr double MarginBottom = 24.0;
constexpr double CornerRadius = 4.0;

} // namespace

LimiterGraph::LimiterGraph(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("limiterGraph"));
    recompute();
}

void LimiterGraph::setThreshold(double threshold)
{
    m_threshold = threshold;
    recompute();
}

void LimiterGraph::setRatio(double ratio)
{
    m_ratio = ratio;
    recompute();
}

void LimiterGraph::setBypass(bool bypass)
{
    m_bypass = bypass;
    recompute();
}

void LimiterGraph::recompute()
{
    m_curve = DynamicsTransfer::limiterCurve(Minimum, Maximum, m_threshold, m_ratio, m_bypass,
                                             m_curve.knee);
    update();
}

QRectF LimiterGraph::plotRect() const
{
    return QRectF(MarginLeft, MarginTop, qMax(1.0, width() - MarginLeft - MarginRight),
                  qMax(1.0, height() - MarginTop - MarginBottom));
}

QSize LimiterGraph::sizeHint() const
{
    return QSize(420, 360);
}

QSize LimiterGraph::minimumSizeHint() const
{
    return QSize(260, 220);
}

void LimiterGraph::changeEvent(QEvent *event)
{
    if (m_colours.follow(event))
        update();
    QWidget::changeEvent(event);
}

void LimiterGraph::paintEvent(QPaintEvent *)
{
    const ControlPalette &c = m_colours.colours();
    const QRectF plot = plotRect();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(Qt::NoPen);
    p.setBrush(c.transferBackground);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), CornerRadius, CornerRadius);

    // The grid, one division per 24 dB, labelled in dB on both axes.
    QFont font = p.font();
    font.setPointSize(LabelPointSize);
    p.setFont(font);
    const double division = (Maximum - Minimum) / Divisions;
    for (int d = 0; d <= Divisions; ++d) {
        const double x = plot.left() + plot.width() * d / Divisions;
        const double y = plot.bottom() - plot.height() * d / Divisions;
        const QString label = QStringLiteral("%1").arg(Minimum + d * division);
        p.setPen(QPen(c.transferGrid, 1));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(c.transferText);
        p.drawText(QRectF(x - 20, plot.bottom() + 4, 40, MarginBottom - 6),
                   Qt::AlignHCenter | Qt::AlignTop, label);
        p.drawText(QRectF(0, y - 8, MarginLeft - 5, 16), Qt::AlignRight | Qt::AlignVCenter, label);
    }

    // The curve: entry i at step i, and its slope carried on to the end of the range.
    using DynamicsTransfer::LimiterSteps;
    const auto &out = m_curve.output;
    const auto point = [&plot](double in, double level) {
        return QPointF(plot.left() + plot.width() * in / LimiterSteps,
                       plot.bottom() - plot.height() * level / LimiterSteps);
    };
    QPolygonF curve;
    for (int i = 0; i < LimiterSteps; ++i)
        curve << point(i, out[size_t(i)]);
    const double last = out[LimiterSteps - 1];
    curve << point(LimiterSteps, last + (last - out[LimiterSteps - 2]));

    // Below the knee the signal passes; from the knee on it is limited.
    const bool limited = !m_bypass && m_curve.knee >= 0 && m_curve.knee < LimiterSteps;
    const int knee = limited ? m_curve.knee : LimiterSteps;
    QPolygonF pass;
    pass << QPointF(plot.left(), plot.bottom());
    for (int i = 0; i <= knee; ++i)
        pass << curve[i];
    pass << QPointF(curve[knee].x(), plot.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(c.transferPassFill);
    p.drawPolygon(pass);
    if (limited) {
        QPolygonF quad;
        quad << QPointF(curve[knee].x(), plot.bottom()) << curve[knee] << curve.last()
             << QPointF(curve.last().x(), plot.bottom());
        p.setBrush(c.transferLimitFill);
        p.drawPolygon(quad);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.transferCurve, 2));
    p.drawPolyline(curve);
    p.setPen(QPen(c.transferFrame, 1));
    p.drawRect(plot);
}

void LimiterGraph::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
}

void LimiterGraph::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore();
}

void LimiterGraph::mouseReleaseEvent(QMouseEvent *event)
{
    event->ignore();
}
