#pragma once

#include <QJsonObject>
#include <QStringList>

struct ParameterMirror;

// The parameters of a processor as the program mirrors them, written as JSON with readable
// names: channels counted from 1, switches as true/false, gains in dB. Meters, clocks, run
// times and other values that move by themselves are left out, so two snapshots of an
// unchanged system are equal.
namespace MirrorSnapshot {

QJsonObject fromMirror(const ParameterMirror &mirror);

// The parameters that differ, one line each: "inputs.3.gain: 0 -> -6.5" (saved, then now).
QStringList differences(const QJsonObject &saved, const QJsonObject &now);

} // namespace MirrorSnapshot
