#pragma once

// The program's tray icon on whichever tray the desktop has. Where a StatusNotifierWatcher is
// on the session bus when the program reaches it (KDE Plasma, GNOME with AppIndicator), the
// icon is a StatusNotifierItem; elsewhere it is an XEmbed icon, made once the bus has
// answered or been found missing, that docks into a system tray
// whenever one appears, and a watcher that comes later gets the item too (the XEmbed icon
// then steps back, so that a desktop bridging both shows one icon). A host's click (Activate)
// and an XEmbed double click both ask for the program back; a right click or the host's
// ContextMenu ask for the menu.

#include <QObject>
#include <QPoint>

class QSystemTrayIcon;

namespace platform {
class TStatusNotifierItem;
}

class TProgramTray : public QObject {
    Q_OBJECT

public:
    explicit TProgramTray(QObject* Parent = nullptr);

    // True when some tray shows the icon at this moment.
    bool Shown() const;
    // The tooltip, the same on either kind of tray.
    void SetToolTip(const QString& Text);
    QString ToolTip() const { return FToolTip; }

    platform::TStatusNotifierItem* Item() const { return FItem; }
    // Null until the session bus has answered, and where a watcher serves.
    QSystemTrayIcon* XEmbedIcon() const { return FXEmbed; }

signals:
    void RestoreRequested();
    void MenuRequested(QPoint At);

private:
    void CreateXEmbedIcon();
    void FollowItemHost(bool Hosted);

    platform::TStatusNotifierItem* FItem = nullptr;
    QSystemTrayIcon* FXEmbed = nullptr;
    QString FToolTip;
};
