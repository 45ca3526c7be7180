// A notification service for the desktop suite: it owns org.freedesktop.Notifications on the
// session bus of DBUS_SESSION_BUS_ADDRESS and appends every notification it is sent to the
// file named by its argument, one line each: the summary, a tab and the body with its line
// breaks written as "\n". The file exists, empty, once the service is on the bus.

#include "FakeNotifications.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv) {
    QCoreApplication Application(argc, argv);
    if (argc != 2) {
        return 2;
    }
    TFakeNotifications Service(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"),
                               {QStringLiteral("body"), QStringLiteral("actions")});
    QFile Log(QString::fromLocal8Bit(argv[1]));
    if (!Service.Registered() || !Log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return 1;
    }
    QObject::connect(&Service, &TFakeNotifications::Notified,
                     [&Log](const TReceivedNotification& Notification) {
                         QString Body = Notification.Body;
                         Body.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
                         Log.write((Notification.Summary + '\t' + Body + '\n').toUtf8());
                         Log.flush();
                     });
    return QCoreApplication::exec();
}
