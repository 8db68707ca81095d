#pragma once

#include <QFile>
#include <QString>

// A firmware image (".img") as the upgrade sends it: opaque 512-byte blocks whose last 10 bytes
// are a trailer with the identifier of the hardware it is for and its version number.
class FirmwareImage
{
public:
    static constexpr int BlockSize = 512;
    static constexpr int TrailerSize = 10;
    // The block counter travels as a u16.
    static constexpr qint64 MaxBlocks = 0xFFFF;

    enum class Check {
        Ok,
        Unreadable,
        TooShort, // 10 bytes or fewer: no room for a trailer and a body
        TooManyBlocks, // the block count would not fit the u16 counter
        WrongIdentifier, // made for other hardware
        OldVersion, // older than the control firmware the device runs
    };

    // (size / 512) + 1: a size that is a multiple of 512 ends with a block without data.
    static qint64 blockCount(qint64 size) { return size / BlockSize + 1; }

    // Opens the file and keeps it open for the block reads.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_file.isOpen(); }
    qint64 size() const { return m_size; }
    int blockCount() const { return int(blockCount(m_size)); }

    // What may be said before the device is asked: readable, long enough, few enough blocks.
    Check checkSize() const;
    // The trailer against the identifier the device announces and the middle number of its
    // control firmware version. The trailer's version byte is signed: 0x80 and above are older
    // than any firmware.
    Check checkTrailer(quint16 identifier, quint8 armMinor);

    // Block n (up to 512 bytes; none for the block past the last byte). False when the file
    // can no longer be read as it was checked (shortened or gone meanwhile).
    bool readBlock(int n, QByteArray *data);

private:
    QFile m_file;
    qint64 m_size = 0;
};
