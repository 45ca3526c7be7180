#include "common/ColorKeyedBitmap.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A capture-like picture: a light page with dark text-sized shapes.
QImage WidgetPage() {
    QImage Page(222, 352, QImage::Format_RGB32);
    Page.fill(qRgb(255, 255, 255));
    QPainter Painter(&Page);
    for (int Row = 0; Row < 12; ++Row) {
        Painter.fillRect(10, 20 + Row * 27, 120 + (Row % 4) * 20, 12, QColor(40, 60, 120));
        Painter.fillRect(170, 16 + Row * 27, 24, 20, QColor(250, 200, 40));
    }
    return Page;
}

void BM_ColorKeyedPicture(benchmark::State& State) {
    const QImage Page = WidgetPage();
    for (auto _ : State) {
        benchmark::DoNotOptimize(ColorKeyedPicture(Page, 0xF4F0F0));
    }
}
BENCHMARK(BM_ColorKeyedPicture)->Unit(benchmark::kMicrosecond);

void BM_EncodeBitmap(benchmark::State& State) {
    const QImage Page = ColorKeyedPicture(WidgetPage(), 0xF4F0F0);
    for (auto _ : State) {
        QByteArray Bytes;
        QBuffer Buffer(&Bytes);
        Buffer.open(QIODevice::WriteOnly);
        Page.save(&Buffer, "BMP");
        benchmark::DoNotOptimize(Bytes);
    }
}
BENCHMARK(BM_EncodeBitmap)->Unit(benchmark::kMicrosecond);

// The whole save: replacement, BMP encoding and the crash-safe write (temporary file,
// fsync, rename, fsync of the folder).
void BM_SaveColorKeyedBitmap(benchmark::State& State) {
    const QImage Page = WidgetPage();
    QTemporaryDir Folder;
    const QString FileName = Folder.filePath(QStringLiteral("20240131.bmp"));
    for (auto _ : State) {
        SaveColorKeyedBitmap(Page, 0xF4F0F0, FileName);
    }
}
BENCHMARK(BM_SaveColorKeyedBitmap)->Unit(benchmark::kMicrosecond);

} // namespace
