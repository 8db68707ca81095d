#pragma once

#include "AudioLayout.h"

#include <QtGlobal>

#include <array>

namespace sim {

// One source row of the mixing matrix: a route switch and a gain (whole dB, -70 is off) per
// output.
struct MatrixRow
{
    std::array<quint8, MatrixOutputs> route {};
    std::array<qint8, MatrixOutputs> gain {};

    template<typename V> void fields(V &v)
    {
        for (quint8 &r : route)
            v.flag(r);
        for (qint8 &g : gain)
            v.i8(g, -70, 12);
    }
};

} // namespace sim
