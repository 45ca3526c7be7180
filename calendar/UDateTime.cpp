#include "calendar/UDateTime.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr const char* kInvalidDate = "Invalid argument to date encode";

void AppendNumber(std::string& Out, int Value, int Width) {
    char Buffer[16];
    std::snprintf(Buffer, sizeof Buffer, "%0*d", Width, Value);
    Out += Buffer;
}

bool ReadDigits(std::string_view Text, int& Value) {
    for (const char C : Text) {
        if (C < '0' || C > '9') {
            return false;
        }
    }
    return std::from_chars(Text.data(), Text.data() + Text.size(), Value).ec == std::errc{};
}

} // namespace

bool ReadIsoDate(std::string_view Text, int& Year, int& Month, int& Day) {
    return Text.size() == 10 && Text[4] == '-' && Text[7] == '-' &&
           ReadDigits(Text.substr(0, 4), Year) && ReadDigits(Text.substr(5, 2), Month) &&
           ReadDigits(Text.substr(8, 2), Day) && IsValidDate(Year, Month, Day);
}

bool IsValidDate(int Year, int Month, int Day) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1) {
        return false;
    }
    const std::chrono::year_month_day Date{std::chrono::year{Year},
                                           std::chrono::month{static_cast<unsigned>(Month)},
                                           std::chrono::day{static_cast<unsigned>(Day)}};
    return Date.ok();
}

void CheckValidDate(int Year, int Month, int Day) {
    if (!IsValidDate(Year, Month, Day)) {
        throw EConvertError(kInvalidDate);
    }
}

TDateTime EncodeDate(int Year, int Month, int Day) {
    return EncodeDateTime(Year, Month, Day, 0, 0, 0, 0);
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second,
                         int Millisecond) {
    CheckValidDate(Year, Month, Day);
    if (Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59 ||
        Millisecond < 0 || Millisecond > 999) {
        throw EConvertError(kInvalidDate);
    }
    using namespace std::chrono;
    const local_days Date{year_month_day{year{Year}, month{static_cast<unsigned>(Month)},
                                         day{static_cast<unsigned>(Day)}}};
    return Date + hours{Hour} + minutes{Minute} + seconds{Second} + milliseconds{Millisecond};
}

TDateParts DecodeDateTime(TDateTime Value) {
    using namespace std::chrono;
    const auto Date = floor<days>(Value);
    const year_month_day Ymd{Date};
    const hh_mm_ss Time{Value - Date};
    return TDateParts{static_cast<int>(Ymd.year()),
                      static_cast<int>(static_cast<unsigned>(Ymd.month())),
                      static_cast<int>(static_cast<unsigned>(Ymd.day())),
                      static_cast<int>(Time.hours().count()),
                      static_cast<int>(Time.minutes().count()),
                      static_cast<int>(Time.seconds().count()),
                      static_cast<int>(Time.subseconds().count())};
}

std::string FormatDateTime(std::string_view Pattern, TDateTime Value) {
    const TDateParts Parts = DecodeDateTime(Value);
    std::string Out;
    Out.reserve(Pattern.size() + 4);
    for (std::size_t I = 0; I < Pattern.size();) {
        const std::string_view Rest = Pattern.substr(I);
        if (Rest.starts_with("yyyy")) {
            AppendNumber(Out, Parts.Year, 4);
            I += 4;
            continue;
        }
        const int* Field = nullptr;
        if (Rest.starts_with("mm")) {
            Field = &Parts.Month;
        } else if (Rest.starts_with("dd")) {
            Field = &Parts.Day;
        } else if (Rest.starts_with("hh")) {
            Field = &Parts.Hour;
        } else if (Rest.starts_with("nn")) {
            Field = &Parts.Minute;
        } else if (Rest.starts_with("ss")) {
            Field = &Parts.Second;
        }
        if (Field != nullptr) {
            AppendNumber(Out, *Field, 2);
            I += 2;
        } else {
            Out += Pattern[I];
            ++I;
        }
    }
    return Out;
}
