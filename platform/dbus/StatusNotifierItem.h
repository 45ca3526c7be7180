#pragma once

// The program's icon as a StatusNotifierItem on the session bus, for the trays that host such
// items (the panels of KDE Plasma, GNOME with its AppIndicator extension and others). The item
// is published once and offered to every StatusNotifierWatcher that appears, at start or
// later, and again when a watcher restarts. The bus is reached off the window's thread, so a
// hung bus daemon never holds the window up. Without a session bus the item stays
// unpublished and never counts as hosted.

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

namespace platform {

class TStatusNotifierItem : public QObject {
    Q_OBJECT

public:
    // Id names the program to the host; Title is what the host may show for it; the icon is
    // the named icon of the desktop's theme, or else the pictures given, one per size.
    TStatusNotifierItem(const QString& Id, const QString& Title, const QString& IconName,
                        const QList<QImage>& Icons, QObject* Parent = nullptr);
    ~TStatusNotifierItem() override;

    // The tooltip: a title line and a plain text under it.
    void SetToolTip(const QString& Title, const QString& Text);
    QString ToolTipTitle() const;

    // True while a watcher holds the item and tells of a host that shows it.
    bool Hosted() const { return FHosted; }
    // The item's bus name.
    static QString ServiceName();

signals:
    // The session bus has been reached, or found unreachable; WatcherPresent tells whether a
    // StatusNotifierWatcher was on it then.
    void BusReached(bool WatcherPresent);
    // A host's primary activation (a click on the icon), at screen position X, Y.
    void Activated(int X, int Y);
    // The host asks for the item's menu at X, Y.
    void ContextMenuRequested(int X, int Y);
    void HostedChanged(bool Hosted);

private:
    class TBusObject;
    void OfferToWatcher();
    void AskForHost();
    void SetHosted(bool Hosted);

private slots:
    void HostRegistered();
    void HostUnregistered();
    void WatcherOwnerChanged(const QString& Name, const QString& OldOwner, const QString& NewOwner);

private:
    std::unique_ptr<TBusObject> FObject;
    bool FConnected = false;
    bool FRegistered = false;
    bool FHosted = false;
};

} // namespace platform
