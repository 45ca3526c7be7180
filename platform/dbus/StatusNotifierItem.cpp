#include "platform/dbus/StatusNotifierItem.h"

#include "platform/dbus/BusReach.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QVariantMap>

#include <memory>

namespace platform::sni {

// The wire forms of the item's icons and tooltip.
struct TPixmap {
    int Width = 0;
    int Height = 0;
    QByteArray Argb; // big-endian ARGB32, row by row
};
using TPixmaps = QList<TPixmap>;

struct TToolTip {
    QString IconName;
    TPixmaps Pixmaps;
    QString Title;
    QString Text;
};

QDBusArgument& operator<<(QDBusArgument& Argument, const TPixmap& Pixmap) {
    Argument.beginStructure();
    Argument << Pixmap.Width << Pixmap.Height << Pixmap.Argb;
    Argument.endStructure();
    return Argument;
}

const QDBusArgument& operator>>(const QDBusArgument& Argument, TPixmap& Pixmap) {
    Argument.beginStructure();
    Argument >> Pixmap.Width >> Pixmap.Height >> Pixmap.Argb;
    Argument.endStructure();
    return Argument;
}

QDBusArgument& operator<<(QDBusArgument& Argument, const TToolTip& Tip) {
    Argument.beginStructure();
    Argument << Tip.IconName << Tip.Pixmaps << Tip.Title << Tip.Text;
    Argument.endStructure();
    return Argument;
}

const QDBusArgument& operator>>(const QDBusArgument& Argument, TToolTip& Tip) {
    Argument.beginStructure();
    Argument >> Tip.IconName >> Tip.Pixmaps >> Tip.Title >> Tip.Text;
    Argument.endStructure();
    return Argument;
}

} // namespace platform::sni

Q_DECLARE_METATYPE(platform::sni::TPixmap)
Q_DECLARE_METATYPE(platform::sni::TToolTip)

namespace platform {

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString ItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString ItemPath = QStringLiteral("/StatusNotifierItem");
const QString BusService = QStringLiteral("org.freedesktop.DBus");
const QString BusPath = QStringLiteral("/org/freedesktop/DBus");
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

const char* const ItemIntrospection = R"xml(<interface name="org.kde.StatusNotifierItem">
<property name="Category" type="s" access="read"/>
<property name="Id" type="s" access="read"/>
<property name="Title" type="s" access="read"/>
<property name="Status" type="s" access="read"/>
<property name="WindowId" type="i" access="read"/>
<property name="IconName" type="s" access="read"/>
<property name="IconPixmap" type="a(iiay)" access="read"/>
<property name="OverlayIconName" type="s" access="read"/>
<property name="OverlayIconPixmap" type="a(iiay)" access="read"/>
<property name="AttentionIconName" type="s" access="read"/>
<property name="AttentionIconPixmap" type="a(iiay)" access="read"/>
<property name="AttentionMovieName" type="s" access="read"/>
<property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
<property name="ItemIsMenu" type="b" access="read"/>
<property name="Menu" type="o" access="read"/>
<method name="ContextMenu"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
<method name="Activate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
<method name="SecondaryActivate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
<method name="Scroll"><arg name="delta" type="i" direction="in"/><arg name="orientation" type="s" direction="in"/></method>
<signal name="NewTitle"/>
<signal name="NewIcon"/>
<signal name="NewAttentionIcon"/>
<signal name="NewOverlayIcon"/>
<signal name="NewToolTip"/>
<signal name="NewStatus"><arg name="status" type="s"/></signal>
</interface>
)xml";

sni::TPixmap WirePixmap(const QImage& Picture) {
    const QImage Argb = Picture.convertToFormat(QImage::Format_ARGB32);
    sni::TPixmap Pixmap{Argb.width(), Argb.height(), {}};
    Pixmap.Argb.reserve(Argb.width() * Argb.height() * 4);
    for (int Y = 0; Y < Argb.height(); ++Y) {
        const auto* Line = reinterpret_cast<const QRgb*>(Argb.constScanLine(Y));
        for (int X = 0; X < Argb.width(); ++X) {
            for (const int Channel :
                 {qAlpha(Line[X]), qRed(Line[X]), qGreen(Line[X]), qBlue(Line[X])})
                Pixmap.Argb.append(static_cast<char>(Channel));
        }
    }
    return Pixmap;
}

} // namespace

