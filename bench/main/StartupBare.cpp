// A bare Qt Widgets window of the main window's size: the yardstick for the start-up.

#include "bench/main/FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication Application(argc, argv);
    QWidget Window;
    Window.setWindowTitle(QStringLiteral("万年历"));
    Window.resize(631, 386);
    ReportFirstPaint(&Window);
    Window.show();
    return QApplication::exec();
}
