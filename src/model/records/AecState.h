#pragma once

#include <QByteArray>

// Echo cancellation: the blocks are kept as the device sends them and read by the editors.
struct AecState
{
    static constexpr int ConfigSize = 17;
    static constexpr int MinimumMatrixSize = 11;

    quint8 enabled = 0;
    QByteArray config = QByteArray(ConfigSize, '\0');
    QByteArray matrix; // as received, at least 11 bytes once the device answered
};
