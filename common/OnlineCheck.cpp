#include "common/OnlineCheck.h"

#include "platform/HostName.h"
#include "platform/IcmpEcho.h"

#include <chrono>
#include <string_view>

namespace {

constexpr std::string_view EchoData = "Hi, OnLine?";
constexpr int EchoTimeToLive = 64;
constexpr std::chrono::milliseconds EchoTimeout{200};

} // namespace

void ResolveHostIP(const QString& Host, QString& Ip) {
    platform::TIPv4Address Address;
    if (platform::ResolveIPv4(Host.toStdString(), Address)) {
        Ip = QString::asprintf("%d.%d.%d.%d", Address[0], Address[1], Address[2], Address[3]);
    }
}

void CheckOnline(const QString& Host, QString& Result) {
    const std::unique_ptr<platform::TEchoSocket> Socket = platform::OpenEchoSocket();
    if (!Socket) {
        return;
    }
    QString Ip;
    ResolveHostIP(Host, Ip);
    platform::TEchoRequest Request;
    if (!platform::ParseIPv4(Ip.toStdString(), Request.Address)) {
        Result = OnlineCheckFailed;
        return;
    }
    Request.Data = EchoData;
    Request.TimeToLive = EchoTimeToLive;
    Request.Timeout = EchoTimeout;
    Result = Socket->Echo(Request) ? OnlineCheckOk : OnlineCheckFailed;
}
