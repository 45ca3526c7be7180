// The program entry: makes sure the user runs one calendar only, chooses the windowing
// platform, sets up the application and runs the main window until it closes.

#include "main/GuardedApplication.h"
#include "main/KnockBurst.h"
#include "main/PlatformChoice.h"
#include "main/QtTexts.h"
#include "main/UMain.h"
#include "platform/BusSilence.h"
#include "platform/RunningInstance.h"
#include "platform/SessionStart.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QSystemTrayIcon>

#include <chrono>
#include <cstdio>

namespace {

const char* const InstanceName = "ruxa-calendar";
// Knocks closer together than this are one burst, which brings the window forward once.
constexpr auto KnockQuiet = std::chrono::seconds(1);
// Knocks let in per turn of the event loop: a flood of them still leaves the turn to the user.
constexpr int KnocksPerTurn = 32;
// How long a bus daemon may take to answer before this run goes on without it.
constexpr auto BusPatience = std::chrono::milliseconds(1500);

// Before anything reaches the buses (Qt's own tray and theme ask the session bus on the
// window's thread): a bus that hangs is left alone for this run, and the user told.
void LeaveSilentBuses() {
    for (const platform::TBus Bus : platform::LeaveSilentBuses(BusPatience)) {
        std::fputs(
            Bus == platform::TBus::Session
                ? "ruxa-calendar: 会话总线 (D-Bus) 没有应答，这次运行不用它，没有桌面通知。\n"
                : "ruxa-calendar: 系统总线 (D-Bus) "
                  "没有应答，这次运行不用它，听不到系统休眠醒来。\n",
            stderr);
    }
}

// Says on standard error and in a message box why this start does not run a calendar.
int Refuse(const QString& Text) {
    std::fputs(("ruxa-calendar: " + Text + "\n").toLocal8Bit().constData(), stderr);
    QMessageBox::critical(nullptr, QStringLiteral("万年历"), Text);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    platform::TRunningInstance::TClaim Claim = platform::TRunningInstance::Claim(InstanceName);
    // The running calendar comes forward instead of a second one starting.
    if (Claim.HeldElsewhere && platform::TRunningInstance::Knock(Claim.Door))
        return 0;

    LeaveSilentBuses();

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

    if (Claim.HeldElsewhere) {
        return Refuse(QStringLiteral(
            "万年历已经在运行（同一个数据文件夹），但它没有应答，无法把它唤到前面。"));
    }
    // Two calendars on one notes file would remind twice and overwrite each other's saves, so
    // without the lock that keeps them apart none starts.
    if (!Claim.Instance) {
        return Refuse(
            QStringLiteral(
                "无法确保只运行一个万年历（%1），为免两个万年历同时提醒和改写便签，这次不启动。")
                .arg(QString::fromStdString(Claim.Fault)));
    }
    platform::TRunningInstance& Instance = *Claim.Instance;
    if (!Instance.DoorFault().empty()) {
        std::fprintf(stderr,
                     "ruxa-calendar: 无法打开唤出窗口的通道（%s），再次启动时只会提示已在运行。\n",
                     Instance.DoorFault().c_str());
    }

    auto* Window = new TfrmManyYear;
    QObject::connect(Window, &QObject::destroyed, &Application, &QCoreApplication::quit);
    if (Instance.DoorDescriptor() >= 0) {
        auto* Door = new QSocketNotifier(Instance.DoorDescriptor(), QSocketNotifier::Read, Window);
        QObject::connect(Door, &QSocketNotifier::activated, Window,
                         [&Instance, Window, Burst = TKnockBurst(KnockQuiet)]() mutable {
                             if (Instance.TakeKnocks(KnocksPerTurn) > 0 &&
                                 Burst.StartsBurst(std::chrono::steady_clock::now()))
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
