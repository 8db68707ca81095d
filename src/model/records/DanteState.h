#pragma once

#include <QByteArray>

#include <array>

// The Dante module: its information block, clock and receive-channel subscriptions.
struct DanteState
{
    static constexpr int MinimumInfoSize = 81;
    static constexpr int InfoSize = 94;
    static constexpr int BlockCount = 4;
    static constexpr int BlockSize = 64;

    QByteArray info; // up to 94 bytes as received
    quint8 clockSource = 0;
    quint8 clockState = 0; // 0..11
    std::array<QByteArray, BlockCount> blocks {
            QByteArray(BlockSize, '\0'), QByteArray(BlockSize, '\0'), QByteArray(BlockSize, '\0'),
            QByteArray(BlockSize, '\0')};
};
