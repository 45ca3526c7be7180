// ruxa-weather-capture: renders the weather widget page off screen for the weather
// window, which starts it and talks to it over stdin and stdout (weather/CaptureProtocol.h).
// The web engine lives only here, so the calendar never loads it and survives its crashes.

#include "platform/ProcessUser.h"
#include "weather/CaptureProtocol.h"
#include "weather/capture/CapturePage.h"
#include "weather/capture/CaptureRules.h"

#include <QApplication>
#include <QMetaObject>
#include <QUrl>

#include <iostream>
#include <string>
#include <thread>

namespace {

void Answer(std::string_view Verb, const QString& Argument = {}) {
    const QByteArray Text = Argument.toUtf8();
    if (const auto Line = FormatCaptureLine(
            Verb, std::string_view(Text.constData(), static_cast<std::size_t>(Text.size())))) {
        std::cout << *Line << std::flush;
    }
}

void Obey(TCapturePage& Page, const QString& Folder, const TCaptureMessage& Command) {
    const QString Argument = QString::fromStdString(Command.Argument);
    if (Command.Verb == CaptureNavigate) {
        const QUrl Address(Argument, QUrl::StrictMode);
        if (LoadablePage(Address)) {
            Page.Navigate(Address);
        } else {
            Answer(CaptureError, QString::fromUtf8(CaptureNavigate) + QStringLiteral(" refused"));
        }
    } else if (Command.Verb == CaptureTake) {
        if (WritableCapture(Argument, Folder)) {
            Page.Capture(Argument);
        } else {
            Answer(CaptureError, QString::fromUtf8(CaptureTake) + QStringLiteral(" refused"));
        }
    } else {
        Answer(CaptureError, QString::fromStdString(Command.Verb) + QStringLiteral(" unknown"));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // The engine's sandbox can't run as root; for everyone else it stays on.
    if (platform::RunningAsRoot()) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    // The live page is never seen: whatever display the calendar runs on, the helper renders
    // on Qt's offscreen platform, so it maps no window anywhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication Application(argc, argv);
    // The one folder captures may be written into; without it, no capture is written.
    const QString Folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    TCapturePage Page;
    QObject::connect(&Page, &TCapturePage::Completed, [] { Answer(CaptureCompleted); });
    QObject::connect(&Page, &TCapturePage::Captured,
                     [](const QString& FileName) { Answer(CaptureDone, FileName); });
    QObject::connect(&Page, &TCapturePage::LoadFailed, [] {
        Answer(CaptureError, QString::fromUtf8(CaptureNavigate) + QStringLiteral(" load failed"));
    });
    QObject::connect(&Page, &TCapturePage::CaptureFailed, [](const QString& Reason) {
        Answer(CaptureError, QString::fromUtf8(CaptureTake) + QLatin1Char(' ') + Reason);
    });

    // Commands are read on their own thread and run on the main one; the end of the
    // input (the window closed it, or its process ended) ends the helper, and so does a
    // line past the protocol's limit.
    std::thread Reader([&Page, &Folder] {
        TCaptureLineReader Lines;
        char Byte = 0;
        while (std::cin.get(Byte) && Lines.Feed(std::string_view(&Byte, 1))) {
            while (const auto Line = Lines.NextLine()) {
                if (auto Command = ParseCaptureLine(*Line)) {
                    QMetaObject::invokeMethod(
                        &Page,
                        [&Page, &Folder, Command = *Command] { Obey(Page, Folder, Command); },
                        Qt::QueuedConnection);
                }
            }
        }
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    const int Result = QApplication::exec();
    Reader.join();
    return Result;
}
