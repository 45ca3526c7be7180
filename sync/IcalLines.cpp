#include "sync/IcalLines.h"

#include <chrono>
#include <cstdlib>

namespace notesync {

namespace {

// The value of the first line named Name (unfolded lines only; these are short).
std::string ValueOf(const std::string& Ical, const std::string& Name) {
    std::size_t At = 0;
    while (At < Ical.size()) {
        const auto End = Ical.find('\n', At);
        const std::string Line = Ical.substr(At, End == std::string::npos ? End : End - At);
        if (Line.starts_with(Name + ":") || Line.starts_with(Name + ";")) {
            const auto Colon = Line.find(':');
            std::string Value = Line.substr(Colon + 1);
            while (!Value.empty() && (Value.back() == '\r' || Value.back() == ' ')) {
                Value.pop_back();
            }
            return Value;
        }
        if (End == std::string::npos) {
            break;
        }
        At = End + 1;
    }
    return {};
}

std::int64_t UtcSeconds(const std::string& Stamp) {
    // yyyymmddThhmmssZ
    if (Stamp.size() < 15 || Stamp[8] != 'T') {
        return 0;
    }
    const auto Number = [&](std::size_t From, std::size_t Length) {
        return std::atoi(Stamp.substr(From, Length).c_str());
    };
    using namespace std::chrono;
    const sys_days Day = year{Number(0, 4)} / Number(4, 2) / Number(6, 2);
    return Day.time_since_epoch().count() * 86400LL + Number(9, 2) * 3600LL + Number(11, 2) * 60LL +
           Number(13, 2);
}

} // namespace

std::string UidOf(const std::string& Ical) {
    return ValueOf(Ical, "UID");
}

std::string WithUid(const std::string& Ical, const std::string& Uid) {
    std::string Result;
    Result.reserve(Ical.size());
    std::size_t At = 0;
    while (At < Ical.size()) {
        const auto End = Ical.find('\n', At);
        const std::size_t Stop = End == std::string::npos ? Ical.size() : End + 1;
        const std::string_view Line(Ical.data() + At, Stop - At);
        if (Line.starts_with("UID:")) {
            Result += "UID:" + Uid + (Line.ends_with("\r\n") ? "\r\n" : "\n");
        } else {
            Result += Line;
        }
        At = Stop;
    }
    return Result;
}

std::int64_t ModifiedOf(const std::string& Ical) {
    const std::string Modified = ValueOf(Ical, "LAST-MODIFIED");
    return UtcSeconds(Modified.empty() ? ValueOf(Ical, "DTSTAMP") : Modified);
}

} // namespace notesync
