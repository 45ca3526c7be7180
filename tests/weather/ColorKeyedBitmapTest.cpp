#include "common/ColorKeyedBitmap.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr std::int32_t Threshold = 0xF4F0F0; // red 240, green 240, blue 244

struct TPixelCase {
    const char* Name;
    QRgb Pixel;
    bool Kept;
};

// Blue is the high byte of the compared value, so it decides first.
const TPixelCase PixelCases[] = {
    {"exactly the threshold", qRgb(240, 240, 244), false},
    {"red one below", qRgb(239, 240, 244), true},
    {"green one below, red full", qRgb(255, 239, 244), true},
    {"green one above, red zero", qRgb(0, 241, 244), false},
    {"blue one below, red and green full", qRgb(255, 255, 243), true},
    {"blue one above, red and green zero", qRgb(0, 0, 245), false},
    {"white", qRgb(255, 255, 255), false},
    {"black", qRgb(0, 0, 0), true},
    {"page text blue", qRgb(0, 51, 153), true},
};

// One row: the top-left key pixel, then one pixel per case.
QImage CasePicture(QRgb TopLeft) {
    QImage Picture(1 + static_cast<int>(std::size(PixelCases)), 2, QImage::Format_RGB32);
    Picture.fill(TopLeft);
    for (int K = 0; K < static_cast<int>(std::size(PixelCases)); ++K) {
        Picture.setPixel(1 + K, 1, PixelCases[K].Pixel);
    }
    return Picture;
}

void ExpectKeyed(const QImage& Keyed, QRgb TopLeft) {
    ASSERT_EQ(Keyed.size(), CasePicture(TopLeft).size());
    for (int K = 0; K < static_cast<int>(std::size(PixelCases)); ++K) {
        SCOPED_TRACE(PixelCases[K].Name);
        EXPECT_EQ(Keyed.pixel(1 + K, 1), PixelCases[K].Kept ? PixelCases[K].Pixel : TopLeft);
    }
}

TEST(ColorKeyedPicture, ReplacesLightPixelsByTheTopLeftColour) {
    for (QRgb TopLeft : {qRgb(255, 255, 255), qRgb(16, 32, 64)}) {
        SCOPED_TRACE(TopLeft);
        ExpectKeyed(ColorKeyedPicture(CasePicture(TopLeft), Threshold), TopLeft);
    }
}

TEST(ColorKeyedPicture, ComparesTheThresholdAsSignedValue) {
    const QImage Picture = CasePicture(qRgb(200, 100, 50));
    const QImage AllReplaced = ColorKeyedPicture(Picture, -1);
    const QImage AllKept = ColorKeyedPicture(Picture, 0x7FFFFFFF);
    for (int X = 0; X < Picture.width(); ++X) {
        EXPECT_EQ(AllReplaced.pixel(X, 1), qRgb(200, 100, 50));
        EXPECT_EQ(AllKept.pixel(X, 1), Picture.pixel(X, 1));
    }
}

TEST(ColorKeyedPicture, LeavesTheInputAndReadsOtherFormats) {
    QImage Picture = CasePicture(qRgb(255, 255, 255)).convertToFormat(QImage::Format_RGB888);
    const QImage Before = Picture.copy();
    ExpectKeyed(ColorKeyedPicture(Picture, Threshold), qRgb(255, 255, 255));
    EXPECT_EQ(Picture, Before);
}

class SaveColorKeyedBitmapFile : public ::testing::Test {
protected:
    QString Path(const char* Name) const { return Folder.filePath(QString::fromUtf8(Name)); }
    QTemporaryDir Folder;
};

TEST_F(SaveColorKeyedBitmapFile, WritesTheKeyedPictureAsBitmap) {
    const QRgb TopLeft = qRgb(16, 32, 64);
    SaveColorKeyedBitmap(CasePicture(TopLeft), Threshold, Path("20240131.bmp"));
    QFile File(Path("20240131.bmp"));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    EXPECT_EQ(File.read(2), QByteArray("BM"));
    ExpectKeyed(QImage(Path("20240131.bmp"), "BMP"), TopLeft);
}

TEST_F(SaveColorKeyedBitmapFile, ReplacesAnExistingFileWhole) {
    const QString Target = Path("20240131.bmp");
    {
        QFile Old(Target);
        ASSERT_TRUE(Old.open(QIODevice::WriteOnly));
        Old.write(QByteArray(200000, 'x'));
    }
    const QImage Picture = CasePicture(qRgb(255, 255, 255));
    SaveColorKeyedBitmap(Picture, Threshold, Target);
    QByteArray Expected;
    {
        SaveColorKeyedBitmap(Picture, Threshold, Path("fresh.bmp"));
        QFile Fresh(Path("fresh.bmp"));
        ASSERT_TRUE(Fresh.open(QIODevice::ReadOnly));
        Expected = Fresh.readAll();
    }
    QFile Replaced(Target);
    ASSERT_TRUE(Replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(Replaced.readAll(), Expected);
}

TEST_F(SaveColorKeyedBitmapFile, RaisesWhenTheFileCantBeWritten) {
    EXPECT_THROW(SaveColorKeyedBitmap(CasePicture(qRgb(255, 255, 255)), Threshold,
                                      Path("missing-folder/20240131.bmp")),
                 std::runtime_error);
    EXPECT_FALSE(QFile::exists(Path("missing-folder/20240131.bmp")));
}

} // namespace
