#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// The echo cancellation block of the second and third generation as the device keeps it
// (11 bytes): the local and remote input masks (bit i = input i), the AEC level, the noise
// reduction level and the enable switch. An input is never in both masks.
struct AecBlock
{
    static constexpr int Size = 11;
    static constexpr int Levels = 3;
    static constexpr int NoiseReductionLevels = 4;

    quint32 localMask = 0;
    quint32 remoteMask = 0;
    quint8 level = 0;
    quint8 noiseReduction = 0;
    quint8 enabled = 0;

    // A block shorter than 11 bytes (the device has not answered yet) reads as all zero.
    static AecBlock fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    bool isLocal(int input) const;
    bool isRemote(int input) const;
    // Choosing an input on one side removes it from the other.
    void setLocal(int input, bool on);
    void setRemote(int input, bool on);

    bool operator==(const AecBlock &o) const;
    bool operator!=(const AecBlock &o) const { return !(*this == o); }
};

// The noise cancellation block of the second and third generation (6 bytes): the input mask,
// the suppression level (0..6 for 3..21 dB) and the enable switch.
struct AncBlock
{
    static constexpr int Size = 6;
    static constexpr int Levels = 7;

    quint32 inputMask = 0;
    quint8 level = 0;
    quint8 enabled = 0;

    static AncBlock fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    bool hasInput(int input) const;
    void setInput(int input, bool on);

    bool operator==(const AncBlock &o) const;
    bool operator!=(const AncBlock &o) const { return !(*this == o); }
};

// A new block in place of the first bytes of a stored one; the bytes the device sent beyond the
// block are kept.
QByteArray replaceBlock(const QByteArray &stored, const QByteArray &block);
