#include "FilterGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int PlotLeft = 40;
constexpr int PlotTop = 10;
constexpr int PlotRightMargin = 5;
constexpr int PlotBottomMargin = 20;
constexpr int Divisions = 6;
// Curve values far outside the plot are drawn at this distance: the clip hides them, and the
// painter never sees coordinates it cannot hold.
constexpr double DrawnGainLimit = 60.0;

bool samePass(const HlpfFilter &a, const HlpfFilter &b)
{
    return a == b;
}

} // namespace

FilterGraph::FilterGraph(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("filterGraph"));
    for (int b = 0; b < PeqFilter::BandCount; ++b)
        m_bands[size_t(b)].frequency = PeqFilter::StartFrequencies[size_t(b)];
    setMouseTracking(false);
    recompute();
}

QSize FilterGraph::minimumSizeHint() const
{
    return QSize(400, 160);
}

void FilterGraph::recompute()
{
    m_curve = FilterResponse::compute(m_hpf, m_lpf, m_bands.data(), m_bandCount);
    ++m_recomputes;
    update();
}

void FilterGraph::setBandCount(int count)
{
    count = std::clamp(count, 0, MaxBands);
    if (count == m_bandCount)
        return;
    m_bandCount = count;
    m_currentBand = std::min(m_currentBand, std::max(0, count - 1));
    recompute();
}

void FilterGraph::setHighPass(const HlpfFilter &filter)
{
    if (samePass(filter, m_hpf))
        return;
    m_hpf = filter;
    recompute();
}

void FilterGraph::setLowPass(const HlpfFilter &filter)
{
    if (samePass(filter, m_lpf))
        return;
    m_lpf = filter;
    recompute();
}

void FilterGraph::setBand(int index, const PeqFilter &band)
{
    if (index < 0 || index >= MaxBands || m_bands[size_t(index)] == band)
        return;
    m_bands[size_t(index)] = band;
    recompute();
}

void FilterGraph::setCurrentBand(int band)
{
    if (band < 0 || band >= m_bandCount || band == m_currentBand)
        return;
    m_currentBand = band;
    update();
}

void FilterGraph::setFilters(const HlpfFilter &hpf, const HlpfFilter &lpf, const PeqFilter *bands,
                             int count)
{
    bool changed = !samePass(hpf, m_hpf) || !samePass(lpf, m_lpf);
    m_hpf = hpf;
    m_lpf = lpf;
    for (int b = 0; bands && b < std::min(count, MaxBands); ++b) {
        changed |= m_bands[size_t(b)] != bands[b];
        m_bands[size_t(b)] = bands[b];
    }
    if (changed)
        recompute();
}

QRectF FilterGraph::plotRect() const
{
    return QRectF(QPointF(PlotLeft, PlotTop),
                  QPointF(width() - PlotRightMargin, height() - PlotBottomMargin));
}

float FilterGraph::scale() const
{
    // Pixels per decade, in single precision as the device's own graph works it out.
    const float span = float(std::log10(MaxFrequency) - std::log10(MinFrequency));
    return float(plotRect().width()) / span;
}

double FilterGraph::xOf(double hz) const
{
    // Whatever a record holds, the painter gets a coordinate it can draw (the clip hides it).
    const double f = std::isfinite(hz) ? std::clamp(hz, 1.0, 1e6) : MinFrequency;
    return PlotLeft + (std::log10(f) - std::log10(MinFrequency)) * scale();
}

double FilterGraph::frequencyAt(double x) const
{
    const float s = scale();
    if (!(s > 0))
        return MinFrequency;
    return std::pow(10.0, std::log10(MinFrequency) + (x - PlotLeft) / s);
}

double FilterGraph::yOf(double db) const
{
    const QRectF plot = plotRect();
    const double g = std::isfinite(db) ? std::clamp(db, -DrawnGainLimit, DrawnGainLimit) : 0.0;
    return plot.top() + plot.height() - plot.height() / 2 - g * plot.height() / (2 * MaxGain);
}

