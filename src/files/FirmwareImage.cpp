#include "FirmwareImage.h"

#include <QtEndian>

bool FirmwareImage::open(const QString &path)
{
    close();
    m_file.setFileName(path);
    // Unbuffered: every block is read from the file as it is now, not from a copy taken earlier.
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    m_size = m_file.size();
    return true;
}

void FirmwareImage::close()
{
    m_file.close();
    m_size = 0;
}

FirmwareImage::Check FirmwareImage::checkSize() const
{
    if (!m_file.isOpen())
        return Check::Unreadable;
    if (m_size <= TrailerSize)
        return Check::TooShort;
    if (blockCount(m_size) > MaxBlocks)
        return Check::TooManyBlocks;
    return Check::Ok;
}

FirmwareImage::Check FirmwareImage::checkTrailer(quint16 identifier, quint8 armMinor)
{
    const Check sized = checkSize();
    if (sized != Check::Ok)
        return sized;
    if (!m_file.seek(m_size - TrailerSize))
        return Check::Unreadable;
    const QByteArray trailer = m_file.read(TrailerSize);
    if (trailer.size() != TrailerSize)
        return Check::Unreadable;
    const auto *bytes = reinterpret_cast<const uchar *>(trailer.constData());
    if (qFromLittleEndian<quint16>(bytes) != identifier)
        return Check::WrongIdentifier;
    if (int(qint8(bytes[3])) < int(armMinor))
        return Check::OldVersion;
    return Check::Ok;
}

bool FirmwareImage::readBlock(int n, QByteArray *data)
{
    data->clear();
    const qint64 offset = qint64(n) * BlockSize;
    if (!m_file.isOpen() || n < 0 || offset > m_size)
        return false;
    const qint64 expected = qMin<qint64>(BlockSize, m_size - offset);
    if (expected == 0)
        return true;
    if (!m_file.seek(offset))
        return false;
    data->resize(int(expected));
    const qint64 got = m_file.read(data->data(), expected);
    if (got != expected) {
        data->clear();
        return false;
    }
    return true;
}
