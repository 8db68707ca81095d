#pragma once

// The value of a fader and its range, held as integers scaled by 10^decimals so that a fader
// with one decimal moves in steps of 0.1 dB.
class FaderState
{
public:
    // In display units; stored scaled by the current decimals.
    void setRange(int minimum, int maximum);
    // Rescales the stored range and value from the previous decimals to the new ones.
    void setDecimals(int decimals);
    int decimals() const { return m_decimals; }
    int scale() const { return m_scale; }

    // Stores round(value x 10^decimals) clamped to the range; returns whether it changed.
    bool setValue(double value);
    bool setScaledValue(long long scaled);
    double value() const { return double(m_value) / m_scale; }
    double minimum() const { return double(m_minimum) / m_scale; }
    double maximum() const { return double(m_maximum) / m_scale; }
    int scaledValue() const { return m_value; }
    int scaledMinimum() const { return m_minimum; }
    int scaledMaximum() const { return m_maximum; }

    // In display units; stored scaled.
    void setSteps(double single, double page);
    double singleStep() const { return m_singleStep; }
    double pageStep() const { return m_pageStep; }
    // One wheel notch or arrow key: one unit of the last decimal.
    double step() const { return m_step; }

    // Moves the value by a scaled amount (value = trunc(value + delta)), clamped; returns
    // whether it changed.
    bool stepBy(double scaledDelta);

private:
    int m_value = 0;
    int m_minimum = -56;
    int m_maximum = 12;
    int m_decimals = 0;
    int m_scale = 1;
    double m_step = 1.0;
    double m_singleStep = 1.0;
    double m_pageStep = 10.0;
};
