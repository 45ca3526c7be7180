#include "widgets/WindowFonts.h"

#include <QStringList>

namespace {

QFont Font(const QStringList& Families, int PixelSize, bool Bold) {
    QFont Result;
    Result.setFamilies(Families);
    Result.setPixelSize(PixelSize);
    Result.setBold(Bold);
    Result.setStyleStrategy(QFont::PreferAntialias);
    return Result;
}

} // namespace

QFont SansFont(int PixelSize, bool Bold) {
    return Font({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                 QStringLiteral("DejaVu Sans")},
                PixelSize, Bold);
}

QFont DayNumberFont(int PixelSize) {
    return Font({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")}, PixelSize,
                true);
}

QFont KaiFont(int PixelSize, bool Bold) {
    return Font({QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW"),
                 QStringLiteral("WenQuanYi Micro Hei")},
                PixelSize, Bold);
}

// 宋体 where it is installed, else the closest Ming face.
QFont MingFont(int PixelSize) {
    return Font({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"),
                 QStringLiteral("AR PL UMing TW"), QStringLiteral("WenQuanYi Micro Hei")},
                PixelSize, false);
}

// 幼圆 where it is installed, else a sans face.
QFont RoundFont(int PixelSize) {
    return Font({QStringLiteral("YouYuan"), QStringLiteral("幼圆"),
                 QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei")},
                PixelSize, false);
}

QFont NotesFont(int PointSize) {
    QFont Result;
    Result.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("WenQuanYi Micro Hei")});
    Result.setPointSize(PointSize);
    return Result;
}
