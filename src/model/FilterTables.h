#pragma once

#include <array>

// The fixed scales of the filter editor: the 201 knob frequencies, the 65 PEQ Q values, the
// orders and section Q values of the pass filters, and the 420 frequencies the response is
// evaluated at. Pure data and look-ups, shared by the editor, its graph and the tests.
class FilterTables
{
public:
    static constexpr int FrequencyCount = 201;
    static constexpr int QCount = 65;
    static constexpr int GridCount = 420;
    static constexpr int TypeCount = 3; // Bessel, Butterworth, Linkwitz-Riley
    static constexpr int SlopeCount = 6; // 6, 12, 18, 24, 36, 48 dB/oct
    static constexpr int MaxSections = 4;
    static constexpr float MinFrequency = 20.0f;
    static constexpr float MaxFrequency = 20000.0f;

    // Knob positions 0..200 of the HPF, LPF and PEQ frequency knobs, in Hz.
    static const std::array<float, FrequencyCount> &frequencies();
    // Knob positions 0..64 of the PEQ Q knob; the index is what the band record stores.
    static const std::array<float, QCount> &qValues();
    // The Q of an index, the index limited to the table.
    static float q(int index);
    // The frequencies the response curve is drawn at, 10 Hz to 32 kHz.
    static const std::array<double, GridCount> &grid();

    // The position of the largest table frequency not above hz; -1 outside 20..20000 Hz.
    static int frequencyIndex(double hz);

    // Filter order and slope in dB per octave of a slope index (limited to 0..5).
    static int order(int slope);
    static int slopeDb(int slope);

    // The Q of each second-order section of a pass filter, in cascade order; order / 2 of them
    // (none for the first-order slope).
    struct SectionQs
    {
        int count = 0;
        std::array<double, MaxSections> q {};
    };
    static SectionQs sectionQs(int type, int slope);
};
