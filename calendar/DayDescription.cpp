#include "calendar/DayDescription.h"

#include "calendar/GanZhi.h"

namespace {

// The time of a note of this day: "hh:nn" when the text is the day's "yyyy-mm-dd hh:nn",
// else the text as it stands.
std::string NoteTime(const TDayDetails& Details, const std::string& When) {
    const std::string Day =
        FormatDateTime("yyyy-mm-dd ", EncodeDate(Details.Year, Details.Month, Details.Day));
    if (When.size() == Day.size() + 5 && When.starts_with(Day)) {
        return When.substr(Day.size());
    }
    return When;
}

} // namespace

std::vector<std::string> DayDescription(const TDayDetails& Details,
                                        const std::vector<TNoteHeading>& Notes) {
    std::vector<std::string> Lines;
    Lines.push_back(DateAndWeekDayText(Details));
    Lines.push_back(LongLunarText(Details.Lunar));
    Lines.push_back(PillarName(Details.YearPillar) + "年 " + PillarName(Details.MonthPillar) +
                    "月 " + PillarName(Details.DayPillar) + "日 属" +
                    std::string(PillarAnimal(Details.YearPillar)));
    if (!Details.TermName.empty()) {
        Lines.push_back("节气：" + std::string(Details.TermName) + " " + TermMomentText(Details));
        if (Details.TermMoment.NearMidnight) {
            Lines.push_back("交节时刻近子夜，日期或差一日");
        }
    }
    if (Details.NewMoonNearMidnight) {
        Lines.push_back("合朔时刻近子夜，初一或差一日");
    }
    std::string Festivals = Details.Festival;
    for (const std::string_view Name : Details.Traditional) {
        Festivals += (Festivals.empty() ? "" : " ") + std::string(Name);
    }
    if (!Festivals.empty()) {
        Lines.push_back("节日：" + Festivals);
    }
    if (Details.Holiday->Kind != THolidayKind::None) {
        Lines.push_back(std::string(HolidayKindText(Details.Holiday->Kind)) + "：" +
                        Details.Holiday->Name);
    }
    if (!Notes.empty()) {
        Lines.push_back("便签：");
        for (const TNoteHeading& Note : Notes) {
            const std::string Time = NoteTime(Details, Note.When);
            Lines.push_back("  " + (Time.empty() ? "" : Time + " ") + Note.Title);
        }
    }
    return Lines;
}
