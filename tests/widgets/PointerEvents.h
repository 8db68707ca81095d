#pragma once

// Pointer input for widget tests, delivered straight to the widget like QTest's mouse events,
// but with moves that carry the held button (QTest::mouseMove only moves the cursor) and with
// wheel turns, which QTest lacks.
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace PointerEvents {

// Returns whether the widget accepted the event.
inline bool mouse(QWidget *widget, QEvent::Type type, QPointF position,
                  Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons held = Qt::LeftButton)
{
    QMouseEvent event(type, position, widget->mapToGlobal(position.toPoint()), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

inline bool press(QWidget *widget, QPointF position)
{
    return mouse(widget, QEvent::MouseButtonPress, position);
}

inline void move(QWidget *widget, QPointF position)
{
    mouse(widget, QEvent::MouseMove, position, Qt::NoButton);
}

inline void release(QWidget *widget, QPointF position)
{
    mouse(widget, QEvent::MouseButtonRelease, position, Qt::LeftButton, Qt::NoButton);
}

inline void click(QWidget *widget, QPointF position)
{
    press(widget, position);
    release(widget, position);
}

inline void doubleClick(QWidget *widget, QPointF position)
{
    press(widget, position);
    release(widget, position);
    mouse(widget, QEvent::MouseButtonDblClick, position);
    release(widget, position);
}

// angleDelta in eighths of a degree: 120 is one notch away from the user.
inline void wheel(QWidget *widget, int angleDelta)
{
    const QPointF position = QRectF(widget->rect()).center();
    QWheelEvent event(position, widget->mapToGlobal(position.toPoint()), QPoint(),
                      QPoint(0, angleDelta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(widget, &event);
}

} // namespace PointerEvents
