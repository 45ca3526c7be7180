// The program entry: makes sure the user runs one calendar only, chooses the windowing
// platform, sets up the application and runs the main window until it closes.

#include "main/GuardedApplication.h"
#include "main/PlatformChoice.h"
#include "main/QtTexts.h"
#include "main/UMain.h"
#include "platform/RunningInstance.h"
#include "platform/SessionStart.h"

#include <QApplication>
#include <QIcon>
#include <QSocketNotifier>
#include <QSystemTrayIcon>

#include <chrono>

namespace {

const char* const InstanceName = "ruxa-calendar";
// How long a later start waits for a calendar that is still starting to answer.
constexpr auto KnockPatience = std::chrono::seconds(3);

} // namespace

int main(int argc, char* argv[]) {
    bool RunningElsewhere = false;
    std::optional<platform::TRunningInstance> Instance =
        platform::TRunningInstance::Claim(InstanceName, RunningElsewhere);
    if (RunningElsewhere) {
        // The running calendar comes forward instead of a second one starting.
        return platform::TRunningInstance::Knock(InstanceName, KnockPatience) ? 0 : 1;
    }

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
    // Secondary windows are closed while the main window waits hidden in the tray; only the
    // end of the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    LoadChineseQtTexts(Application);

    auto* Window = new TfrmManyYear;
    QObject::connect(Window, &QObject::destroyed, &Application, &QCoreApplication::quit);
    if (Instance && Instance->DoorDescriptor() >= 0) {
        auto* Door = new QSocketNotifier(Instance->DoorDescriptor(), QSocketNotifier::Read, Window);
        QObject::connect(Door, &QSocketNotifier::activated, Window, [&Instance, Window] {
            if (Instance->TakeKnocks() > 0)
                Window->RestoreApplication();
        });
    }
    // Started with the session, the calendar waits in the tray; without a tray it shows.
    const bool WithSession =
        Application.arguments().contains(QString::fromLatin1(platform::SessionStartArgument));
    if (!WithSession || !QSystemTrayIcon::isSystemTrayAvailable())
        Window->show();
    return QApplication::exec();
}
