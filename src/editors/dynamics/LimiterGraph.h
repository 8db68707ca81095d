#pragma once

#include "model/DynamicsTransfer.h"
#include "widgets/PaletteFollower.h"

#include <QWidget>

// The limiter's static transfer curve: output over input level from -100 to 20 dB, on a grid
// of 24 dB divisions, with the limited part shaded. It paints what its setters gave it.
class LimiterGraph : public QWidget
{
    Q_OBJECT

public:
    static constexpr double Minimum = -100.0;
    static constexpr double Maximum = 20.0;
    static constexpr int Divisions = 5;

    explicit LimiterGraph(QWidget *parent = nullptr);

    // Each recomputes the curve and repaints.
    void setThreshold(double threshold);
    void setRatio(double ratio);
    void setBypass(bool bypass);

    double threshold() const { return m_threshold; }
    double ratio() const { return m_ratio; }
    bool bypass() const { return m_bypass; }
    const DynamicsTransfer::LimiterCurve &curve() const { return m_curve; }
    // The plot area inside the widget.
    QRectF plotRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // The graph is a picture: the pointer goes on to the page.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void recompute();

    double m_threshold = 0.0;
    double m_ratio = 2.0;
    bool m_bypass = false;
    DynamicsTransfer::LimiterCurve m_curve;
    PaletteFollower m_colours;
};
