#pragma once

// The value of a knob and its range. The value always lies inside the range; an empty range
// (minimum equal to maximum) holds that single value.
class KnobState
{
public:
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    int step() const { return m_step; }

    // Re-applies the current value, so it is clamped into the new range. A maximum below the
    // minimum gives the empty range at the minimum.
    void setRange(int minimum, int maximum);
    // Clamps; returns whether the stored value changed.
    bool setValue(int value);
    void setStep(int step) { m_step = step; }

    // Where the value lies in the range, 0 at the minimum and 1 at the maximum.
    double position() const { return positionOf(m_value, m_minimum, m_maximum); }

    // The pure mappings behind painting: value to position, position to the indicator's angle
    // (clockwise degrees from straight up, a 240 degree sweep) and back.
    static double positionOf(int value, int minimum, int maximum);
    static double angleForPosition(double position);
    static double positionForAngle(double angle);
    static constexpr double Sweep = 240.0;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    int m_step = 1;
};
