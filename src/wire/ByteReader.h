#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>

// Bounds-checked little-endian reader over a payload. A read past the end yields zero and
// marks the reader as failed, so handlers can check ok() once after reading a record.
class ByteReader
{
public:
    ByteReader(const char *data, int size) : m_data(data), m_size(size < 0 ? 0 : size) { }
    explicit ByteReader(const QByteArray &bytes) : ByteReader(bytes.constData(), bytes.size()) { }

    quint8 u8() { return get<quint8>(); }
    qint8 i8() { return qint8(get<quint8>()); }
    quint16 u16() { return get<quint16>(); }
    qint16 i16() { return get<qint16>(); }
    quint32 u32() { return get<quint32>(); }
    qint32 i32() { return get<qint32>(); }
    float f32()
    {
        const quint32 bits = get<quint32>();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    // A fixed-width text field: the bytes up to the first zero byte or the whole field.
    QByteArray fixedText(int width)
    {
        if (!need(width))
            return {};
        const char *p = m_data + m_pos;
        const void *zero = std::memchr(p, 0, size_t(width));
        const int len = zero ? int(static_cast<const char *>(zero) - p) : width;
        m_pos += width;
        return QByteArray(p, len);
    }
    QByteArray bytes(int n)
    {
        if (!need(n))
            return {};
        QByteArray b(m_data + m_pos, n);
        m_pos += n;
        return b;
    }
    void skip(int n)
    {
        if (need(n))
            m_pos += n;
    }

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos >= m_size; }
    int position() const { return m_pos; }
    int remaining() const { return m_size - m_pos; }

private:
    bool need(int n)
    {
        if (n < 0 || m_size - m_pos < n) {
            m_ok = false;
            m_pos = m_size;
            return false;
        }
        return true;
    }
    template<typename T> T get()
    {
        if (!need(int(sizeof(T))))
            return T(0);
        const T v = qFromLittleEndian<T>(reinterpret_cast<const uchar *>(m_data + m_pos));
        m_pos += int(sizeof(T));
        return v;
    }

    const char *m_data;
    int m_size;
    int m_pos = 0;
    bool m_ok = true;
};
