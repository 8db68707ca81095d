#pragma once

#include "widgets/KnobInputHandler.h"
#include "widgets/KnobState.h"
#include "widgets/PaletteFollower.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// A rotary control: a fixed base image with an indicator image turned through 240 degrees from
// the minimum to the maximum. Dragging (right or up raises), the wheel and the arrow keys change
// the value; only those user changes are reported through valueChanged.
class Knob : public QWidget
{
    Q_OBJECT

public:
    // Size codes fix the widget size and the image set: 40, 54, 74 and 104 pixels square.
    enum SizeCode { Smallest = 0, Small = 1, Normal = 2, Large = 3 };

    explicit Knob(QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    void setValue(int value);
    int value() const { return m_state.value(); }
    int minimum() const { return m_state.minimum(); }
    int maximum() const { return m_state.maximum(); }
    void setStep(int step);
    int step() const { return m_state.step(); }

    void setSizeCode(int sizeCode);
    int sizeCode() const { return m_sizeCode; }
    static int sideForSizeCode(int sizeCode);

    void setSensitivity(double horizontal, double vertical);
    void setAcceleration(bool on, double factor = KnobInputHandler::DefaultAccelerationFactor);

    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }

    bool isPressed() const { return m_input.isPressed(); }

    QSize sizeHint() const override;

signals:
    void valueChanged(int value);
    void mousePressed(int value);
    void mouseReleased();

private slots:
    void timeout();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    KnobState m_state;
    KnobInputHandler m_input {m_state};
    PaletteFollower m_colours;
    QTimer m_accelerationTimer;
    QPixmap m_base;
    QPixmap m_indicator;
    int m_sizeCode = -1;
    bool m_highlighted = false;
};
