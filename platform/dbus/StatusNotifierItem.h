#pragma once

// The program's icon as a StatusNotifierItem on the session bus, for the trays that host such
// items (the panels of KDE Plasma, GNOME with its AppIndicator extension and others). The item
// is published once and offered to every StatusNotifierWatcher that appears, at start or
// later, and again when a watcher restarts. Without a session bus it stays unpublished and
// never counts as hosted.

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
    // The item's bus name, empty without a session bus.
    QString ServiceName() const;

    // True when a StatusNotifierWatcher is on the session bus at this moment.
    static bool WatcherPresent();

signals:
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

private:
    std::unique_ptr<TBusObject> FObject;
    bool FRegistered = false;
    bool FHostKnown = false;
    bool FHosted = false;
};

} // namespace platform
