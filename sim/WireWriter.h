#pragma once

#include "wire/ByteWriter.h"

#include <QtGlobal>

#include <array>

namespace sim {

// Records list their wire layout once, in a `fields` member that a visitor walks; WireWriter
// appends the fields in wire order, WireReader reads them back. Replies, sets and preset
// images all follow the same listing.
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

// The bytes of a record in wire order.
template<typename Record> QByteArray encodeRecord(Record record)
{
    ByteWriter out;
    WireWriter writer(out);
    record.fields(writer);
    return out;
}

} // namespace sim
