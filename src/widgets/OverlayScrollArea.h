#pragma once

#include <QScrollArea>
#include <QTimer>

class QScrollBar;

// The scroll area of the editor pages. Its own scroll bars stay off; thin overlay bars appear
// above the content while it scrolls and fade out 3 s after the last movement. The content can
// also be dragged with the left button once the pointer has moved 10 px, as on a touch screen.
class OverlayScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit OverlayScrollArea(QWidget *parent = nullptr);

    QScrollBar *overlayHorizontalBar() const { return m_horizontal; }
    QScrollBar *overlayVerticalBar() const { return m_vertical; }

    // Switches scrolling in one direction on or off (dragging and the overlay bar).
    void setHorizontalScrollEnabled(bool on);
    void setVerticalScrollEnabled(bool on);
    bool isHorizontalScrollEnabled() const { return m_horizontalEnabled; }
    bool isVerticalScrollEnabled() const { return m_verticalEnabled; }

    static constexpr int HideDelay = 3000;
    static constexpr int DragThreshold = 10;
    static constexpr int BarThickness = 8;

public slots:
    void hideTimerTimeout();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void pair(QScrollBar *hidden, QScrollBar *overlay);
    void copySteps();
    void contentScrolled(QScrollBar *overlay, bool enabled);
    void placeBars();

    QScrollBar *m_horizontal;
    QScrollBar *m_vertical;
    QTimer m_hideTimer;
    bool m_horizontalEnabled = true;
    bool m_verticalEnabled = true;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressPosition;
    QPoint m_lastPosition;
};
