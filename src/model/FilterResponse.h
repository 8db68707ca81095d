#pragma once

#include "model/FilterTables.h"
#include "model/records/HlpfFilter.h"
#include "model/records/PeqFilter.h"

#include <array>

// The magnitude response of a channel's filter block as the device computes it: cookbook
// biquads and first-order sections at 192 kHz, evaluated on the 420-point grid, in dB.
// A plain function of the filter records; the graph only draws what it returns.
class FilterResponse
{
public:
    static constexpr double SampleRate = 192000.0;

    // One section, normalised (a0 = 1).
    struct Section
    {
        double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    };
    enum PassKind { HighPass, LowPass };
    enum BandType { Peaking = 0, LowShelf = 1, HighShelf = 2 };

    using Curve = std::array<double, FilterTables::GridCount>;

    static Section passBiquad(PassKind kind, double f0, double q);
    static Section firstOrder(PassKind kind, double f0);
    static Section bandBiquad(int type, double f0, double gainDb, double q);

    // The sections of a pass filter (not looking at its enabled byte), at most five.
    struct Sections
    {
        int count = 0;
        std::array<Section, FilterTables::MaxSections + 1> items {};
        void add(const Section &s) { items[size_t(count++)] = s; }
    };
    static Sections passSections(PassKind kind, const HlpfFilter &filter);
    // Every section that shapes the curve: an enabled HPF off 20 Hz, an enabled LPF off
    // 20000 Hz (a filter at its end stop is flat), each enabled band of the first bandCount.
    struct Block
    {
        int count = 0;
        std::array<Section, 2 * (FilterTables::MaxSections + 1) + 16> items {};
    };
    static Block activeSections(const HlpfFilter &hpf, const HlpfFilter &lpf,
                                const PeqFilter *bands, int bandCount);

    // |H| in dB of one section at one frequency (rounded to 0.1 Hz as the device does).
    static double magnitudeDb(const Section &section, double hz);

    // The whole curve, in dB per grid point.
    static Curve compute(const HlpfFilter &hpf, const HlpfFilter &lpf, const PeqFilter *bands,
                         int bandCount);
    static Curve compute(const Block &block);
};
