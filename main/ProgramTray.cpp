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
    FItem =
        new platform::TStatusNotifierItem(QStringLiteral("ruxa-calendar"), QStringLiteral("万年历"),
                                          QStringLiteral("ruxa-calendar"), IconPictures(), this);
    connect(FItem, &platform::TStatusNotifierItem::Activated, this,
            &TProgramTray::RestoreRequested);
    connect(FItem, &platform::TStatusNotifierItem::ContextMenuRequested, this,
            [this](int X, int Y) { emit MenuRequested(QPoint(X, Y)); });
    connect(FItem, &platform::TStatusNotifierItem::BusReached, this, [this](bool WatcherPresent) {
        // Qt decides once, at its first icon, whether its icons go to a watcher; an icon made
        // while no watcher is there stays an XEmbed one, and none is made where the item serves.
        if (!WatcherPresent)
            CreateXEmbedIcon();
    });
}

void TProgramTray::CreateXEmbedIcon() {
    FXEmbed = new QSystemTrayIcon(QIcon(IconFile), this);
    FXEmbed->setToolTip(FToolTip);
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
    FXEmbed->setVisible(!FItem->Hosted());
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
