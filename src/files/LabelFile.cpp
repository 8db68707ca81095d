#include "LabelFile.h"

#include "wire/LocalText.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>

int LabelFile::channelCount(int bootMode, quint8 controlFirmwareMajor)
{
    return bootMode == 2 || controlFirmwareMajor == 5 ? 17 : 16;
}

int LabelFile::fileSize(int channels)
{
    return channels * (LabelWidth + LabelWidth + TouchScreenWidth);
}

QByteArray LabelFile::fieldBytes(const QString &label, int width)
{
    QString text = label;
    QByteArray bytes = LocalText::encode(text);
    // Cutting bytes would leave half a double-byte character behind.
    while (bytes.size() > width && !text.isEmpty()) {
        text.chop(text.size() >= 2 && text.at(text.size() - 1).isLowSurrogate() ? 2 : 1);
        bytes = LocalText::encode(text);
    }
    return bytes.left(width);
}

QByteArray LabelFile::encode(const Labels &labels, int channels)
{
    QByteArray out(fileSize(channels), '\0');
    char *p = out.data();
    const auto put = [&p](const QVector<QString> &list, int count, int width) {
        for (int ch = 0; ch < count; ++ch, p += width) {
            if (ch < list.size()) {
                const QByteArray bytes = fieldBytes(list[ch], width);
                std::memcpy(p, bytes.constData(), size_t(bytes.size()));
            }
        }
    };
    put(labels.inputs, channels, LabelWidth);
    put(labels.outputs, channels, LabelWidth);
    put(labels.touchScreen, channels, TouchScreenWidth);
    return out;
}

bool LabelFile::decode(const QByteArray &bytes, int channels, Labels *labels)
{
    if (bytes.size() != fileSize(channels))
        return false;
    const char *p = bytes.constData();
    const auto take = [&p](QVector<QString> &list, int count, int width) {
        list.clear();
        for (int ch = 0; ch < count; ++ch, p += width) {
            const void *zero = std::memchr(p, 0, size_t(width));
            const int len = zero ? int(static_cast<const char *>(zero) - p) : width;
            list.append(LocalText::decode(QByteArray(p, len)));
        }
    };
    take(labels->inputs, channels, LabelWidth);
    take(labels->outputs, channels, LabelWidth);
    take(labels->touchScreen, channels, TouchScreenWidth);
    return true;
}

bool LabelFile::read(const QString &path, int channels, Labels *labels, QString *error)
{
    QFile file(path);
    // The size is checked before reading, so a large file is not read for nothing.
    if (!file.open(QIODevice::ReadOnly) || file.size() != fileSize(channels)
        || !decode(file.readAll(), channels, labels)) {
        if (error)
            *error = tr("File is error!");
        return false;
    }
    return true;
}

bool LabelFile::write(const QString &path, const Labels &labels, int channels, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = encode(labels, channels);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = tr("Export failed!");
        return false;
    }
    return true;
}
