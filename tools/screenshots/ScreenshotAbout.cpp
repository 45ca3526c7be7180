// Renders the About window into OUTPUT_FOLDER/about-window.png.

#include "about/UAbout.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot_about OUTPUT_FOLDER\n");
        return 2;
    }
    QApplication Application(argc, argv);
    TfrmAbout Window;
    Window.show();
    QApplication::processEvents();
    const QString FileName = QDir(QString::fromLocal8Bit(argv[1])).filePath("about-window.png");
    if (!Window.grab().save(FileName)) {
        std::fprintf(stderr, "screenshot_about: cannot write %s\n", qPrintable(FileName));
        return 1;
    }
    return 0;
}
