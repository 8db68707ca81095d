#pragma once

#include <QByteArray>

// Noise cancellation: the configuration block as the device sends it.
struct AncState
{
    static constexpr int MinimumConfigSize = 6;

    QByteArray config;
};
