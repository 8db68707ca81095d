#include "CancellationBlocks.h"

#include "wire/ByteReader.h"
#include "wire/ByteWriter.h"

namespace {

constexpr int MaskBits = 32;

void setBit(quint32 &mask, int bit, bool on)
{
    if (bit < 0 || bit >= MaskBits)
        return;
    if (on)
        mask |= 1U << bit;
    else
        mask &= ~(1U << bit);
}

bool hasBit(quint32 mask, int bit)
{
    return bit >= 0 && bit < MaskBits && (mask >> bit) & 1U;
}

} // namespace

AecBlock AecBlock::fromBytes(const QByteArray &bytes)
{
    AecBlock b;
    if (bytes.size() < Size)
        return b;
    ByteReader r(bytes);
    b.localMask = r.u32();
    b.remoteMask = r.u32();
    b.level = r.u8();
    b.noiseReduction = r.u8();
    b.enabled = r.u8();
    return b;
}

QByteArray AecBlock::toBytes() const
{
    return ByteWriter().u32(localMask).u32(remoteMask).u8(level).u8(noiseReduction).u8(enabled);
}

bool AecBlock::isLocal(int input) const
{
    return hasBit(localMask, input);
}

bool AecBlock::isRemote(int input) const
{
    return hasBit(remoteMask, input);
}

void AecBlock::setLocal(int input, bool on)
{
    setBit(localMask, input, on);
    if (on)
        setBit(remoteMask, input, false);
}

void AecBlock::setRemote(int input, bool on)
{
    setBit(remoteMask, input, on);
    if (on)
        setBit(localMask, input, false);
}

bool AecBlock::operator==(const AecBlock &o) const
{
    return localMask == o.localMask && remoteMask == o.remoteMask && level == o.level
            && noiseReduction == o.noiseReduction && enabled == o.enabled;
}

AncBlock AncBlock::fromBytes(const QByteArray &bytes)
{
    AncBlock b;
    if (bytes.size() < Size)
        return b;
    ByteReader r(bytes);
    b.inputMask = r.u32();
    b.level = r.u8();
    b.enabled = r.u8();
    return b;
}

QByteArray AncBlock::toBytes() const
{
    return ByteWriter().u32(inputMask).u8(level).u8(enabled);
}

bool AncBlock::hasInput(int input) const
{
    return hasBit(inputMask, input);
}

void AncBlock::setInput(int input, bool on)
{
    setBit(inputMask, input, on);
}

bool AncBlock::operator==(const AncBlock &o) const
{
    return inputMask == o.inputMask && level == o.level && enabled == o.enabled;
}

QByteArray replaceBlock(const QByteArray &stored, const QByteArray &block)
{
    return block + stored.mid(block.size());
}