// The object at /StatusNotifierItem: its properties, methods and introspection, answered
// message by message.
class TStatusNotifierItem::TBusObject : public QDBusVirtualObject {
public:
    explicit TBusObject(TStatusNotifierItem& Item) : FItem(Item) {}

    QVariantMap Properties;
    sni::TToolTip ToolTip;

    QString introspect(const QString&) const override {
        return QString::fromUtf8(ItemIntrospection);
    }

    bool handleMessage(const QDBusMessage& Message, const QDBusConnection& Bus) override {
        const QList<QVariant> Arguments = Message.arguments();
        if (Message.interface() == PropertiesInterface)
            return AnswerProperties(Message, Bus, Arguments);
        if (Message.interface() != ItemInterface && !Message.interface().isEmpty())
            return false;
        const int X = Arguments.value(0).toInt();
        const int Y = Arguments.value(1).toInt();
        if (Message.member() == QLatin1String("Activate"))
            emit FItem.Activated(X, Y);
        else if (Message.member() == QLatin1String("ContextMenu"))
            emit FItem.ContextMenuRequested(X, Y);
        else if (Message.member() != QLatin1String("SecondaryActivate") &&
                 Message.member() != QLatin1String("Scroll"))
            return false;
        Bus.send(Message.createReply());
        return true;
    }

private:
    bool AnswerProperties(const QDBusMessage& Message, const QDBusConnection& Bus,
                          const QList<QVariant>& Arguments) {
        const QString Interface = Arguments.value(0).toString();
        if (Message.member() == QLatin1String("GetAll")) {
            Bus.send(Message.createReply(Interface == ItemInterface || Interface.isEmpty()
                                             ? AllProperties()
                                             : QVariantMap()));
            return true;
        }
        const QString Name = Arguments.value(1).toString();
        const QVariantMap All = AllProperties();
        if (Message.member() == QLatin1String("Get") && All.contains(Name)) {
            Bus.send(Message.createReply(QVariant::fromValue(QDBusVariant(All.value(Name)))));
        } else {
            Bus.send(
                Message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                                         QStringLiteral("No such property or not writable")));
        }
        return true;
    }

    QVariantMap AllProperties() const {
        QVariantMap All = Properties;
        All.insert(QStringLiteral("ToolTip"), QVariant::fromValue(ToolTip));
        return All;
    }

    TStatusNotifierItem& FItem;
};

TStatusNotifierItem::TStatusNotifierItem(const QString& Id, const QString& Title,
                                         const QString& IconName, const QList<QImage>& Icons,
                                         QObject* Parent)
    : QObject(Parent), FObject(std::make_unique<TBusObject>(*this)) {
    qDBusRegisterMetaType<sni::TPixmap>();
    qDBusRegisterMetaType<sni::TPixmaps>();
    qDBusRegisterMetaType<sni::TToolTip>();

    sni::TPixmaps Pixmaps;
    for (const QImage& Icon : Icons)
        Pixmaps.append(WirePixmap(Icon));
    const QString None;
    FObject->Properties = {
        {QStringLiteral("Category"), QStringLiteral("ApplicationStatus")},
        {QStringLiteral("Id"), Id},
        {QStringLiteral("Title"), Title},
        {QStringLiteral("Status"), QStringLiteral("Active")},
        {QStringLiteral("WindowId"), 0},
        {QStringLiteral("IconName"), IconName},
        {QStringLiteral("IconPixmap"), QVariant::fromValue(Pixmaps)},
        {QStringLiteral("OverlayIconName"), None},
        {QStringLiteral("OverlayIconPixmap"), QVariant::fromValue(sni::TPixmaps())},
        {QStringLiteral("AttentionIconName"), None},
        {QStringLiteral("AttentionIconPixmap"), QVariant::fromValue(sni::TPixmaps())},
        {QStringLiteral("AttentionMovieName"), None},
        {QStringLiteral("ItemIsMenu"), false},
        {QStringLiteral("Menu"), QVariant::fromValue(QDBusObjectPath("/NO_DBUSMENU"))},
    };
    FObject->ToolTip.IconName = IconName;
    FObject->ToolTip.Title = Title;

    // Publishing and the subscriptions wait on the bus: they run on the bus's own thread.
    auto WatcherAtStart = std::make_shared<bool>(false);
    TBusObject* const Object = FObject.get();
    ReachBus(
        QDBusConnection::SessionBus, this,
        [this, Object, WatcherAtStart](QDBusConnection& Bus) {
            Bus.registerVirtualObject(ItemPath, Object);
            Bus.registerService(ServiceName());
            Bus.connect(BusService, BusPath, BusService, QStringLiteral("NameOwnerChanged"),
                        {WatcherService}, QString(), this,
                        SLOT(WatcherOwnerChanged(QString, QString, QString)));
            Bus.connect(QString(), WatcherPath, WatcherService,
                        QStringLiteral("StatusNotifierHostRegistered"), this,
                        SLOT(HostRegistered()));
            Bus.connect(QString(), WatcherPath, WatcherService,
                        QStringLiteral("StatusNotifierHostUnregistered"), this,
                        SLOT(HostUnregistered()));
            *WatcherAtStart = Bus.interface() != nullptr &&
                              Bus.interface()->isServiceRegistered(WatcherService).value();
        },
        [this, WatcherAtStart](const QDBusConnection& Bus) {
            FConnected = Bus.isConnected();
            emit BusReached(FConnected && *WatcherAtStart);
            if (FConnected && *WatcherAtStart)
                OfferToWatcher();
        });
}

