#pragma once

#include "wire/ByteReader.h"
#include "wire/Frame.h"
#include "wire/LocalText.h"
#include "model/ParameterMirror.h"
#include "model/ParameterRanges.h"
#include "model/ReplyOutcome.h"

#include <QString>

#include <algorithm>
#include <cstring>

// The reply being applied: the mirror it writes, the outcome it fills, and its payload.
struct ReplyContext
{
    ParameterMirror &mirror;
    ReplyOutcome &out;
    MessageId id;
    const uchar *data;
    int length;

    ReplyContext(ParameterMirror &m, ReplyOutcome &o, const ReceivedFrame &frame)
        : mirror(m), out(o), id(frame.id), data(reinterpret_cast<const uchar *>(frame.payload)),
          length(frame.payload ? frame.length : 0)
    {
    }

    quint8 funcId() const { return id.funcId; }
    ByteReader reader() const { return ByteReader(reinterpret_cast<const char *>(data), length); }
    void announce(quint8 channel = 255, quint8 other = 255, QVariant value = {})
    {
        out.announce(id, channel, other, std::move(value));
    }
};

// Building blocks of the reply handlers. Every handler checks the payload length first, clamps
// or rejects out-of-range values, stores only what differs and announces only what changed.
namespace ReplyTools {

// Stores value into field; returns whether the field changed.
template<typename T, typename V> bool store(T &field, const V &value)
{
    if (field == T(value))
        return false;
    field = T(value);
    return true;
}

// Floats without a range (temperature, DSP usage) are compared bit by bit, so that a NaN from the
// device is stored once instead of being announced on every reply.
inline bool storeBits(float &field, float value)
{
    if (std::memcmp(&field, &value, sizeof value) == 0)
        return false;
    field = value;
    return true;
}

inline quint8 boolByte(quint8 b)
{
    return b ? 1 : 0;
}

// A clamped float, or no change at all for NaN (which is not a value of any parameter).
inline bool storeClamped(float &field, float value, FloatRange range)
{
    if (!FloatRange::isValue(value))
        return false;
    return store(field, range.clamp(value));
}

// Text in the local 8-bit encoding, ending at its first zero byte or at the end of the field.
inline QString localText(const uchar *p, int width)
{
    const void *zero = std::memchr(p, 0, size_t(width));
    const int len = zero ? int(static_cast<const uchar *>(zero) - p) : width;
    return LocalText::decode(QByteArray(reinterpret_cast<const char *>(p), len));
}

inline QString utf8Text(const uchar *p, int width)
{
    const void *zero = std::memchr(p, 0, size_t(width));
    const int len = zero ? int(static_cast<const uchar *>(zero) - p) : width;
    return QString::fromUtf8(reinterpret_cast<const char *>(p), len);
}

inline float f32At(const uchar *p)
{
    const quint32 bits = qFromLittleEndian<quint32>(p);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// How many channel entries of width bytes a per-channel reply carries; 0 rejects the reply.
enum class Entries {
    Exactly16, // exactly 16 entries
    Sixteen17, // 16 entries, or 17 (the extra input) once the payload holds 18 or more
};

inline int entryCount(int length, int width, Entries rule)
{
    if (rule == Entries::Exactly16)
        return length == 16 * width ? 16 : 0;
    if (length >= 18 * width)
        return 17;
    return length >= 16 * width ? 16 : 0;
}

// Out-of-range enumerations: some are ignored entry by entry, some stored at their maximum.
enum class Above { Ignore, Clamp };

// Field accessors for the per-channel helpers: input(&InputChannel::mute) gives the mute byte
// of input ch.
template<typename T> auto input(T InputChannel::*member)
{
    return [member](ParameterMirror &m, int ch) -> T & { return m.inputs[size_t(ch)].*member; };
}

template<typename T> auto output(T OutputChannel::*member)
{
    return [member](ParameterMirror &m, int ch) -> T & { return m.outputs[size_t(ch)].*member; };
}

// One boolean byte per channel; any non-zero byte is 1. One announcement per changed channel.
template<typename Field> void bools(ReplyContext &c, Entries rule, Field field)
{
    const int n = entryCount(c.length, 1, rule);
    for (int ch = 0; ch < n; ++ch) {
        if (store(field(c.mirror, ch), boolByte(c.data[ch])))
            c.announce(quint8(ch));
    }
}

// One enumeration byte per channel, 0..max.
template<typename Field>
void bytes(ReplyContext &c, Entries rule, quint8 max, Above above, Field field)
{
    const int n = entryCount(c.length, 1, rule);
    for (int ch = 0; ch < n; ++ch) {
        quint8 v = c.data[ch];
        if (v > max) {
            if (above == Above::Ignore)
                continue;
            v = max;
        }
        if (store(field(c.mirror, ch), v))
            c.announce(quint8(ch));
    }
}

// One f32 per channel, clamped to range.
template<typename Field> void floats(ReplyContext &c, Entries rule, FloatRange range, Field field)
{
    const int n = entryCount(c.length, 4, rule);
    for (int ch = 0; ch < n; ++ch) {
        if (storeClamped(field(c.mirror, ch), f32At(c.data + 4 * ch), range))
            c.announce(quint8(ch));
    }
}

// Fader limits: one (maximum, minimum) pair of f32 per channel, both clamped; one announcement
// per channel whose pair changed.
template<typename Max, typename Min> void gainRanges(ReplyContext &c, Max max, Min min)
{
    const int n = entryCount(c.length, 8, Entries::Sixteen17);
    for (int ch = 0; ch < n; ++ch) {
        const uchar *p = c.data + 8 * ch;
        bool changed = storeClamped(max(c.mirror, ch), f32At(p), Ranges::LevelGain);
        changed |= storeClamped(min(c.mirror, ch), f32At(p + 4), Ranges::LevelGain);
        if (changed)
            c.announce(quint8(ch));
    }
}

// Meters: 16 to 18 signed dB bytes (bytes beyond 18 are not read), stored without a change
// check and announced once on every reply.
template<typename Field> void meters(ReplyContext &c, Field field)
{
    if (c.length < 16)
        return;
    const int n = std::min(c.length, 18);
    for (int ch = 0; ch < n; ++ch)
        field(c.mirror, ch) = qint8(c.data[ch]);
    c.announce();
}

} // namespace ReplyTools
