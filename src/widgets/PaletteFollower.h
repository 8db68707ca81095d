#pragma once

#include "widgets/ControlPalette.h"

class QEvent;

// Keeps a control's colours in step with the appearance: they are read when the control is
// built and again on every style change, except the first one, which arrives while the control
// is still being set up.
class PaletteFollower
{
public:
    const ControlPalette &colours() const { return *m_colours; }

    // Returns true when the event brought new colours and the control should repaint.
    bool follow(const QEvent *event);

private:
    const ControlPalette *m_colours = &ControlPalette::current();
    bool m_firstStyleChangeSeen = false;
};
