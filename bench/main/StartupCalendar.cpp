// The calendar's start-up as the program entry does it, reporting its first paint.

#include "bench/main/FirstPaint.h"
#include "main/UMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("ruxa-calendar"));
    QApplication Application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/main/ruxa-calendar.svg")));
    auto* Window = new TfrmManyYear;
    ReportFirstPaint(Window);
    Window->show();
    // Quitting closes the window, which frees itself.
    return QApplication::exec();
}
