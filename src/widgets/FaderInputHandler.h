#pragma once

#include <QPointF>
#include <QRectF>

class FaderScale;
class FaderState;

// Turns pointer, wheel and key input into changes of a fader's value. Every function returns
// whether the value changed, that is whether the fader repaints and reports it.
//
// Only a press on the handle starts a drag; while dragging the handle's centre follows the
// pointer. With click-to-page on, a click beside the handle (press and release without moving)
// moves the value one page towards the click.
class FaderInputHandler
{
public:
    explicit FaderInputHandler(FaderState &state) : m_state(state) { }

    void setClickToPage(bool on) { m_clickToPage = on; }
    bool clickToPage() const { return m_clickToPage; }
    bool isDragging() const { return m_dragging; }
    bool hasMoved() const { return m_moved; }

    // Returns whether the press landed on the handle and starts a drag.
    bool press(QPointF position, const QRectF &handle);
    bool move(QPointF position, const FaderScale &scale);
    bool release(QPointF position, const QRectF &handle);
    // The release that ends a double click pages nothing: the owner has already acted on it.
    void doubleClick() { m_doubleClicked = true; }

    // Turning the wheel away from the user raises the value one step, towards the user lowers
    // it, whatever the size of the turn (touchpads send small deltas of either sign).
    bool wheel(int angleDelta);
    // Arrow keys; returns false for other keys and at the limit (the key goes on elsewhere).
    bool key(int key);

private:
    FaderState &m_state;
    bool m_dragging = false;
    bool m_moved = false;
    bool m_clickToPage = false;
    bool m_doubleClicked = false;
};
