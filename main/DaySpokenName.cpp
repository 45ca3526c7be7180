#include "main/DaySpokenName.h"

std::string DayShortName(const TDayDetails& Details) {
    return DateAndWeekDayText(Details) + " 农历" + LunarMonthDayText(Details.Lunar);
}

std::string DaySpokenName(const TDayDetails& Details, int NoteCount) {
    std::string Name = DayShortName(Details);
    const auto Add = [&Name](std::string_view Part) {
        if (!Part.empty())
            Name += " " + std::string(Part);
    };
    Add(Details.TermName);
    Add(Details.Festival);
    for (const std::string_view Festival : Details.Traditional)
        Add(Festival);
    if (Details.Holiday->Kind != THolidayKind::None)
        Add(HolidayKindText(Details.Holiday->Kind));
    if (NoteCount > 0)
        Add(std::to_string(NoteCount) + "条便签");
    return Name;
}
