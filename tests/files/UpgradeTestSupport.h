#pragma once

#include "model/LoopbackDevice.h"
#include "wire/ByteWriter.h"

#include <QByteArray>
#include <QTemporaryDir>

// Firmware images and the upgrade frames a loopback peer received.
namespace upgradetest {

inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// An image of size bytes whose trailer names identifier and carries version byte at offset 3.
inline QByteArray image(int size, quint16 identifier, quint8 version)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + 1);
    if (size >= 10) {
        const int t = size - 10;
        bytes[t] = char(identifier & 0xFF);
        bytes[t + 1] = char(identifier >> 8);
        bytes[t + 3] = char(version);
    }
    return bytes;
}

inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// The type-1 frames among everything the peer received (the status poll also sends frames).
inline QList<QByteArray> upgradeFrames(const QByteArray &stream)
{
    QList<QByteArray> frames;
    int at = 0;
    while (at + 12 <= stream.size()) {
        const int length = quint8(stream[at + 8]) | (quint8(stream[at + 9]) << 8);
        if (at + 12 + length > stream.size())
            break;
        if (stream[at + 4] == char(1))
            frames.append(stream.mid(at, 12 + length));
        at += 12 + length;
    }
    return frames;
}

inline QByteArray frame(const QByteArray &payload)
{
    return hex("827d 0100 01 01 01 01") + ByteWriter().u16(quint16(payload.size())).data() + payload
            + hex("7d82");
}

} // namespace upgradetest
