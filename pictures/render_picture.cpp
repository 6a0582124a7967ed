// Renders an SVG drawing to a JPEG picture of the drawing's own size:
//   zentrava_render_picture DRAWING.svg PICTURE.jpg [QUALITY]
// or to a C++ header holding its pixels at SIZE x SIZE, premultiplied ARGB32
// in this machine's byte order, as `NAME` (the pixels) and `NAMESize`:
//   zentrava_render_picture --pixels SIZE NAME DRAWING.svg HEADER.h
// Used at build time to make the sample pictures of the program directory
// and the app's window icon, which then needs neither the SVG renderer nor
// an image decoder while the app starts.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int WritePixels(const QStringList& args) {
    bool sizeOk = false;
    const int size = args[2].toInt(&sizeOk);
    QSvgRenderer drawing(args[4]);
    if (!sizeOk || size <= 0 || size > 1024) {
        std::fprintf(stderr, "%s: not a size in pixels\n", qPrintable(args[2]));
        return 2;
    }
    if (!drawing.isValid()) {
        std::fprintf(stderr, "%s: not a drawing this renderer can read\n", qPrintable(args[4]));
        return 1;
    }
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
    }
    QByteArray text = "// Made from " + args[4].section(QLatin1Char('/'), -1).toUtf8() +
                      " by zentrava_render_picture; do not edit.\n#pragma once\n\nconstexpr int " +
                      args[3].toUtf8() + "Size = " + QByteArray::number(size) + ";\nalignas(4) constexpr unsigned char " +
                      args[3].toUtf8() + "[] = {";
    for (int y = 0; y < size; ++y) {
        const uchar* line = picture.constScanLine(y);
        text += "\n   ";
        for (int x = 0; x < size * 4; ++x) text += ' ' + QByteArray::number(line[x]) + ',';
    }
    text += "\n};\n";
    QFile out(args[5]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size() || !out.flush()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[5]), qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 6 && args[1] == QLatin1String("--pixels")) return WritePixels(args);
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr,
                     "usage: zentrava_render_picture DRAWING.svg PICTURE.jpg [QUALITY]\n"
                     "       zentrava_render_picture --pixels SIZE NAME DRAWING.svg HEADER.h\n");
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
