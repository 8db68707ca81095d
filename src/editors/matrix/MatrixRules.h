#pragma once

#include <QByteArray>
#include <QtGlobal>

// The rules of the mixing matrix that need no widget: how a cell gain travels and shows, and
// which sources a request may name.
namespace MatrixRules {

constexpr int GainMinimum = -56;
constexpr int GainMaximum = 12;
// Gains below this count as off.
constexpr int GainOffBelow = -55;
constexpr qint8 GainSentOff = -70;
constexpr int GainShownOff = -100;

// Sources with a matrix row: inputs 0..16, then the echo and noise cancellation outputs.
constexpr int PlainInputs = 17;
constexpr quint8 AecSource = 18;
constexpr quint8 AncSource = 19;
constexpr int Outputs = 16;

// The gain byte of a request: the cell's gain, or -70 when it counts as off.
qint8 sentGain(int gain);
// The gain a cell shows: -100 when it counts as off.
int shownGain(int gain);
// The gain kept in the mirror for a knob value, within -56..12.
qint8 storedGain(int gain);

bool hasMatrixRow(quint8 source);
bool isCancellationSource(quint8 source);
// The listed sources that have a matrix row, in their order, each once; input 17 (the right
// USB playback channel, which has no row) and anything above 19 are dropped.
QByteArray routableSources(const QByteArray &sources);

} // namespace MatrixRules
