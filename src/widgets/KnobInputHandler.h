#pragma once

#include <QPoint>

class KnobState;

// Turns pointer drags, wheel notches and arrow keys into changes of a knob's value.
//
// A drag moves the value by a fraction of the range per pixel (the sensitivity): moving right
// or up raises it. Movements too small to change the value accumulate until they do. In
// acceleration mode the sensitivity grows with the distance from the press point, updated by
// tick() every 10 ms while the knob is held.
class KnobInputHandler
{
public:
    explicit KnobInputHandler(KnobState &state) : m_state(state) { }

    static constexpr double DefaultSensitivity = 0.005;
    static constexpr double DefaultAccelerationFactor = 5e-5;

    // Ignored while acceleration mode is on.
    void setSensitivity(double horizontal, double vertical);
    void setAcceleration(bool on, double factor);
    bool isAccelerated() const { return m_accelerated; }
    double accelerationFactor() const { return m_factor; }
    double horizontalSensitivity() const { return m_horizontal; }
    double verticalSensitivity() const { return m_vertical; }

    bool isPressed() const { return m_pressed; }

    void press(QPointF position);
    // Returns true when the drag produced a new value (even one clamped back to the value at a
    // limit): the knob reports it to its owner.
    bool move(QPointF position);
    void tick();
    void release();

    // A wheel turn of angleDelta eighths of a degree. Turns are added up and the value moves one
    // step per 120 (a notch of a classic wheel), so touchpads and smooth wheels, which report
    // smaller parts of a notch, move it too; turning back drops what was left over. Returns
    // whether a whole notch was reached (the knob then reports its value).
    bool wheel(int angleDelta);
    // Arrow keys step the value; returns false for any other key.
    bool key(int key);

private:
    int bounded(long value) const;

    KnobState &m_state;
    bool m_pressed = false;
    QPoint m_last;
    QPoint m_pressPosition;
    double m_horizontal = DefaultSensitivity;
    double m_vertical = DefaultSensitivity;
    double m_chosenHorizontal = DefaultSensitivity;
    double m_chosenVertical = DefaultSensitivity;
    bool m_accelerated = false;
    double m_factor = DefaultAccelerationFactor;
    int m_wheelRemainder = 0; // eighths of a degree short of the next notch
};
