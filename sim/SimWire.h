#pragma once

#include "link/ByteReader.h"
#include "link/ByteWriter.h"

#include <QtGlobal>

#include <array>
#include <cmath>

// Two visitors over the fields of a parameter record, so that each record lists its wire
// layout once (its `fields` member) and both directions follow it:
//   WireWriter appends the fields in wire order;
//   WireReader reads them back, clamping numbers into their range and turning any non-zero
//   switch byte into 1. A non-finite float or a short payload fails the read.
// Records are read into a copy and committed only when the read succeeded.

class WireWriter
{
public:
    explicit WireWriter(ByteWriter &out) : m_out(out) { }

    void flag(quint8 &v) { m_out.u8(v); }
    void u8(quint8 &v, quint8, quint8) { m_out.u8(v); }
    void i8(qint8 &v, qint8, qint8) { m_out.i8(v); }
    void u32(quint32 &v) { m_out.u32(v); }
    void f32(float &v, float, float) { m_out.f32(v); }
    template<std::size_t N> void raw(std::array<quint8, N> &bytes)
    {
        for (quint8 b : bytes)
            m_out.u8(b);
    }
    void text(QByteArray &t, int width) { m_out.fixedText(t, width); }

private:
    ByteWriter &m_out;
};

class WireReader
{
public:
    explicit WireReader(ByteReader &in) : m_in(in) { }

    void flag(quint8 &v) { v = m_in.u8() ? 1 : 0; }
    void u8(quint8 &v, quint8 lo, quint8 hi) { v = qBound(lo, m_in.u8(), hi); }
    void i8(qint8 &v, qint8 lo, qint8 hi) { v = qBound(lo, m_in.i8(), hi); }
    void u32(quint32 &v) { v = m_in.u32(); }
    void f32(float &v, float lo, float hi)
    {
        const float x = m_in.f32();
        if (!std::isfinite(x))
            m_valid = false;
        else
            v = qBound(lo, x, hi);
    }
    template<std::size_t N> void raw(std::array<quint8, N> &bytes)
    {
        for (quint8 &b : bytes)
            b = m_in.u8();
    }
    void text(QByteArray &t, int width) { t = m_in.fixedText(width); }

    bool ok() const { return m_valid && m_in.ok(); }

private:
    ByteReader &m_in;
    bool m_valid = true;
};

// The bytes of a record in wire order.
template<typename Record> QByteArray encodeRecord(Record record)
{
    ByteWriter out;
    WireWriter writer(out);
    record.fields(writer);
    return out;
}

// Reads a record from in into target; target is untouched when the read fails.
template<typename Record> bool decodeRecord(ByteReader &in, Record &target)
{
    Record copy = target;
    WireReader reader(in);
    copy.fields(reader);
    if (!reader.ok())
        return false;
    target = copy;
    return true;
}
