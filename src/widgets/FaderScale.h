#pragma once

#include <QVector>

// Where a value sits on a fader's travel and back, and where its printed scale goes.
//
// The travel is the widget height + 1 less the bottom reserve (the handle height). The 0 dB
// point lies a fixed fraction of the travel from the top (one third by default); values above 0
// spread linearly over the part above it, values below 0 over the part below. All values here
// are the fader's stored integers (display units scaled by 10^decimals).
class FaderScale
{
public:
    static constexpr int HandleWidth = 20;
    static constexpr int HandleHeight = 43;
    static constexpr int HandleX = 12;
    static constexpr double HalfHandle = HandleHeight / 2.0;

    FaderScale(int height, int minimum, int maximum, int zeroNumerator = 1, int zeroDenominator = 3,
               int bottomReserve = HandleHeight);

    double travel() const { return m_travel; }
    double zeroY() const { return m_zeroY; }

    // The top of the handle for a value.
    double handleTop(int value) const;
    // The value under a pointer that holds the handle by its centre.
    int valueAt(double pointerY) const;

    struct Tick
    {
        double y;
        int db;
        bool labelled;
    };
    // The printed scale for a range in display units: four ticks above the 0 dB point (12 and
    // 6 labelled), the labelled 0 dB tick, and seven ticks below it (the 2nd, 4th, 6th and 7th
    // labelled).
    QVector<Tick> ticks(double displayMinimum, double displayMaximum) const;

private:
    int m_height;
    int m_minimum;
    int m_maximum;
    double m_travel;
    double m_zeroY;
};
