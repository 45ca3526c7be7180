#include "common/KeyedPicture.h"
#include "main/ResourcePicture.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(Pictures, MonthPicturesCoverTheGridsRows) {
    for (int Month = 1; Month <= 12; ++Month) {
        const QImage Picture(QStringLiteral(":/BITMAP_%1").arg(Month));
        EXPECT_EQ(Picture.size(), QSize(Month == 6 ? 412 : 410, 327)) << Month;
        EXPECT_FALSE(Picture.hasAlphaChannel()) << Month;
    }
}

// The zodiac pictures are keyed out by their bottom-left pixel, so that pixel must be the
// plain background and the animal must survive the keying.
TEST(Pictures, ZodiacPicturesKeepTheirAnimalWhenKeyedOut) {
    for (int Number = 13; Number <= 24; ++Number) {
        const QImage Picture(QStringLiteral(":/BITMAP_%1").arg(Number));
        ASSERT_EQ(Picture.size(), QSize(101, 92)) << Number;
        const QColor Background = Number == 17 ? QColor(0xDC, 0xDC, 0xDC) : QColor(Qt::white);
        EXPECT_EQ(Picture.pixelColor(0, 91), Background) << Number;
        EXPECT_EQ(Picture.pixelColor(100, 0), Background) << Number;

        const QImage Keyed = KeyedOutPicture(Picture);
        int Opaque = 0;
        for (int Y = 0; Y < Keyed.height(); ++Y)
            for (int X = 0; X < Keyed.width(); ++X)
                Opaque += qAlpha(Keyed.pixel(X, Y)) == 0xFF;
        EXPECT_EQ(qAlpha(Keyed.pixel(50, 91)), 0) << Number;
        EXPECT_GT(Opaque, 101 * 92 / 8) << Number;
        EXPECT_LT(Opaque, 101 * 92 * 3 / 4) << Number;
    }
}

// The reader that names the format reads every compiled picture as the guessing one does.
TEST(ResourcePicture, ReadsEveryCompiledPictureAndNothingForAMissingName) {
    QStringList Names{QStringLiteral(":/main/glyph_minus.png"),
                      QStringLiteral(":/main/glyph_plus.png"),
                      QStringLiteral(":/main/menu/N12.png"), QStringLiteral(":/main/menu/N2.png")};
    for (int Number = 1; Number <= 24; ++Number)
        Names << QStringLiteral(":/BITMAP_%1").arg(Number);
    for (const QString& Name : Names) {
        const QImage Picture = ResourcePicture(Name);
        ASSERT_FALSE(Picture.isNull()) << Name.toStdString();
        EXPECT_EQ(Picture, QImage(Name)) << Name.toStdString();
    }
    EXPECT_TRUE(ResourcePicture(QStringLiteral(":/BITMAP_25")).isNull());
}

TEST(KeyedPicture, OnlyTheBottomLeftColourBecomesTransparent) {
    QImage Picture(3, 2, QImage::Format_RGB32);
    Picture.fill(QColor(0x10, 0x20, 0x30));
    Picture.setPixelColor(1, 0, QColor(0x10, 0x20, 0x31));
    Picture.setPixelColor(2, 1, Qt::white);
    const QImage Keyed = KeyedOutPicture(Picture);
    EXPECT_EQ(qAlpha(Keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(Keyed.pixel(0, 1)), 0);
    EXPECT_EQ(Keyed.pixelColor(1, 0), QColor(0x10, 0x20, 0x31));
    EXPECT_EQ(Keyed.pixelColor(2, 1), QColor(Qt::white));
}

} // namespace
