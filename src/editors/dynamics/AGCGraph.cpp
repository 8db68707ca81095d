#include "AGCGraph.h"

#include "model/DynamicsTransfer.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int LabelPointSize = 8;
constexpr double PlotLeft = 30.0;
constexpr double PlotTop = 15.0;
constexpr double PlotRightMargin = 10.0;
constexpr double PlotBottomMargin = 25.0;
constexpr double CornerRadius = 4.0;

} // namespace

AGCGraph::AGCGraph(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("agcGraph"));
}

QRectF AGCGraph::plotRect() const
{
    return QRectF(PlotLeft, PlotTop, qMax(1.0, width() - PlotRightMargin - PlotLeft),
                  qMax(1.0, height() - PlotBottomMargin - PlotTop));
}

QPointF AGCGraph::map(const QPointF &levels) const
{
    const QRectF plot = plotRect();
    const double span = Maximum - Minimum;
    return QPointF(plot.left() + plot.width() * (levels.x() - Minimum) / span,
                   plot.top() + plot.height() * (Maximum - levels.y()) / span);
}

QPolygonF AGCGraph::curve() const
{
    QPolygonF pixels;
    const QVector<QPointF> corners =
            DynamicsTransfer::agcCurve(Minimum, Maximum, m_threshold, m_target, m_ratio, m_bypass);
    for (const QPointF &corner : corners)
        pixels << map(corner);
    return pixels;
}

QSize AGCGraph::sizeHint() const
{
    return QSize(420, 360);
}

QSize AGCGraph::minimumSizeHint() const
{
    return QSize(260, 220);
}

void AGCGraph::changeEvent(QEvent *event)
{
    if (m_colours.follow(event))
        update();
    QWidget::changeEvent(event);
}

void AGCGraph::paintEvent(QPaintEvent *)
{
    const ControlPalette &c = m_colours.colours();
    const QRectF plot = plotRect();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(Qt::NoPen);
    p.setBrush(c.transferBackground);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), CornerRadius, CornerRadius);

    QFont font = p.font();
    font.setPointSize(LabelPointSize);
    p.setFont(font);
    const int division = (Maximum - Minimum) / Divisions;
    for (int d = 0; d <= Divisions; ++d) {
        const int level = Minimum + d * division;
        const QPointF at = map(QPointF(level, level));
        p.setPen(QPen(c.transferGrid, 1));
        p.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
        p.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
        p.setPen(c.transferText);
        const QString label = QStringLiteral("%1").arg(level);
        p.drawText(QRectF(at.x() - 20, plot.bottom() + 4, 40, PlotBottomMargin - 6),
                   Qt::AlignHCenter | Qt::AlignTop, label);
        p.drawText(QRectF(0, at.y() - 8, PlotLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   label);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.transferCurve, 2));
    p.drawPolyline(curve());
}

void AGCGraph::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
}

void AGCGraph::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore();
}

void AGCGraph::mouseReleaseEvent(QMouseEvent *event)
{
    event->ignore();
}
