#pragma once

#include <QPointF>
#include <QVector>

#include <array>

// The static transfer curves of the dynamics modules (output level over input level), as the
// limiter and AGC graphs draw them. Plain functions of the settings, so the graphs only paint.
namespace DynamicsTransfer {

// The limiter's curve: the level range cut into 256 steps; entry i is the output for the
// input at step i, both in steps above the range minimum.
constexpr int LimiterSteps = 256;

struct LimiterCurve
{
    std::array<double, LimiterSteps> output {};
    // The first step that is limited; the one of the previous curve while nothing is limited
    // (bypassed, or the threshold above the range), -1 before any.
    int knee = -1;
};

LimiterCurve limiterCurve(double minimum, double maximum, double threshold, double ratio,
                          bool bypass, int previousKnee = -1);

// The level in dB of a position in steps (an index or a table entry).
double limiterLevel(double minimum, double maximum, double steps);

// The AGC's curve in dB as the corners of a polyline from the input minimum to the maximum:
// levels below the threshold pass unchanged; from the threshold on they are pulled toward the
// target by the ratio. Bypassed or at ratio 1 it is the diagonal.
QVector<QPointF> agcCurve(double minimum, double maximum, double threshold, double target,
                          double ratio, bool bypass);

// The output level of one input level on that curve.
double agcOutput(double input, double threshold, double target, double ratio, bool bypass);

} // namespace DynamicsTransfer
