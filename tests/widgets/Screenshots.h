#pragma once

// What the screenshot tests of the editors share: the appearance as the program sets it, and the
// check that a picture was drawn. Pictures stay in the test's working directory, to look at.
#include "widgets/ControlPalette.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QtTest>

namespace Screenshots {

// The palette and the program's style sheet of one appearance, plus any sheet of the window.
inline void applyAppearance(bool dark, const QString &extraSheet = QString())
{
    ControlPalette::setDark(dark);
    QFile file(dark ? QStringLiteral(":/qss/VexaTarnDark.qss")
                    : QStringLiteral(":/qss/VexaTarnLight.qss"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("style sheet resource missing");
    qApp->setStyleSheet(QString::fromUtf8(file.readAll()) + extraSheet);
}

inline void resetAppearance()
{
    qApp->setStyleSheet(QString());
    ControlPalette::setDark(false);
}

// Where pictures are kept: the working directory the test started in, fixed at the first call
// (a test that moves into a temporary directory calls it before).
inline QDir pictureDirectory()
{
    static const QDir directory(QDir::currentPath());
    return directory;
}

// Saves the picture and fails on a blank or nearly uniform one: nothing was drawn.
inline void keepAndCheck(const QImage &image, const QString &name, int minimumColours)
{
    QVERIFY(image.save(pictureDirectory().absoluteFilePath(name)));
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    int most = 0;
    for (int n : counts)
        most = std::max(most, n);
    const double share = double(most) / (image.width() * image.height());
    QVERIFY2(counts.size() > minimumColours && share < 0.9,
             qPrintable(QStringLiteral("%1: %2 colours, the commonest covers %3 %")
                                .arg(name)
                                .arg(counts.size())
                                .arg(share * 100)));
}

} // namespace Screenshots
