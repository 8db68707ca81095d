#include "widgets/FaderInputHandler.h"

#include "widgets/FaderScale.h"
#include "widgets/FaderState.h"

#include <Qt>

#include <cmath>

namespace {

QPointF rounded(QPointF p)
{
    return QPointF(std::round(p.x()), std::round(p.y()));
}

} // namespace

bool FaderInputHandler::press(QPointF position, const QRectF &handle)
{
    // QRectF::contains includes all four edges.
    if (!handle.contains(rounded(position)))
        return false;
    m_dragging = true;
    return true;
}

bool FaderInputHandler::move(QPointF position, const FaderScale &scale)
{
    m_moved = true;
    if (!m_dragging)
        return false;
    return m_state.setScaledValue(scale.valueAt(position.y()));
}

bool FaderInputHandler::release(QPointF position, const QRectF &handle)
{
    bool changed = false;
    if (m_clickToPage && !m_moved && !m_doubleClicked) {
        const double centre = handle.center().y();
        if (position.y() > centre + 1)
            changed = m_state.stepBy(-m_state.pageStep());
        else if (position.y() < centre - 1)
            changed = m_state.stepBy(m_state.pageStep());
    }
    m_dragging = false;
    m_moved = false;
    m_doubleClicked = false;
    return changed;
}

bool FaderInputHandler::wheel(int angleDelta)
{
    if (angleDelta == 0)
        return false;
    return m_state.stepBy(angleDelta < 0 ? -m_state.step() : m_state.step());
}

bool FaderInputHandler::key(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        return m_state.stepBy(m_state.step());
    case Qt::Key_Left:
    case Qt::Key_Down:
        return m_state.stepBy(-m_state.step());
    default:
        return false;
    }
}