double FilterGraph::gainAt(double y) const
{
    const QRectF plot = plotRect();
    if (!(plot.height() > 0))
        return 0.0;
    return (plot.top() + plot.height() / 2 - y) * (2 * MaxGain) / plot.height();
}

QPointF FilterGraph::bandPoint(int band) const
{
    const PeqFilter &b = m_bands[size_t(std::clamp(band, 0, MaxBands - 1))];
    return QPointF(xOf(b.frequency), yOf(b.gain));
}

QPointF FilterGraph::highPassPoint() const
{
    return QPointF(xOf(m_hpf.frequency), yOf(0));
}

QPointF FilterGraph::lowPassPoint() const
{
    return QPointF(xOf(m_lpf.frequency), yOf(0));
}

QPointF FilterGraph::pointOf(int index) const
{
    if (index == HighPassPoint)
        return highPassPoint();
    if (index == LowPassPoint)
        return lowPassPoint();
    return bandPoint(index);
}

bool FilterGraph::event(QEvent *event)
{
    if (m_colours.follow(event)) {
        updateBackdrop();
        update();
    }
    return QWidget::event(event);
}

void FilterGraph::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateBackdrop();
}

void FilterGraph::updateBackdrop()
{
    if (width() <= 0 || height() <= 0) {
        m_backdrop = QPixmap();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap backdrop(size() * ratio);
    backdrop.setDevicePixelRatio(ratio);
    backdrop.fill(Qt::transparent);
    QPainter painter(&backdrop);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackdrop(painter);
    painter.end();
    m_backdrop = backdrop;
}

void FilterGraph::paintBackdrop(QPainter &painter) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colours.colours().graphBackground);
    painter.drawRoundedRect(rect(), 4, 4);
    const QRectF plot = plotRect();
    if (plot.width() > 0 && plot.height() > 0)
        paintGrid(painter, plot);
}

void FilterGraph::paintEvent(QPaintEvent *)
{
    const ControlPalette &colours = m_colours.colours();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_backdrop.isNull() && m_backdrop.size() == size() * m_backdrop.devicePixelRatio())
        painter.drawPixmap(0, 0, m_backdrop);
    else
        paintBackdrop(painter);

    const QRectF plot = plotRect();
    if (plot.width() <= 0 || plot.height() <= 0)
        return;

    // The curve, clipped to the plot.
    painter.save();
    painter.setClipRect(plot);
    QPainterPath path;
    const auto &grid = FilterTables::grid();
    for (size_t i = 0; i < grid.size(); ++i) {
        const double db = std::clamp(m_curve[i], -DrawnGainLimit, DrawnGainLimit);
        const QPointF p(xOf(grid[i]), yOf(db));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.graphCurve, 2));
    painter.drawPath(path);
    painter.restore();

    // The points: other bands first, then H and L, the current band on top.
    QColor bandFill = colours.graphBandFill;
    bandFill.setAlpha(colours.graphBandAlpha);
    QColor passFill = colours.graphPassPoint;
    passFill.setAlpha(colours.graphPassAlpha);
    QColor currentFill = colours.graphCurrentPoint;
    currentFill.setAlpha(colours.graphCurrentAlpha);
    QFont font = painter.font();
    font.setPointSize(9);
    painter.setFont(font);
    for (int b = 0; b < m_bandCount; ++b) {
        if (b != m_currentBand)
            paintPoint(painter, bandPoint(b), QString::number(b + 1), colours.graphBandOutline,
                       bandFill, 1);
    }
    paintPoint(painter, highPassPoint(), QStringLiteral("H"), colours.graphPassPoint, passFill, 1);
    paintPoint(painter, lowPassPoint(), QStringLiteral("L"), colours.graphPassPoint, passFill, 1);
    if (m_currentBand >= 0 && m_currentBand < m_bandCount)
        paintPoint(painter, bandPoint(m_currentBand), QString::number(m_currentBand + 1),
                   colours.graphCurrentPoint, currentFill, 2);
}

