// Renders SVG pictures of the skin to PNG files of the same base name at the size the SVG
// declares. Build: g++ -std=c++17 -fPIC svg_to_png.cpp $(pkg-config --cflags --libs Qt6Svg Qt6Gui)
//   usage: svg_to_png FILE.svg...

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        QString path = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer renderer(path);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "svg_to_png: cannot read %s\n", argv[i]);
            ++failures;
            continue;
        }
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QString out = path.left(path.size() - 4) + ".png";
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "svg_to_png: cannot write %s\n", qPrintable(out));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
