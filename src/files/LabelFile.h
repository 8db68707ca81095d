#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The .lbl file: every label of the device in fixed-width fields, no header and no checksum.
// N input labels of 16 bytes, N output labels of 16 bytes, N touch-screen labels of 10 bytes,
// each in the local 8-bit encoding filled up with zero bytes (a full field has no terminator).
class LabelFile
{
    Q_DECLARE_TR_FUNCTIONS(LabelFile)

public:
    static constexpr int LabelWidth = 16;
    static constexpr int TouchScreenWidth = 10;

    // The labels of N channels, N entries in each list.
    struct Labels
    {
        QVector<QString> inputs;
        QVector<QString> outputs;
        QVector<QString> touchScreen;
    };

    // Channels the labels cover: 17 with boot mode 2 or control firmware 5, else 16.
    static int channelCount(int bootMode, quint8 controlFirmwareMajor);
    static int fileSize(int channels);

    // A label in at most width bytes, cut at a whole character if it is longer.
    static QByteArray fieldBytes(const QString &label, int width);

    static QByteArray encode(const Labels &labels, int channels);
    // The labels of a file's bytes; false when the size is not that of N channels.
    static bool decode(const QByteArray &bytes, int channels, Labels *labels);

    // Reads a file; false with "File is error!" in error when it cannot be opened or has the
    // wrong size.
    static bool read(const QString &path, int channels, Labels *labels, QString *error);
    // Writes a file through a temporary one beside it, replacing the target only when complete;
    // false with "Export failed!" in error when any step fails (the target is then unchanged).
    static bool write(const QString &path, const Labels &labels, int channels, QString *error);
};
