#include "widgets/KnobInputHandler.h"

#include "widgets/KnobState.h"

#include <Qt>

#include <algorithm>
#include <cmath>
#include <cstdlib>

int KnobInputHandler::bounded(long value) const
{
    return int(std::clamp<long>(value, m_state.minimum(), m_state.maximum()));
}

void KnobInputHandler::setSensitivity(double horizontal, double vertical)
{
    if (m_accelerated)
        return;
    m_horizontal = m_chosenHorizontal = horizontal;
    m_vertical = m_chosenVertical = vertical;
}

void KnobInputHandler::setAcceleration(bool on, double factor)
{
    m_accelerated = on;
    m_factor = factor;
    if (!on) {
        // Back to the sensitivities chosen for plain dragging, not the last accelerated ones.
        m_horizontal = m_chosenHorizontal;
        m_vertical = m_chosenVertical;
    }
}

void KnobInputHandler::press(QPointF position)
{
    m_pressed = true;
    m_last = m_pressPosition = position.toPoint();
    if (m_accelerated)
        m_horizontal = m_vertical = m_factor;
}

bool KnobInputHandler::move(QPointF position)
{
    if (!m_pressed)
        return false;
    const QPoint p = position.toPoint();
    const double span = double(m_state.maximum()) - m_state.minimum();
    // std::lround rounds halves away from zero.
    const long dx = std::lround((p.x() - m_last.x()) * m_horizontal * span);
    const long dy = std::lround((p.y() - m_last.y()) * m_vertical * span);
    const long wanted = long(m_state.value()) + dx - dy;
    if (wanted == m_state.value())
        return false; // the last position stays: slow movements accumulate
    m_last = p;
    m_state.setValue(bounded(wanted));
    return true;
}

void KnobInputHandler::tick()
{
    if (!m_pressed || !m_accelerated)
        return;
    const int dx = std::abs(m_last.x() - m_pressPosition.x());
    const int dy = std::abs(m_last.y() - m_pressPosition.y());
    if (dx != 0)
        m_horizontal = dx * m_factor;
    if (dy != 0)
        m_vertical = dy * m_factor;
}

void KnobInputHandler::release()
{
    m_pressed = false;
}

bool KnobInputHandler::wheel(int angleDelta)
{
    constexpr int Notch = 120;
    if ((angleDelta < 0 && m_wheelRemainder > 0) || (angleDelta > 0 && m_wheelRemainder < 0))
        m_wheelRemainder = 0;
    const long total = long(m_wheelRemainder) + angleDelta;
    const long notches = total / Notch;
    m_wheelRemainder = int(total % Notch);
    if (notches == 0)
        return false;
    m_state.setValue(bounded(m_state.value() + notches * m_state.step()));
    return true;
}

bool KnobInputHandler::key(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        m_state.setValue(bounded(long(m_state.value()) + m_state.step()));
        return true;
    case Qt::Key_Left:
    case Qt::Key_Down:
        m_state.setValue(bounded(long(m_state.value()) - m_state.step()));
        return true;
    default:
        return false;
    }
}
