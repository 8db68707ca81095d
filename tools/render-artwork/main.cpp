// Renders one SVG artwork source to a raster image (PNG, or ICO for the window icon) at build
// time, so that the images compiled into the program always match their sources.
//
//   vexatarn-render-artwork <source.svg> <output.png|.ico> [--scale S | --size WxH]
//
// Without an option the image has the size the SVG declares.
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cmath>

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "vexatarn-render-artwork: " << message << '\n';
    return 1;
}

bool parseSize(const QString &text, QSize *size)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return false;
    bool okWidth = false;
    bool okHeight = false;
    *size = QSize(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
    return okWidth && okHeight && !size->isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    // Rendering needs no display: run on the offscreen platform whatever the build machine has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3 && arguments.size() != 5)
        return fail(QStringLiteral("usage: <source.svg> <output> [--scale S | --size WxH]"));

    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read ") + arguments[1]);

    QSize size = renderer.defaultSize();
    if (arguments.size() == 5) {
        if (arguments[3] == QLatin1String("--scale")) {
            bool ok = false;
            const double scale = arguments[4].toDouble(&ok);
            if (!ok || scale <= 0)
                return fail(QStringLiteral("bad scale ") + arguments[4]);
            size = QSize(int(std::lround(size.width() * scale)),
                         int(std::lround(size.height() * scale)));
        } else if (arguments[3] != QLatin1String("--size") || !parseSize(arguments[4], &size)) {
            return fail(QStringLiteral("bad option ") + arguments[3] + QLatin1Char(' ')
                        + arguments[4]);
        }
    }

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }

    QImageWriter writer(arguments[2]);
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        return fail(QStringLiteral("cannot write ") + arguments[2] + QStringLiteral(": ")
                    + writer.errorString());
    return 0;
}
