#pragma once

#include <QColor>

// The colours that the painted controls use, one set per appearance. Painting code takes every
// colour from here, never from literals of its own.
//
// The application announces the effective appearance with setDark() before it applies the
// matching style sheet; the style change that follows makes the controls read current() again.
class ControlPalette
{
public:
    static const ControlPalette &light();
    static const ControlPalette &dark();
    static const ControlPalette &current();
    static void setDark(bool dark);
    static bool isDark();

    // Knob
    QColor highlightFrame;

    // Fader
    QColor faderScale;
    QColor faderGroove;

    // Meter
    QColor meterFrame;
    QColor meterBackground;
    QColor meterTop; // the loudest end
    QColor meterZero; // at 0 dB
    QColor meterBottom; // the quietest end
    QColor reductionStart;
    QColor reductionEnd;

    // Transfer graphs of the limiter and the AGC
    QColor transferBackground;
    QColor transferFrame; // plot border and axes
    QColor transferText; // level labels
    QColor transferGrid;
    QColor transferCurve;
    QColor transferLimitFill; // the limited part of the limiter curve
    QColor transferPassFill; // the part below the knee

    // Pop-ups (TipBox, AlertWidget)
    QColor popupBackground;
    QColor popupBorder;
    QColor popupText;

    // Filter response graph; the point fills are translucent with the given alpha.
    QColor graphBackground;
    QColor graphGrid;
    QColor graphLabel;
    QColor graphCurve;
    QColor graphPointText;
    QColor graphCurrentPoint; // the current band: outline, and fill at graphCurrentAlpha
    QColor graphPassPoint; // the H and L points: outline, and fill at graphPassAlpha
    QColor graphBandFill; // the other bands, filled at graphBandAlpha
    QColor graphBandOutline;
    int graphCurrentAlpha = 100;
    int graphPassAlpha = 100;
    int graphBandAlpha = 100;
};
