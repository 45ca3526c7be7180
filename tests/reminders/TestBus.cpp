#include "TestBus.h"

#include <QFile>

#include <csignal>

namespace {

constexpr int StartWaitMs = 10000;

QByteArray BusConfig(const QString& Folder) {
    return QByteArrayLiteral(
               "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\""
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n"
               "  <type>session</type>\n"
               "  <listen>unix:dir=") +
           Folder.toUtf8() +
           QByteArrayLiteral("</listen>\n"
                             "  <auth>EXTERNAL</auth>\n"
                             "  <policy context=\"default\">\n"
                             "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                             "    <allow eavesdrop=\"true\"/>\n"
                             "    <allow own=\"*\"/>\n"
                             "  </policy>\n"
                             "</busconfig>\n");
}

} // namespace

TTestBus::TTestBus() {
    const QString Config = FFolder.filePath(QStringLiteral("bus.conf"));
    QFile File(Config);
    if (!FFolder.isValid() || !File.open(QIODevice::WriteOnly) ||
        File.write(BusConfig(FFolder.path())) < 0) {
        return;
    }
    File.close();
    FDaemon.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                   QStringLiteral("--print-address"), QStringLiteral("--config-file=") + Config});
    while (FDaemon.waitForReadyRead(StartWaitMs) && !FDaemon.canReadLine()) {
    }
    FAddress = QString::fromUtf8(FDaemon.readLine()).trimmed();
}

void TTestBus::Hang(bool Hung) {
    if (FDaemon.processId() > 0)
        ::kill(static_cast<pid_t>(FDaemon.processId()), Hung ? SIGSTOP : SIGCONT);
}

TTestBus::~TTestBus() {
    Hang(false);
    FDaemon.terminate();
    FDaemon.waitForFinished();
}
