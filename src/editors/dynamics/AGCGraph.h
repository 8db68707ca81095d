#pragma once

#include "widgets/PaletteFollower.h"

#include <QPolygonF>
#include <QWidget>

// The automatic gain control's static transfer curve: output over input level from -120 to
// 0 dB on a grid of 20 dB divisions. The editor sets the values, then repaints.
class AGCGraph : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Minimum = -120;
    static constexpr int Maximum = 0;
    static constexpr int Divisions = 6;

    explicit AGCGraph(QWidget *parent = nullptr);

    void setThreshold(double threshold) { m_threshold = threshold; }
    void setTarget(double target) { m_target = target; }
    void setRatio(double ratio) { m_ratio = ratio; }
    void setBypass(bool bypass) { m_bypass = bypass; }
    double threshold() const { return m_threshold; }
    double target() const { return m_target; }
    double ratio() const { return m_ratio; }
    bool bypass() const { return m_bypass; }

    // The plot area: 30 px from the left, 15 from the top, 10 from the right, 25 from the bottom.
    QRectF plotRect() const;
    // A level pair (input, output in dB) in widget pixels.
    QPointF map(const QPointF &levels) const;
    // The curve in widget pixels, as painted.
    QPolygonF curve() const;

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
    double m_threshold = -30.0;
    double m_target = -20.0;
    double m_ratio = 2.0;
    bool m_bypass = true;
    PaletteFollower m_colours;
};
