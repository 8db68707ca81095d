#pragma once

#include <QDateTime>

#include <functional>

// Time source of the link: milliseconds since the epoch. Tests pass their own and move it.
using Clock = std::function<qint64()>;

inline Clock systemClock()
{
    return [] { return QDateTime::currentMSecsSinceEpoch(); };
}
