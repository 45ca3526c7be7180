#include "calendar/DayDetails.h"

#include "calendar/GanZhi.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 7> WeekDayNames = {"星期日", "星期一", "星期二", "星期三",
                                                          "星期四", "星期五", "星期六"};

std::string MonthText(const TLunarDate& Lunar) {
    return (Lunar.Leap ? "闰" : "") + LunarMonthName(Lunar.Month, true);
}

} // namespace

bool IsSupportedDate(int Year, int Month, int Day) {
    return Year >= FirstSupportedYear && Year <= LastSupportedYear && IsValidDate(Year, Month, Day);
}

std::optional<TDayDetails> DayDetailsOf(int Year, int Month, int Day,
                                        const THolidayTable& Holidays) {
    if (!IsSupportedDate(Year, Month, Day)) {
        return std::nullopt;
    }
    TDayDetails Details;
    Details.Year = Year;
    Details.Month = Month;
    Details.Day = Day;
    Details.WeekDay = GetWeekDay(Year, Month, Day);
    SolarToLunarDate(Year, Month, Day, Details.Lunar);
    Details.TermNo = GetSolarTermNo(Year, Month, Day);
    Details.TermName = SolarTermNameOf(Details.TermNo);
    Details.YearPillar = YearPillar(Year, Month, Day);
    Details.MonthPillar = MonthPillar(Year, Month, Day);
    Details.DayPillar = DayPillar(Year, Month, Day);
    Details.LunarYearPillar = LunarYearPillar(Details.Lunar.Year);
    Details.Festival = FestivalName(EncodeDate(Year, Month, Day));
    Details.Traditional = TraditionalFestivals(Year, Month, Day, Details.Lunar);
    Details.Holiday = &Holidays.Find(Year, Month, Day);
    return Details;
}

std::string LongLunarText(const TLunarDate& Lunar) {
    return "农历" + PillarName(LunarYearPillar(Lunar.Year)) + "年" + LunarMonthDayText(Lunar);
}

std::string LunarMonthDayText(const TLunarDate& Lunar) {
    return MonthText(Lunar) + LunarDayName(Lunar.Day);
}

std::string DateAndWeekDayText(const TDayDetails& Details) {
    return std::to_string(Details.Year) + "年" + std::to_string(Details.Month) + "月" +
           std::to_string(Details.Day) + "日 " + std::string(WeekDayName(Details.WeekDay));
}

std::string ShortLunarText(const TLunarDate& Lunar) {
    return Lunar.Day == 1 ? MonthText(Lunar) : LunarDayName(Lunar.Day);
}

std::string_view WeekDayName(int WeekDay) {
    return WeekDay >= 1 && WeekDay <= 7 ? WeekDayNames[static_cast<std::size_t>(WeekDay - 1)]
                                        : std::string_view{};
}