TStatusNotifierItem::~TStatusNotifierItem() {
    if (!FConnected)
        return;
    QDBusConnection Bus = QDBusConnection::sessionBus();
    Bus.unregisterObject(ItemPath);
}

QString TStatusNotifierItem::ServiceName() {
    return QStringLiteral("org.kde.StatusNotifierItem-%1-1")
        .arg(QCoreApplication::applicationPid());
}

void TStatusNotifierItem::WatcherOwnerChanged(const QString&, const QString&,
                                              const QString& NewOwner) {
    FRegistered = false;
    SetHosted(false);
    if (!NewOwner.isEmpty())
        OfferToWatcher();
}

void TStatusNotifierItem::SetToolTip(const QString& Title, const QString& Text) {
    if (FObject->ToolTip.Title == Title && FObject->ToolTip.Text == Text)
        return;
    FObject->ToolTip.Title = Title;
    FObject->ToolTip.Text = Text;
    if (FConnected)
        QDBusConnection::sessionBus().send(
            QDBusMessage::createSignal(ItemPath, ItemInterface, QStringLiteral("NewToolTip")));
}

QString TStatusNotifierItem::ToolTipTitle() const {
    return FObject->ToolTip.Title;
}

void TStatusNotifierItem::OfferToWatcher() {
    QDBusMessage Call = QDBusMessage::createMethodCall(
        WatcherService, WatcherPath, WatcherService, QStringLiteral("RegisterStatusNotifierItem"));
    Call << ServiceName();
    auto* Pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(Call), this);
    connect(Pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* Done) {
                Done->deleteLater();
                FRegistered = !Done->isError();
                if (FRegistered)
                    AskForHost();
                else
                    SetHosted(false);
            });
}

void TStatusNotifierItem::AskForHost() {
    QDBusMessage Call = QDBusMessage::createMethodCall(WatcherService, WatcherPath,
                                                       PropertiesInterface, QStringLiteral("Get"));
    Call << WatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    auto* Pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(Call), this);
    connect(Pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* Done) {
                Done->deleteLater();
                const QDBusPendingReply<QDBusVariant> Reply = *Done;
                SetHosted(FRegistered && !Reply.isError() && Reply.value().variant().toBool());
            });
}

void TStatusNotifierItem::HostRegistered() {
    if (FRegistered)
        SetHosted(true);
}

void TStatusNotifierItem::HostUnregistered() {
    // Another host may still be there.
    if (FRegistered)
        AskForHost();
}

void TStatusNotifierItem::SetHosted(bool Hosted) {
    if (Hosted == FHosted)
        return;
    FHosted = Hosted;
    emit HostedChanged(Hosted);
}

} // namespace platform
