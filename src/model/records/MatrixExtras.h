#pragma once

#include <QtGlobal>

#include <array>

// One matrix source row that has no input record: the echo or noise cancellation output.
struct MatrixSourceRow
{
    std::array<quint8, 16> route {}; // one per output
    std::array<qint8, 16> gain {}; // dB, -56..12
};

// The matrix beyond the rows held in the input records: the AEC and ANC source rows (wire
// inputs 18 and 19, announced as channels 17 and 18) and the two banks of record-source
// switches.
struct MatrixExtras
{
    static constexpr quint8 AecWireInput = 18;
    static constexpr quint8 AncWireInput = 19;
    static constexpr quint8 AecChannel = 17;
    static constexpr quint8 AncChannel = 18;
    static constexpr int SwitchBanks = 2;
    static constexpr int SwitchesPerBank = 36;

    MatrixSourceRow aec;
    MatrixSourceRow anc;
    std::array<std::array<quint8, SwitchesPerBank>, SwitchBanks> switches {};
};
