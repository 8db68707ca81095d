#include "model/DynamicsTransfer.h"

namespace DynamicsTransfer {

namespace {

// The ratio at and above which the limiter holds the output at the threshold.
constexpr double BrickWallRatio = 100.0;

} // namespace

LimiterCurve limiterCurve(double minimum, double maximum, double threshold, double ratio,
                          bool bypass, int previousKnee)
{
    LimiterCurve curve;
    curve.knee = previousKnee;
    const double step = (maximum - minimum) / LimiterSteps;
    // An empty range or a ratio below 1 would divide by zero or amplify: nothing is limited.
    const bool limiting = !bypass && step > 0.0 && ratio >= 1.0;
    const double t = step > 0.0 ? (threshold - minimum) / step : 0.0;
    bool kneeFound = false;
    for (int i = 0; i < LimiterSteps; ++i) {
        if (limiting && i >= t) {
            curve.output[size_t(i)] = ratio >= BrickWallRatio ? t : t + (i - t) / ratio;
            if (!kneeFound) {
                curve.knee = i;
                kneeFound = true;
            }
        } else {
            curve.output[size_t(i)] = i;
        }
    }
    return curve;
}

double limiterLevel(double minimum, double maximum, double steps)
{
    return minimum + steps * (maximum - minimum) / LimiterSteps;
}

QVector<QPointF> agcCurve(double minimum, double maximum, double threshold, double target,
                          double ratio, bool bypass)
{
    if (bypass || ratio == 1.0 || ratio <= 0.0)
        return {QPointF(minimum, minimum), QPointF(maximum, maximum)};
    return {QPointF(minimum, minimum), QPointF(threshold, threshold),
            QPointF(threshold, target + (threshold - target) / ratio),
            QPointF(maximum, target + (maximum - target) / ratio)};
}

double agcOutput(double input, double threshold, double target, double ratio, bool bypass)
{
    if (bypass || ratio <= 0.0 || input < threshold)
        return input;
    return target + (input - target) / ratio;
}

} // namespace DynamicsTransfer
