// The 24 solar terms: which Gregorian days they fall on, and their names.

#include "calendar/UCalendar.h"

#include "calendar/SolarTermTable.h"
#include "calendar/TermMoments.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Every month has its first term on one of the days 3 to 9 and its second on one of the
// days 18 to 24, so no term falls on the 15th.
constexpr bool TermDaysAreInRange() {
    for (const unsigned Byte : calendar_tables::SolarTermDays) {
        if ((Byte >> 4) < 6 || (Byte >> 4) > 12 || (Byte & 0x0F) < 3 || (Byte & 0x0F) > 9) {
            return false;
        }
    }
    return true;
}
static_assert(TermDaysAreInRange(), "a solar term day is out of its half of the month");

} // namespace

int GetSolarTermNo(int Year, int Month, int Day) {
    if (Year < FirstSupportedYear || Year > LastSupportedYear || Month < 1 || Month > 12) {
        return 0;
    }
    const int Number = Day < 15 ? 2 * Month - 1 : 2 * Month;
    return Day == SolarTermDay(Year, Number) ? Number : 0;
}

std::string SolarTermName(TDateTime Date) {
    const TDateParts Parts = DecodeDateTime(Date);
    return std::string(SolarTermNameOf(GetSolarTermNo(Parts.Year, Parts.Month, Parts.Day)));
}

std::string_view SolarTermNameOf(int Number) {
    if (Number < 1 || Number > 24) {
        return {};
    }
    return SolarTermNames[static_cast<std::size_t>(Number - 1)];
}
