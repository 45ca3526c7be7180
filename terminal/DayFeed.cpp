#include "terminal/DayFeed.h"

#include "calendar/DayDetails.h"
#include "notes/ical/IcalFeed.h"

namespace {

constexpr const char* UidDomain = "@ruxa-calendar";

std::string DayKey(const TDayDetails& Details) {
    return FormatDateTime("yyyymmdd", EncodeDate(Details.Year, Details.Month, Details.Day));
}

TAllDayEvent DayEvent(const TDayDetails& Details, const std::string& Kind,
                      const std::string& Summary, const std::string& Category) {
    return {DayKey(Details) + "-" + Kind + UidDomain,
            Details.Year,
            Details.Month,
            Details.Day,
            Summary,
            Category,
            LongLunarText(Details.Lunar),
            {},
            {}};
}

} // namespace

std::string DayFeed(const TCalDate& From, const TCalDate& To, bool LunarDays,
                    const THolidayTable& Holidays, const TFeedSetting& Setting) {
    TIcalFeed Feed("万年历：节气、节日与节假日", Setting.Stamp, Setting.ZoneName);
    for (const TCalDate& Date : DaysBetween(From, To)) {
        const auto Details = DayDetailsOf(Date.Year, Date.Month, Date.Day, Holidays);
        if (!Details.has_value()) {
            continue;
        }
        if (!Details->TermName.empty()) {
            Feed.Add(DayEvent(*Details, "term", std::string(Details->TermName), "节气"));
        }
        for (const std::string_view Name : Details->Traditional) {
            const std::string Festival(Name);
            Feed.Add(DayEvent(*Details, "festival-" + HexOf(Festival), Festival, "传统节日"));
        }
        switch (Details->Holiday->Kind) {
        case THolidayKind::DayOff:
            Feed.Add(DayEvent(*Details, "holiday", "休 " + Details->Holiday->Name, "休"));
            break;
        case THolidayKind::WorkDay:
            Feed.Add(DayEvent(*Details, "holiday", "班 " + Details->Holiday->Name + "（调休上班）",
                              "班"));
            break;
        case THolidayKind::None:
            break;
        }
        if (LunarDays) {
            Feed.Add(DayEvent(*Details, "lunar", LongLunarText(Details->Lunar), "农历"));
        }
    }
    return Feed.Text();
}
