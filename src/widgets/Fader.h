#pragma once

#include "widgets/FaderInputHandler.h"
#include "widgets/FaderState.h"
#include "widgets/PaletteFollower.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

class FaderScale;

// A vertical dB fader with a printed scale: 0 dB sits a third of the travel from the top. The
// handle is dragged, paged by a click beside it (when enabled), stepped by the wheel and the
// arrow keys; only user changes are reported through valueChanged.
class Fader : public QWidget
{
    Q_OBJECT

public:
    explicit Fader(QWidget *parent = nullptr);

    // In display units; call setDecimals once, after the range.
    void setRange(int minimum, int maximum);
    void setDecimals(int decimals);
    int decimals() const { return m_state.decimals(); }
    void setValue(double value);
    float value() const { return float(m_state.value()); }
    float minimum() const { return float(m_state.minimum()); }
    float maximum() const { return float(m_state.maximum()); }
    // Display units: the page step is what a click beside the handle moves.
    void setSteps(double single, double page);
    void setClickToPage(bool on);
    bool clickToPage() const { return m_input.clickToPage(); }

    void setScaleColour(const QColor &colour);
    QColor scaleColour() const { return m_scaleColour; }
    QColor grooveColour() const { return m_colours.colours().faderGroove; }

    QRectF handleRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(float value);
    void doubleClicked();

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    FaderScale scale() const;
    void userChanged();

    FaderState m_state;
    FaderInputHandler m_input {m_state};
    PaletteFollower m_colours;
    QColor m_scaleColour;
    QPixmap m_handle;
};
