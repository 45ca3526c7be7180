#include "notes/MinuteText.h"

#include "calendar/UDateTime.h"

#include <cctype>
#include <chrono>

namespace notes {
namespace {

bool HasShape(const std::string& Text) {
    static constexpr char Shape[] = "dddd-dd-dd dd:dd";
    if (Text.size() != sizeof(Shape) - 1) {
        return false;
    }
    for (std::size_t Index = 0; Index < Text.size(); ++Index) {
        const bool Digit = std::isdigit(static_cast<unsigned char>(Text[Index])) != 0;
        if (Shape[Index] == 'd' ? !Digit : Text[Index] != Shape[Index]) {
            return false;
        }
    }
    return true;
}

int Number(const std::string& Text, std::size_t From, std::size_t Length) {
    return std::stoi(Text.substr(From, Length));
}

} // namespace

bool IsMinuteText(const std::string& Text) {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    return HasShape(Text) && ReadIsoDate(Text.substr(0, 10), Year, Month, Day) &&
           Number(Text, 11, 2) < 24 && Number(Text, 14, 2) < 60;
}

std::optional<std::string> AddMinutes(const std::string& Text, long long Minutes) {
    if (!IsMinuteText(Text)) {
        return std::nullopt;
    }
    const TDateTime Result =
        EncodeDateTime(Number(Text, 0, 4), Number(Text, 5, 2), Number(Text, 8, 2),
                       Number(Text, 11, 2), Number(Text, 14, 2), 0, 0) +
        std::chrono::minutes(Minutes);
    if (Result < EncodeDate(1, 1, 1) || Result >= EncodeDate(9999, 12, 31) + std::chrono::days(1)) {
        return std::nullopt;
    }
    return FormatDateTime("yyyy-mm-dd hh:nn", Result);
}

} // namespace notes
