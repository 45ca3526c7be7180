#pragma once

// Everything the calendar knows about one Gregorian day, for the tooltip, the terminal
// calendar and the feeds.

#include "calendar/CalendarRange.h"
#include "calendar/HolidayTable.h"
#include "calendar/TermMoments.h"
#include "calendar/TraditionalFestivals.h"
#include "calendar/UCalendar.h"

#include <optional>
#include <string>
#include <string_view>

struct TDayDetails {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int WeekDay = 0; // 1 = Sunday .. 7 = Saturday
    TLunarDate Lunar;
    int TermNo = 0;                   // 1 .. 24, 0 on the other days
    std::string_view TermName;        // empty on the other days
    TTermMoment TermMoment;           // when the term begins; on the other days all zero
    bool NewMoonNearMidnight = false; // a lunar month begins today, its new moon near midnight
    int YearPillar = 0;               // by 立春
    int MonthPillar = 0;              // by the 节
    int DayPillar = 0;                //
    int LunarYearPillar = 0;          // by 春节
    std::string Festival;             // the fixed Gregorian festival or memorial day, or empty
    TFestivalList Traditional;        //
    const THoliday* Holiday{};        // never null; Kind None on an ordinary day
};

bool IsSupportedDate(int Year, int Month, int Day);

// Empty for a date that is not valid or lies outside the supported years. The result
// points into Holidays, which must outlive it.
std::optional<TDayDetails> DayDetailsOf(int Year, int Month, int Day,
                                        const THolidayTable& Holidays);

// When the day's term begins, "16:27"; "1月20日23:59" on the few official days whose computed
// moment falls on the day next to them. Only for a day with a term.
std::string TermMomentText(const TDayDetails& Details);

// "农历癸卯年闰二月初一": the lunar year by its pillar, 闰 in a leap month.
std::string LongLunarText(const TLunarDate& Lunar);

// "闰二月初一", "正月初一": the lunar month (正月 for the first, 闰 in a leap month) and day.
std::string LunarMonthDayText(const TLunarDate& Lunar);

// "2024年2月10日 星期六".
std::string DateAndWeekDayText(const TDayDetails& Details);

// The lunar text of a day cell: the day's name, or the month's name (正月 for the first,
// with 闰 before it in a leap month) on the first day of a lunar month.
std::string ShortLunarText(const TLunarDate& Lunar);

// "星期日" .. "星期六" for 1 .. 7.
std::string_view WeekDayName(int WeekDay);
