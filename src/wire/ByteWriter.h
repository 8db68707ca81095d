#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>

// Little-endian payload builder for the set requests. Values are appended in wire order.
class ByteWriter
{
public:
    ByteWriter() = default;
    explicit ByteWriter(int reserve) { m_bytes.reserve(reserve); }

    ByteWriter &u8(quint8 v)
    {
        m_bytes.append(char(v));
        return *this;
    }
    ByteWriter &i8(qint8 v) { return u8(quint8(v)); }
    ByteWriter &u16(quint16 v) { return put(v); }
    ByteWriter &u32(quint32 v) { return put(v); }
    ByteWriter &i16(qint16 v) { return put(v); }
    ByteWriter &i32(qint32 v) { return put(v); }
    ByteWriter &f32(float v)
    {
        quint32 bits;
        std::memcpy(&bits, &v, sizeof bits);
        return put(bits);
    }
    ByteWriter &bytes(const QByteArray &b)
    {
        m_bytes.append(b);
        return *this;
    }
    // A fixed-width text field: cut at width bytes, padded with zero bytes.
    ByteWriter &fixedText(const QByteArray &text, int width)
    {
        QByteArray field = text.left(width);
        field.append(QByteArray(width - field.size(), '\0'));
        m_bytes.append(field);
        return *this;
    }

    const QByteArray &data() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }

private:
    template<typename T> ByteWriter &put(T v)
    {
        uchar buf[sizeof(T)];
        qToLittleEndian<T>(v, buf);
        m_bytes.append(reinterpret_cast<const char *>(buf), int(sizeof(T)));
        return *this;
    }

    QByteArray m_bytes;
};
