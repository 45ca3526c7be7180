#include "terminal/TableLine.h"

#include "calendar/GanZhi.h"

#include <cstdio>

namespace {

std::string TermTime(const TTermMoment& Moment) {
    char Text[8];
    std::snprintf(Text, sizeof Text, "%02d:%02d", Moment.Hour, Moment.Minute);
    return Text;
}

} // namespace

std::string TableLine(const TDayDetails& Details) {
    std::string Traditional;
    for (const std::string_view Name : Details.Traditional) {
        Traditional += (Traditional.empty() ? "" : ",") + std::string(Name);
    }
    const std::string Fields[] = {
        FormatDateTime("yyyy-mm-dd", EncodeDate(Details.Year, Details.Month, Details.Day)),
        std::to_string(Details.Lunar.Year),
        std::to_string(Details.Lunar.Month),
        std::to_string(Details.Lunar.Day),
        Details.Lunar.Leap ? "1" : "0",
        std::string(Details.TermName),
        PillarName(Details.YearPillar),
        PillarName(Details.MonthPillar),
        PillarName(Details.DayPillar),
        PillarName(Details.LunarYearPillar),
        Details.Festival,
        Traditional,
        std::string(HolidayKindText(Details.Holiday->Kind)),
        Details.TermNo != 0 ? TermTime(Details.TermMoment) : std::string(),
    };
    std::string Line;
    for (const std::string& Field : Fields) {
        Line += (&Field == Fields ? "" : "\t") + Field;
    }
    return Line;
}
