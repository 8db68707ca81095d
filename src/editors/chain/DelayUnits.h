#pragma once

// A delay shown three ways: milliseconds, the distance sound travels in that time in metres
// (340 m/s) and in feet (3.2808 ft to the metre), and a knob in hundredths of a millisecond.
// Every control of a delay strip converts to milliseconds and back through these.
struct DelayUnits
{
    static constexpr double SpeedOfSound = 340.0; // m/s
    static constexpr double FeetPerMetre = 3.2808;
    static constexpr int KnobStepsPerMs = 100;

    double maximumMs; // 1000 for inputs, 2000 for outputs
    double maximumMetres;
    double maximumFeet;
    int knobMaximum;

    static DelayUnits inputs();
    static DelayUnits outputs();

    static double msFromMetres(double metres) { return metres * 1000.0 / SpeedOfSound; }
    static double msFromFeet(double feet) { return feet * 1000.0 / SpeedOfSound / FeetPerMetre; }
    static double msFromKnob(int knob) { return double(knob) / KnobStepsPerMs; }
    static double metresFromMs(double ms) { return ms * SpeedOfSound / 1000.0; }
    static double feetFromMs(double ms) { return metresFromMs(ms) * FeetPerMetre; }
    static int knobFromMs(double ms);

    // ms limited to 0..maximumMs.
    double clampMs(double ms) const;
};
