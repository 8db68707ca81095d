#pragma once

#include "widgets/MeterState.h"
#include "widgets/PaletteFollower.h"

#include <QWidget>

// A vertical level meter. Normally the lit part rises from the bottom through a green to red
// gradient; in reduction mode (gain reduction) a bar grows down from the top. Repaints only
// when the shown level changes, so meters polled ten times a second cost nothing while steady.
class Meter : public QWidget
{
    Q_OBJECT

public:
    explicit Meter(QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_state.minimum(); }
    int maximum() const { return m_state.maximum(); }
    void setLevel(int level);
    int level() const { return m_state.level(); }
    void setReductionMode(bool on);
    bool isReductionMode() const { return m_reduction; }

    QColor frameColour() const { return m_colours.colours().meterFrame; }
    QColor backgroundColour() const { return m_colours.colours().meterBackground; }

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    MeterState m_state;
    PaletteFollower m_colours;
    bool m_reduction = false;
};
