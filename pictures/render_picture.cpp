// Renders an SVG drawing to a JPEG picture of the drawing's own size:
//   zentrava_render_picture DRAWING.svg PICTURE.jpg [QUALITY]
// Used at build time to make the sample pictures of the program directory.
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr, "usage: zentrava_render_picture DRAWING.svg PICTURE.jpg [QUALITY]\n");
        return 2;
    }
    QSvgRenderer drawing(args[1]);
    if (!drawing.isValid()) {
        std::fprintf(stderr, "%s: not a drawing this renderer can read\n", qPrintable(args[1]));
        return 1;
    }
    const QSize size = drawing.defaultSize();
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);  // JPEG has no transparency
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
    }
    QImageWriter writer(args[2]);  // the format follows the file name: .jpg, or .png for a look at the drawing
    writer.setQuality(args.size() == 4 ? args[3].toInt() : 88);
    writer.setOptimizedWrite(true);
    if (!writer.write(picture)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[2]), qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
