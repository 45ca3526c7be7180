#include "main/DayBrowsing.h"

#include "calendar/DayDetails.h"
#include "calendar/UCalendar.h"
#include "calendar/UDateTime.h"

#include <Qt>

#include <algorithm>
#include <chrono>

namespace {

TDateTime ToDate(const TGridDay& Day) {
    return EncodeDate(Day.Year, Day.Month, Day.Day);
}

TGridDay FromDate(TDateTime Date) {
    const TDateParts Parts = DecodeDateTime(Date);
    return {Parts.Year, Parts.Month, Parts.Day};
}

bool InRange(const TGridDay& Day) {
    return Day.Year >= FirstSupportedYear && Day.Year <= LastSupportedYear;
}

TGridDay DaysOn(const TGridDay& From, int Days) {
    return FromDate(ToDate(From) + std::chrono::days(Days));
}

TGridDay MonthsOn(const TGridDay& From, int Months) {
    const int Index = From.Year * 12 + (From.Month - 1) + Months;
    const int Year = Index / 12;
    const int Month = Index % 12 + 1;
    return {Year, Month, std::min(From.Day, GetMonthDays(Year, Month))};
}

} // namespace

bool IsDayBrowsingKey(int Key) {
    switch (Key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
        return true;
    default:
        return false;
    }
}

TGridDay DayAfterKey(const TGridDay& From, int Key, const TGridDay& Today) {
    TGridDay To = From;
    switch (Key) {
    case Qt::Key_Left:
        To = DaysOn(From, -1);
        break;
    case Qt::Key_Right:
        To = DaysOn(From, +1);
        break;
    case Qt::Key_Up:
        To = DaysOn(From, -7);
        break;
    case Qt::Key_Down:
        To = DaysOn(From, +7);
        break;
    case Qt::Key_PageUp:
        To = MonthsOn(From, -1);
        break;
    case Qt::Key_PageDown:
        To = MonthsOn(From, +1);
        break;
    case Qt::Key_Home:
        To = Today;
        break;
    default:
        break;
    }
    return InRange(To) ? To : From;
}
