// The program entry: chooses the windowing platform, sets up the application and runs the
// main window until it closes.

#include "main/GuardedApplication.h"
#include "main/PlatformChoice.h"
#include "main/UMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    const std::string Platform =
        ChoosePlatform(qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(),
                       qEnvironmentVariable("XDG_SESSION_TYPE").toStdString(),
                       qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
                       qEnvironmentVariable("DISPLAY").toStdString());
    if (!Platform.empty())
        qputenv("QT_QPA_PLATFORM", Platform.c_str());

    QApplication::setApplicationName(QStringLiteral("ruxa-calendar"));
    QGuiApplication::setDesktopFileName(QStringLiteral("ruxa-calendar"));
    TGuardedApplication Application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/main/ruxa-calendar.svg")));

    auto* Window = new TfrmManyYear;
    QObject::connect(Window, &QObject::destroyed, &Application, &QCoreApplication::quit);
    Window->show();
    return QApplication::exec();
}
