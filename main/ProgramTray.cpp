#include "main/ProgramTray.h"

#include "platform/dbus/StatusNotifierItem.h"

#include <QCursor>
#include <QIcon>
#include <QSystemTrayIcon>

namespace {

const QString IconFile = QStringLiteral(":/main/ruxa-calendar.svg");

QList<QImage> IconPictures() {
    const QIcon Icon(IconFile);
    QList<QImage> Pictures;
    for (const int Size : {16, 22, 24, 32, 48, 64})
        Pictures.append(Icon.pixmap(Size, Size).toImage());
    return Pictures;
}

} // namespace

TProgramTray::TProgramTray(QObject* Parent) : QObject(Parent) {
    // Asked before Qt's own tray looks at the bus: Qt decides once, at its first icon, whether
    // its icons go to a watcher, and an icon made while no watcher is there stays an XEmbed one.
    const bool WatcherAtStart = platform::TStatusNotifierItem::WatcherPresent();
    FItem =
        new platform::TStatusNotifierItem(QStringLiteral("ruxa-calendar"), QStringLiteral("万年历"),
                                          QStringLiteral("ruxa-calendar"), IconPictures(), this);
    connect(FItem, &platform::TStatusNotifierItem::Activated, this,
            &TProgramTray::RestoreRequested);
    connect(FItem, &platform::TStatusNotifierItem::ContextMenuRequested, this,
            [this](int X, int Y) { emit MenuRequested(QPoint(X, Y)); });
    if (WatcherAtStart)
        return;

    FXEmbed = new QSystemTrayIcon(QIcon(IconFile), this);
    connect(FXEmbed, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason Reason) {
                if (Reason == QSystemTrayIcon::DoubleClick)
                    emit RestoreRequested();
                else if (Reason == QSystemTrayIcon::Context)
                    emit MenuRequested(QCursor::pos());
            });
    connect(FItem, &platform::TStatusNotifierItem::HostedChanged, this,
            &TProgramTray::FollowItemHost);
    // Shown even without a tray: the icon docks by itself once a tray appears.
    FXEmbed->show();
}

bool TProgramTray::Shown() const {
    return FItem->Hosted() || (FXEmbed != nullptr && QSystemTrayIcon::isSystemTrayAvailable());
}

void TProgramTray::SetToolTip(const QString& Text) {
    FToolTip = Text;
    FItem->SetToolTip(QStringLiteral("万年历"), Text);
    if (FXEmbed != nullptr)
        FXEmbed->setToolTip(Text);
}

void TProgramTray::FollowItemHost(bool Hosted) {
    FXEmbed->setVisible(!Hosted);
}
