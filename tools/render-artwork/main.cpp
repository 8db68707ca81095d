// Renders the program's SVG artwork to PNG images at the size each drawing declares.
//   render-artwork OUTPUT_DIR DRAWING.svg...
// Each DRAWING.svg becomes OUTPUT_DIR/DRAWING.png.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Rendering needs no screen; a build machine may have none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err << "usage: render-artwork OUTPUT_DIR DRAWING.svg...\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << args.at(1) << "\n";
        return 1;
    }
    for (int i = 2; i < args.size(); ++i) {
        QSvgRenderer renderer(args.at(i));
        const QSize size = renderer.defaultSize();
        if (!renderer.isValid() || size.isEmpty()) {
            err << args.at(i) << ": not a drawable SVG\n";
            return 1;
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString target = out.filePath(QFileInfo(args.at(i)).completeBaseName() + ".png");
        if (!image.save(target, "PNG")) {
            err << "cannot write " << target << "\n";
            return 1;
        }
    }
    return 0;
}
