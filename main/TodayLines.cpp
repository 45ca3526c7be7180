#include "main/TodayLines.h"

#include "calendar/UCalendar.h"

std::string HolidayLine(TDateTime Today) {
    return "公历：" + FormatDateTime("yyyy-mm-dd", Today) + ' ' + FestivalName(Today);
}

std::string LunarLine(TDateTime Today) {
    const TDateParts Parts = DecodeDateTime(Today);
    int LunarYear = 0;
    int LunarMonth = 0;
    int LunarDay = 0;
    std::string LunarDate;
    std::string Term;
    if (SolarToLunar(Parts.Year, Parts.Month, Parts.Day, LunarYear, LunarMonth, LunarDay)) {
        LunarDate = ChineseYearText(std::to_string(LunarYear)) + LunarMonthName(LunarMonth, true) +
                    LunarDayName(LunarDay);
        Term = SolarTermName(Today);
    }
    return "农历：" + LunarDate + ' ' + Term;
}

std::string TodayDayText(TDateTime Today) {
    return FormatDateTime("dd", Today);
}
