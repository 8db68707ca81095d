#pragma once

#include "wire/ByteReader.h"

#include <QtGlobal>

#include <array>
#include <cmath>

namespace sim {

// Reads the fields of a record in wire order (see WireWriter), clamping numbers into their
// range and turning any non-zero switch byte into 1. A non-finite float or a short payload
// fails the read. Records are read into a copy and committed only when the read succeeded.
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

} // namespace sim
