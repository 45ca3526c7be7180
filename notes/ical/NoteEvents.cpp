#include "notes/ical/NoteEvents.h"

#include "calendar/DayDetails.h"
#include "notes/NoteOccurrences.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace notes::ical {
namespace {

using namespace std::chrono;
using TRule = TRepeat::TRule;

constexpr const char* UidDomain = "@ruxa-calendar";
constexpr const char* LunarRepeatProperty = "X-RUXA-LUNAR-REPEAT";

std::optional<TLunarDate> LunarOf(sys_days Day) {
    const TNoteDay Date{Day};
    TLunarDate Lunar;
    if (!SolarToLunarDate(static_cast<int>(Date.year()), static_cast<int>(unsigned(Date.month())),
                          static_cast<int>(unsigned(Date.day())), Lunar)) {
        return std::nullopt;
    }
    return Lunar;
}

// The days after Anchor, up to the engine's last day, on which a lunar repeat comes: in each
// lunar month the one day that can hold it (its lunar day, or the month's last), kept when the
// rule says the note falls on it.
std::vector<TNoteDay> LunarRepeatDays(const TRepeat& Repeat, TNoteDay Anchor) {
    std::vector<TNoteDay> Days;
    const std::optional<TLunarDate> Home = LunarOf(sys_days(Anchor));
    if (!Home) {
        return Days;
    }
    const sys_days Last = sys_days(year{LastSupportedYear} / December / 31);
    sys_days Start = sys_days(Anchor) - days(Home->Day - 1);
    while (Start <= Last) {
        // The next month begins 29 or 30 days on; past the engine's range, 30 is as good.
        const std::optional<TLunarDate> Day30 = LunarOf(Start + days(29));
        const int Length = Day30 && Day30->Day == 1 ? 29 : 30;
        const sys_days Candidate = Start + days(std::min(Home->Day, Length) - 1);
        if (Candidate > sys_days(Anchor) && Candidate <= Last &&
            FallsOn(Repeat, Anchor, TNoteDay{Candidate})) {
            Days.push_back(TNoteDay{Candidate});
        }
        Start += days(Length);
    }
    return Days;
}

std::string Digits(TNoteDay Day, bool YearOnly) {
    char Text[16];
    if (YearOnly) {
        std::snprintf(Text, sizeof(Text), "%04d", static_cast<int>(Day.year()));
    } else {
        std::snprintf(Text, sizeof(Text), "%04d%02u%02u", static_cast<int>(Day.year()),
                      static_cast<unsigned>(Day.month()), static_cast<unsigned>(Day.day()));
    }
    return Text;
}

// The UID with a suffix before its "@".
std::string WithSuffix(const std::string& Uid, const std::string& Suffix) {
    const std::size_t At = Uid.rfind('@');
    return At == std::string::npos ? Uid + Suffix : Uid.substr(0, At) + Suffix + Uid.substr(At);
}

// One event of the note on Day; Minute is its time (-1 for none), the anchor day's.
void AddOne(TIcalFeed& Feed, const TNote& Note, TNoteDay Day, int Minute, const std::string& Uid,
            const std::string& Rule, const std::string& LunarRule) {
    std::vector<std::pair<std::string, std::string>> Extra;
    if (!LunarRule.empty()) {
        Extra.emplace_back(LunarRepeatProperty, LunarRule);
    }
    const int Year = static_cast<int>(Day.year());
    const int Month = static_cast<int>(unsigned(Day.month()));
    const int DayOfMonth = static_cast<int>(unsigned(Day.day()));
    if (Minute >= 0) {
        TTimedEvent Event;
        Event.Uid = Uid;
        Event.Start = EncodeDateTime(Year, Month, DayOfMonth, Minute / 60, Minute % 60, 0);
        Event.Summary = Note.Title;
        Event.Description = Note.Content;
        Event.Alarm = Note.Remind.On();
        Event.AlarmBefore = Note.Advance.Minutes();
        Event.RepeatRule = Rule;
        Event.Extra = std::move(Extra);
        Feed.Add(Event);
    } else {
        TAllDayEvent Event;
        Event.Uid = Uid;
        Event.Year = Year;
        Event.Month = Month;
        Event.Day = DayOfMonth;
        Event.Summary = Note.Title;
        Event.Category = "便签";
        Event.Description = Note.Content;
        Event.RepeatRule = Rule;
        Event.Extra = std::move(Extra);
        Feed.Add(Event);
    }
}

} // namespace

std::string RepeatRule(const TRepeat& Repeat, TNoteDay Anchor) {
    const unsigned Day = static_cast<unsigned>(Anchor.day());
    switch (Repeat.Rule()) {
    case TRule::Daily:
        return "FREQ=DAILY";
    case TRule::Weekly:
        return "FREQ=WEEKLY";
    case TRule::Monthly:
        if (Day == 31) {
            return "FREQ=MONTHLY;BYMONTHDAY=-1";
        }
        if (Day >= 29) {
            return Day == 29 ? "FREQ=MONTHLY;BYMONTHDAY=28,29;BYSETPOS=-1"
                             : "FREQ=MONTHLY;BYMONTHDAY=28,29,30;BYSETPOS=-1";
        }
        return "FREQ=MONTHLY;BYMONTHDAY=" + std::to_string(Day);
    case TRule::Yearly:
        if (Anchor.month() == February && Day == 29) {
            return "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=28,29;BYSETPOS=-1";
        }
        return "FREQ=YEARLY";
    default:
        return {};
    }
}

void AddNoteEvents(TIcalFeed& Feed, const TNote& Note, TNoteDay Anchor, const std::string& Uid) {
    const TRule Rule = Note.Repeat.Rule();
    const int Minute = MinuteOfDay(Note.When, Anchor);
    if (Rule != TRule::LunarMonthly && Rule != TRule::LunarYearly) {
        AddOne(Feed, Note, Anchor, Minute, Uid, RepeatRule(Note.Repeat, Anchor), {});
        return;
    }
    const bool Yearly = Rule == TRule::LunarYearly;
    const std::string LunarRule = Note.Repeat.Text();
    AddOne(Feed, Note, Anchor, Minute, WithSuffix(Uid, "-" + Digits(Anchor, Yearly)), {},
           LunarRule);
    for (const TNoteDay Day : LunarRepeatDays(Note.Repeat, Anchor)) {
        AddOne(Feed, Note, Day, Minute, WithSuffix(Uid, "-" + Digits(Day, Yearly)), {}, LunarRule);
    }
}

std::string TNoteUids::UidOf(const TNote& Note, TNoteDay Anchor) {
    const std::string Base =
        Note.Id.empty() ? "note-" + Digits(Anchor, false) + "-" + HexOf(Note.Title) + UidDomain
                        : Note.Id + UidDomain;
    std::string Uid = Base;
    for (int Again = 2; !FGiven.insert(Uid).second; ++Again) {
        Uid = WithSuffix(Base, "-" + std::to_string(Again));
    }
    return Uid;
}

} // namespace notes::ical
