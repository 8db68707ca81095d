#pragma once

#include "model/FilterResponse.h"
#include "widgets/PaletteFollower.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QPainter;

// The combined magnitude response of one channel's filter block, with a point per PEQ band and
// the H and L points of the pass filters that the user drags. The curve is worked out by
// FilterResponse when a parameter changes and kept until the next change; painting only draws.
class FilterGraph : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MaxBands = 16;
    static constexpr double MinFrequency = 10.0; // the axis
    static constexpr double MaxFrequency = 24000.0;
    static constexpr double MaxGain = 15.0;
    static constexpr int PointSize = 16;
    static constexpr int GrabMargin = 5;

    explicit FilterGraph(QWidget *parent = nullptr);

    // Each setter recomputes the curve (when something changed) and repaints.
    void setBandCount(int count);
    void setHighPass(const HlpfFilter &filter);
    void setLowPass(const HlpfFilter &filter);
    void setBand(int index, const PeqFilter &band);
    void setCurrentBand(int band);
    // Everything at once, with one recompute: a channel is loaded.
    void setFilters(const HlpfFilter &hpf, const HlpfFilter &lpf, const PeqFilter *bands,
                    int count);

    int bandCount() const { return m_bandCount; }
    int currentBand() const { return m_currentBand; }
    const FilterResponse::Curve &curve() const { return m_curve; }
    // How many times the curve was worked out (the cache is used otherwise).
    int recomputeCount() const { return m_recomputes; }

    // Geometry of the plot: frequency and gain to widget coordinates and back.
    QRectF plotRect() const;
    double xOf(double hz) const;
    double frequencyAt(double x) const;
    double yOf(double db) const;
    double gainAt(double y) const;
    QPointF bandPoint(int band) const;
    QPointF highPassPoint() const;
    QPointF lowPassPoint() const;

    QSize minimumSizeHint() const override;

signals:
    void peqChanged(uchar band, float freq, float gain);
    void HPFilterChanged(float freq);
    void LPFilterChanged(float freq);
    void currentBandChanged(uchar band);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Pressed flags: the bands, then the HPF, then the LPF.
    static constexpr int HighPassPoint = MaxBands;
    static constexpr int LowPassPoint = MaxBands + 1;

    void recompute();
    // The background, grid and labels change only with the size and the appearance: they are
    // drawn once into a pixmap, and a drag step paints the curve and points over it.
    void updateBackdrop();
    void paintBackdrop(QPainter &painter) const;
    QPointF pointOf(int index) const;
    float scale() const;
    void paintGrid(QPainter &painter, const QRectF &plot) const;
    void paintPoint(QPainter &painter, const QPointF &centre, const QString &text,
                    const QColor &outline, const QColor &fill, int penWidth) const;

    HlpfFilter m_hpf;
    HlpfFilter m_lpf {0, 0, 0, 20000.0f};
    std::array<PeqFilter, MaxBands> m_bands {};
    int m_bandCount = 8;
    int m_currentBand = 0;
    std::array<bool, MaxBands + 2> m_pressed {};
    FilterResponse::Curve m_curve {};
    int m_recomputes = 0;
    PaletteFollower m_colours;
    QPixmap m_backdrop;
};
