#include "widgets/PaletteFollower.h"

#include <QEvent>

bool PaletteFollower::follow(const QEvent *event)
{
    if (event->type() != QEvent::StyleChange)
        return false;
    if (!m_firstStyleChangeSeen) {
        m_firstStyleChangeSeen = true;
        return false;
    }
    m_colours = &ControlPalette::current();
    return true;
}
