#pragma once

#include <QtGlobal>

#include <array>

// Which generation of the echo and noise cancellation editors a DSP firmware takes:
// - the 5.x family (its pictures and the "Including ANC/AEC" choice of the matrix belong to it):
//   the third generation, block editors with instructions;
// - from 6.0.0 on (the second DSP generation of the version rule): the second generation, block
//   editors;
// - every other reported version (the 1.x line and the versions before 5): the first
//   generation, the enable switch with local microphones and per-channel noise reduction.
// Before the device reports its version the newest editors are shown.
namespace CancellationGeneration {

enum Generation { First = 1, Second = 2, Third = 3 };

Generation forDspVersion(const std::array<quint8, 3> &version);

// The cancellation outputs reach the matrix as sources of their own (second and third).
inline bool hasMatrixSources(Generation generation)
{
    return generation != First;
}

} // namespace CancellationGeneration
