#pragma once

#include "MessageTable.h"
#include "SimStore.h"
#include "WireReader.h"
#include "WireWriter.h"

#include <type_traits>

namespace sim {

// Builders for the recurring message shapes. A field accessor is a generic lambda that returns a
// reference into the store, e.g. [](auto &s, int ch) -> auto & { return s.audio.inputs[ch].mute; },
// so one accessor serves the reply (const store) and the set.
namespace Rows {

// A reply of `entries` one-byte values, one per channel; a set carries the channel and one
// value. Flags store any non-zero byte as 1; other values above hi are refused.
template<typename Field>
MessageRow bytes(MessageId id, int entries, quint8 hi, Field field, bool isFlag = false)
{
    MessageRow row;
    row.id = id;
    row.reply = [=](const SimStore &s, Selector) {
        ByteWriter out(entries);
        for (int ch = 0; ch < entries; ++ch)
            out.u8(quint8(field(s, ch)));
        return QByteArray(out);
    };
    row.set = [=](SimStore &s, const QByteArray &p) {
        if (p.size() != 2 || quint8(p[0]) >= entries)
            return false;
        quint8 v = quint8(p[1]);
        if (isFlag)
            v = v ? 1 : 0;
        else if (v > hi)
            return false;
        field(s, quint8(p[0])) = v;
        return true;
    };
    return row;
}

template<typename Field> MessageRow flags(MessageId id, int entries, Field field)
{
    return bytes(id, entries, 1, field, true);
}

// A reply of `entries` floats, one per channel; a set carries the channel and one float,
// clamped into lo..hi.
template<typename Field>
MessageRow floats(MessageId id, int entries, float lo, float hi, Field field)
{
    MessageRow row;
    row.id = id;
    row.reply = [=](const SimStore &s, Selector) {
        ByteWriter out(entries * 4);
        for (int ch = 0; ch < entries; ++ch)
            out.f32(field(s, ch));
        return QByteArray(out);
    };
    row.set = [=](SimStore &s, const QByteArray &p) {
        ByteReader in(p);
        const quint8 ch = in.u8();
        float v = field(s, 0);
        WireReader reader(in);
        reader.f32(v, lo, hi);
        if (!reader.ok() || !in.atEnd() || ch >= entries)
            return false;
        field(s, ch) = v;
        return true;
    };
    return row;
}

// A record per selector value: reply and set both carry the selector, then the record.
template<typename Field> MessageRow record(MessageId id, quint8 limit, Field field)
{
    MessageRow row;
    row.id = id;
    row.selectors = 1;
    row.limits = {limit, 0};
    row.reply = [=](const SimStore &s, Selector sel) {
        return QByteArray(1, char(sel[0])) + encodeRecord(field(s, sel[0]));
    };
    row.set = [=](SimStore &s, const QByteArray &p) {
        ByteReader in(p);
        const quint8 ch = in.u8();
        if (!in.ok() || ch >= limit)
            return false;
        auto copy = field(s, ch);
        return decodeRecord(in, copy) && in.atEnd() && (field(s, ch) = copy, true);
    };
    return row;
}

// One record of the system: reply and set carry just the record.
template<typename Field> MessageRow value(MessageId id, Field field)
{
    MessageRow row;
    row.id = id;
    row.reply = [=](const SimStore &s, Selector) { return encodeRecord(field(s)); };
    row.set = [=](SimStore &s, const QByteArray &p) {
        ByteReader in(p);
        auto copy = field(s);
        return decodeRecord(in, copy) && in.atEnd() && (field(s) = copy, true);
    };
    return row;
}

// A single number with its wire layout: u8 (a flag when hi is 1), u32 or f32.
template<typename T> struct Scalar
{
    T v;
    T lo;
    T hi;
    template<typename V> void fields(V &visit)
    {
        if constexpr (std::is_same_v<T, float>)
            visit.f32(v, lo, hi);
        else if constexpr (std::is_same_v<T, quint32>)
            visit.u32(v);
        else if (hi == 1)
            visit.flag(v);
        else
            visit.u8(v, lo, hi);
    }
};

// One number of the system: reply and set carry just the number. Bytes above hi are refused,
// floats are clamped.
template<typename Field, typename T>
MessageRow scalar(MessageId id, Field field, T lo, T hi, bool writable = true)
{
    MessageRow row;
    row.id = id;
    row.reply = [=](const SimStore &s, Selector) {
        return encodeRecord(Scalar<T> {field(s), lo, hi});
    };
    if (writable)
        row.set = [=](SimStore &s, const QByteArray &p) {
            ByteReader in(p);
            if constexpr (std::is_same_v<T, quint8>) {
                if (p.size() == 1 && hi > 1 && quint8(p[0]) > hi)
                    return false;
            }
            Scalar<T> copy {field(s), lo, hi};
            return decodeRecord(in, copy) && in.atEnd() && (field(s) = copy.v, true);
        };
    return row;
}

// A reply computed from the store; no set.
inline MessageRow readOnly(MessageId id, std::function<QByteArray(const SimStore &)> encode)
{
    MessageRow row;
    row.id = id;
    row.reply = [encode](const SimStore &s, Selector) { return encode(s); };
    return row;
}

// A set-only message.
inline MessageRow command(MessageId id, std::function<bool(SimStore &, const QByteArray &)> apply,
                          MessageId echo = {})
{
    MessageRow row;
    row.id = id;
    row.set = std::move(apply);
    row.echo = echo;
    return row;
}

} // namespace Rows

} // namespace sim
