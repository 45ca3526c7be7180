#include "platform/BusSilence.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <future>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

using TClock = std::chrono::steady_clock;

const char* const SessionVariable = "DBUS_SESSION_BUS_ADDRESS";
const char* const SystemVariable = "DBUS_SYSTEM_BUS_ADDRESS";
const char* const UsualSystemAddress = "unix:path=/var/run/dbus/system_bus_socket";
// Not a socket: connecting fails at once.
const char* const NowhereAddress = "unix:path=/dev/null";

int HexValue(char C) {
    if (C >= '0' && C <= '9')
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

// A value of a bus address, its "%XX" escapes undone.
std::string Unescaped(const std::string& Value) {
    std::string Text;
    for (std::size_t I = 0; I < Value.size(); ++I) {
        if (Value[I] == '%' && I + 2 < Value.size() && HexValue(Value[I + 1]) >= 0 &&
            HexValue(Value[I + 2]) >= 0) {
            Text += static_cast<char>(HexValue(Value[I + 1]) * 16 + HexValue(Value[I + 2]));
            I += 2;
        } else {
            Text += Value[I];
        }
    }
    return Text;
}

std::vector<std::string> Split(const std::string& Text, char Separator) {
    std::vector<std::string> Parts;
    std::size_t Start = 0;
    for (;;) {
        const std::size_t End = Text.find(Separator, Start);
        Parts.push_back(Text.substr(Start, End - Start));
        if (End == std::string::npos)
            return Parts;
        Start = End + 1;
    }
}

// The socket address of one "unix:" entry of a bus address; none for other entries.
std::optional<sockaddr_un> UnixSocket(const std::string& Entry) {
    const std::size_t Colon = Entry.find(':');
    if (Colon == std::string::npos || Entry.compare(0, Colon, "unix") != 0)
        return std::nullopt;
    sockaddr_un Address{};
    Address.sun_family = AF_UNIX;
    for (const std::string& Pair : Split(Entry.substr(Colon + 1), ',')) {
        const std::size_t Equals = Pair.find('=');
        if (Equals == std::string::npos)
            continue;
        const std::string Key = Pair.substr(0, Equals);
        const std::string Value = Unescaped(Pair.substr(Equals + 1));
        const bool Abstract = Key == "abstract";
        if ((Key != "path" && !Abstract) || Value.size() + 1 >= sizeof(Address.sun_path))
            continue;
        std::memcpy(Address.sun_path + (Abstract ? 1 : 0), Value.data(), Value.size());
        return Address;
    }
    return std::nullopt;
}

bool WaitFor(int Fd, short Events, TClock::time_point Deadline) {
    for (;;) {
        const auto Left =
            std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - TClock::now());
        if (Left.count() <= 0)
            return false;
        pollfd Poll{Fd, Events, 0};
        const int Ready = ::poll(&Poll, 1, static_cast<int>(Left.count()));
        if (Ready > 0)
            return true;
        if (Ready < 0 && errno != EINTR)
            return false;
    }
}

std::string HexDigits(const std::string& Text) {
    static const char Digits[] = "0123456789abcdef";
    std::string Hex;
    for (const unsigned char C : Text) {
        Hex += Digits[C >> 4];
        Hex += Digits[C & 0xF];
    }
    return Hex;
}

enum class TSocketReply { Refused, Answered, Silent };

TSocketReply AskSocket(const sockaddr_un& Address, TClock::time_point Deadline) {
    const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (Fd < 0)
        return TSocketReply::Refused;
    TSocketReply Reply = TSocketReply::Refused;
    if (::connect(Fd, reinterpret_cast<const sockaddr*>(&Address), sizeof(Address)) == 0) {
        // The one byte every client sends first, then the start of the authentication that
        // every daemon answers.
        const std::string Hello = std::string(1, '\0') + "AUTH EXTERNAL " +
                                  HexDigits(std::to_string(::getuid())) + "\r\n";
        const bool Answered = ::send(Fd, Hello.data(), Hello.size(), MSG_NOSIGNAL) ==
                                  static_cast<ssize_t>(Hello.size()) &&
                              WaitFor(Fd, POLLIN, Deadline);
        Reply = Answered ? TSocketReply::Answered : TSocketReply::Silent;
    } else if (errno == EAGAIN) {
        // A full queue of waiting connections is a daemon that does not take them.
        Reply = TSocketReply::Silent;
    }
    ::close(Fd);
    return Reply;
}

} // namespace

bool BusIsSilent(const std::string& Address, std::chrono::milliseconds Limit) {
    const TClock::time_point Deadline = TClock::now() + Limit;
    // As a client does: the entries in turn, up to the first that takes the connection.
    for (const std::string& Entry : Split(Address, ';')) {
        const std::optional<sockaddr_un> Socket = UnixSocket(Entry);
        if (!Socket)
            return false;
        const TSocketReply Reply = AskSocket(*Socket, Deadline);
        if (Reply != TSocketReply::Refused)
            return Reply == TSocketReply::Silent;
    }
    return false;
}

std::vector<TBus> LeaveSilentBuses(std::chrono::milliseconds Limit) {
    const char* Session = std::getenv(SessionVariable);
    const char* System = std::getenv(SystemVariable);
    const std::string SessionAddress = Session != nullptr ? Session : "";
    const std::string SystemAddress = System != nullptr ? System : UsualSystemAddress;
    auto SessionSilent = std::async(std::launch::async, BusIsSilent, SessionAddress, Limit);
    auto SystemSilent = std::async(std::launch::async, BusIsSilent, SystemAddress, Limit);
    std::vector<TBus> Left;
    if (SessionSilent.get()) {
        ::setenv(SessionVariable, NowhereAddress, 1);
        Left.push_back(TBus::Session);
    }
    if (SystemSilent.get()) {
        ::setenv(SystemVariable, NowhereAddress, 1);
        Left.push_back(TBus::System);
    }
    return Left;
}

} // namespace platform
