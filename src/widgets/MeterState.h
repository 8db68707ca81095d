#pragma once

// The level a meter shows and its range. The level always lies inside the range.
class MeterState
{
public:
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int level() const { return m_level; }

    // A maximum below the minimum gives the empty range at the minimum. The level is clamped
    // into the new range.
    void setRange(int minimum, int maximum);
    // Clamps; returns whether the stored level changed.
    bool setLevel(int level);

    // How far up the range the level is: 0 at the minimum, 1 at the maximum; 0 for an empty
    // range.
    double fraction() const;
    // Where 0 dB lies measured from the top (the loud end), between 0 and 1.
    double zeroFromTop() const;

private:
    int m_minimum = -40;
    int m_maximum = 24;
    int m_level = -40;
};
