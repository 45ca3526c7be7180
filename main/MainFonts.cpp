#include "main/MainFonts.h"

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
