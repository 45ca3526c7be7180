#include "main/MonthLayout.h"

#include "calendar/UCalendar.h"

std::string DayCellText(int Year, int Month, int Day) {
    int LunarYear = 0;
    int LunarMonth = 0;
    int LunarDay = 0;
    std::string LunarText;
    if (SolarToLunar(Year, Month, Day, LunarYear, LunarMonth, LunarDay)) {
        LunarText = LunarDayName(LunarDay);
        if (LunarText == "初一")
            LunarText = LunarMonthName(LunarMonth, true);
    }
    return std::to_string(Day) + '\r' + LunarText + '\r' +
           SolarTermName(EncodeDate(Year, Month, Day));
}

namespace {

int FirstColumn(int Year, int Month) {
    return GetWeekDay(Year, Month, 1) - 1;
}

} // namespace

TMonthLayout LayOutMonth(int Year, int Month) {
    TMonthLayout Layout;
    Layout.FirstCol = FirstColumn(Year, Month);
    Layout.Last = GetMonthDays(Year, Month);
    for (int Day = 1; Day <= Layout.Last; ++Day)
        Layout.Cells[static_cast<std::size_t>(Layout.FirstCol + Day - 1)] =
            DayCellText(Year, Month, Day);
    return Layout;
}

int DayInCell(int Year, int Month, int Col, int Row) {
    const int Day = (Row - 1) * WeekDays + Col - FirstColumn(Year, Month) + 1;
    return Day >= 1 && Day <= GetMonthDays(Year, Month) ? Day : 0;
}

TCellPlace CellOfDay(int Year, int Month, int Day) {
    const int Index = FirstColumn(Year, Month) + Day - 1;
    return {Index % WeekDays, Index / WeekDays + 1};
}
