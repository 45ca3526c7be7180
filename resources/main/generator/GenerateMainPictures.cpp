// Draws the main window's pictures into a folder: the twelve month pictures BITMAP_1..12,
// the twelve zodiac pictures BITMAP_13..24, the menu pictures and the spinner glyphs.

#include "Drawing.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication Application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir Out(QString::fromLocal8Bit(argv[1]));
    Out.mkpath(QStringLiteral("menu"));
    bool Ok = true;
    for (int Month = 1; Month <= 12; ++Month)
        Ok &= MonthPicture(Month).save(Out.filePath(QStringLiteral("BITMAP_%1.png").arg(Month)));
    for (int Index = 0; Index < 12; ++Index)
        Ok &= ZodiacPicture(Index).save(
            Out.filePath(QStringLiteral("BITMAP_%1.png").arg(13 + Index)));
    for (const char* Name : {"N12", "N1", "N4", "N5", "N6", "N7", "N9", "N2"})
        Ok &= MenuPicture(QString::fromLatin1(Name))
                  .save(Out.filePath(QStringLiteral("menu/%1.png").arg(QLatin1String(Name))));
    Ok &=
        MenuPicture(QStringLiteral("minus")).save(Out.filePath(QStringLiteral("glyph_minus.png")));
    Ok &= MenuPicture(QStringLiteral("plus")).save(Out.filePath(QStringLiteral("glyph_plus.png")));
    return Ok ? 0 : 1;
}
