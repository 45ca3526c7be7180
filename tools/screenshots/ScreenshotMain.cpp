// Renders the main window on a fixed day (2012-10-08 10:08:08) into <folder>/main-window.png
// and its popup menu into <folder>/main-menu.png.

#include "tools/screenshots/SampleDayWindow.h"
#include "tools/screenshots/ScreenshotOutput.h"
#include "widgets/PictureMenu.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>
#include <utility>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QApplication Application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/main/ruxa-calendar.svg")));
    TSampleDayWindow Sample;
    TfrmManyYear& Window = Sample.Window();
    Window.AdvPopupMenu1->ensurePolished();
    Window.AdvPopupMenu1->adjustSize();
    const QDir Out(QString::fromLocal8Bit(argv[1]));
    const std::pair<QString, QPixmap> Shots[] = {
        {Out.filePath("main-window.png"), Window.grab()},
        {Out.filePath("main-menu.png"), Window.AdvPopupMenu1->grab()}};
    for (const auto& [File, Picture] : Shots) {
        if (!SavePicture(Picture.toImage(), File)) {
            return 1;
        }
    }
    return 0;
}