void FilterGraph::paintGrid(QPainter &painter, const QRectF &plot) const
{
    const ControlPalette &colours = m_colours.colours();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.graphGrid, 1));
    painter.drawRect(plot);

    QFont font = painter.font();
    font.setPointSize(8);
    painter.setFont(font);
    const QFontMetrics metrics(font);

    // Gain lines and labels, 15 dB at the top.
    for (int i = 0; i <= Divisions; ++i) {
        const double y = plot.top() + plot.height() * i / Divisions;
        if (i > 0 && i < Divisions) {
            painter.setPen(QPen(colours.graphGrid, 1));
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        const QString label = tr("%1dB").arg(int(MaxGain) - i * 5);
        painter.setPen(colours.graphLabel);
        const int w = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(plot.left() - w - 4, y + metrics.ascent() / 2.0 - 1), label);
    }

    // Frequency lines at 10, 20, ..., 90, 100, 200, ... and labels at the powers of ten.
    for (double decade = MinFrequency; decade < MaxFrequency; decade *= 10) {
        for (int m = 1; m < 10; ++m) {
            const double f = decade * m;
            if (f >= MaxFrequency)
                break;
            const double x = xOf(f);
            if (f > MinFrequency) {
                painter.setPen(QPen(colours.graphGrid, 1));
                painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            }
            if (m == 1) {
                const QString label = f < 1000 ? tr("%1Hz").arg(f) : tr("%1KHz").arg(f / 1000);
                const int w = metrics.horizontalAdvance(label);
                painter.setPen(colours.graphLabel);
                const double left = std::max(plot.left(), x - w / 2.0);
                painter.drawText(QPointF(left, plot.bottom() + metrics.ascent() + 3), label);
            }
        }
    }
}

void FilterGraph::paintPoint(QPainter &painter, const QPointF &centre, const QString &text,
                             const QColor &outline, const QColor &fill, int penWidth) const
{
    const QRectF circle(centre.x() - PointSize / 2.0, centre.y() - PointSize / 2.0, PointSize,
                        PointSize);
    painter.setPen(QPen(outline, penWidth));
    painter.setBrush(fill);
    painter.drawEllipse(circle);
    painter.setPen(m_colours.colours().graphPointText);
    painter.drawText(circle, Qt::AlignCenter, text);
}

void FilterGraph::mousePressEvent(QMouseEvent *event)
{
    m_pressed.fill(false);
    const auto hit = [&](int index) {
        const QPointF c = pointOf(index);
        const double half = PointSize / 2.0 + GrabMargin;
        return QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half).contains(event->pos());
    };
    int found = -1;
    for (int b = 0; b < m_bandCount && found < 0; ++b) {
        if (hit(b))
            found = b;
    }
    if (found < 0 && hit(HighPassPoint))
        found = HighPassPoint;
    if (found < 0 && hit(LowPassPoint))
        found = LowPassPoint;
    if (found < 0)
        return;
    m_pressed[size_t(found)] = true;
    if (found < m_bandCount && found != m_currentBand) {
        m_currentBand = found;
        update();
        emit currentBandChanged(uchar(found));
    }
}

void FilterGraph::mouseMoveEvent(QMouseEvent *event)
{
    const auto pressed = std::find(m_pressed.begin(), m_pressed.end(), true);
    if (pressed == m_pressed.end())
        return;
    const int index = int(pressed - m_pressed.begin());
    const float freq =
            float(std::clamp(frequencyAt(event->pos().x()), double(FilterTables::MinFrequency),
                             double(FilterTables::MaxFrequency)));
    if (index == HighPassPoint) {
        m_hpf.frequency = freq;
        emit HPFilterChanged(freq);
    } else if (index == LowPassPoint) {
        m_lpf.frequency = freq;
        emit LPFilterChanged(freq);
    } else {
        const float gain = float(std::clamp(gainAt(event->pos().y()), -MaxGain, MaxGain));
        m_bands[size_t(index)].frequency = freq;
        m_bands[size_t(index)].gain = gain;
        emit peqChanged(uchar(index), freq, gain);
    }
    recompute();
}

void FilterGraph::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed.fill(false);
}
