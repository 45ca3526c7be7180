// Renders an SVG picture into a square PNG of the given size, for the icon theme.
//
//   ruxa_render_icon INPUT.svg OUTPUT.png SIZE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ruxa_render_icon INPUT.svg OUTPUT.png SIZE\n");
        return 2;
    }
    // Rendering needs no display; the offscreen platform always exists.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Application(argc, argv);
    const int Size = QString::fromLocal8Bit(argv[3]).toInt();
    QSvgRenderer Renderer(QString::fromLocal8Bit(argv[1]));
    if (!Renderer.isValid() || Size <= 0) {
        std::fprintf(stderr, "ruxa_render_icon: cannot render %s at %s\n", argv[1], argv[3]);
        return 1;
    }
    QImage Picture(Size, Size, QImage::Format_ARGB32_Premultiplied);
    Picture.fill(Qt::transparent);
    QPainter Painter(&Picture);
    Painter.setRenderHint(QPainter::Antialiasing);
    Renderer.render(&Painter);
    Painter.end();
    if (!Picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "ruxa_render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
