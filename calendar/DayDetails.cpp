#include "calendar/DayDetails.h"

#include "calendar/GanZhi.h"

#include <array>
#include <cstdio>

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
    if (Details.TermNo != 0) {
        SolarTermMoment(Year, Details.TermNo, Details.TermMoment);
    }
    Details.NewMoonNearMidnight = Details.Lunar.Day == 1 && NewMoonNearMidnight(Year, Month, Day);
    Details.YearPillar = YearPillar(Year, Month, Day);
    Details.MonthPillar = MonthPillar(Year, Month, Day);
    Details.DayPillar = DayPillar(Year, Month, Day);
    Details.LunarYearPillar = LunarYearPillar(Details.Lunar.Year);
    Details.Festival = FestivalName(EncodeDate(Year, Month, Day));
    Details.Traditional = TraditionalFestivals(Year, Month, Day, Details.Lunar);
    Details.Holiday = &Holidays.Find(Year, Month, Day);
    return Details;
}

std::string TermMomentText(const TDayDetails& Details) {
    const TTermMoment& Moment = Details.TermMoment;
    char Time[8];
    std::snprintf(Time, sizeof Time, "%02d:%02d", Moment.Hour, Moment.Minute);
    if (Moment.Month == Details.Month && Moment.Day == Details.Day) {
        return Time;
    }
    return std::to_string(Moment.Month) + "月" + std::to_string(Moment.Day) + "日" + Time;
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
