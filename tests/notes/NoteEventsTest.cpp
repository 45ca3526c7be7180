// Notes as iCalendar events: a Gregorian repeat's RRULE, expanded by libical, gives the days
// the notes core gives; a lunar repeat is one event per occurrence with a UID of its own; the
// alarm honours the advance; UIDs stay unique and stable.

#include "notes/ical/NoteEvents.h"
#include "calendar/DayDetails.h"
#include "notes/NoteOccurrences.h"

#include <gtest/gtest.h>

#include <libical/ical.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;
using notes::TNote;
using notes::TNoteDay;
using TRule = notes::TRepeat::TRule;

TNoteDay DayOf(int Year, unsigned Month, unsigned Day) {
    return TNoteDay{year{Year}, month{Month}, day{Day}};
}

std::string Text(TNoteDay Day) {
    return notes::DayName(Day).substr(4);
}

using TCalendar = std::unique_ptr<icalcomponent, void (*)(icalcomponent*)>;

TCalendar Parsed(const std::string& Feed) {
    TCalendar Calendar(icalparser_parse_string(Feed.c_str()), icalcomponent_free);
    EXPECT_TRUE(Calendar && icalcomponent_count_errors(Calendar.get()) == 0) << Feed;
    return Calendar;
}

std::vector<icalcomponent*> EventsOf(const TCalendar& Calendar) {
    std::vector<icalcomponent*> Events;
    for (icalcomponent* Event =
             icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT);
         Event != nullptr;
         Event = icalcomponent_get_next_component(Calendar.get(), ICAL_VEVENT_COMPONENT)) {
        Events.push_back(Event);
    }
    return Events;
}

std::string FeedOf(const TNote& Note, TNoteDay Anchor) {
    TIcalFeed Feed("便签", EncodeDateTime(2024, 5, 1, 9, 0, 0), "Asia/Shanghai");
    notes::ical::AddNoteEvents(Feed, Note, Anchor, "uid@ruxa-calendar");
    return Feed.Text();
}

} // namespace

TEST(NoteEvents, GregorianRulesExpandToTheDaysOfTheNotesCore) {
    const struct {
        TNoteDay Anchor;
        TRule Rule;
    } Cases[] = {
        {DayOf(2024, 1, 31), TRule::Monthly}, {DayOf(2024, 1, 30), TRule::Monthly},
        {DayOf(2024, 1, 29), TRule::Monthly}, {DayOf(2024, 1, 15), TRule::Monthly},
        {DayOf(2024, 2, 29), TRule::Yearly},  {DayOf(2024, 3, 31), TRule::Yearly},
        {DayOf(2024, 5, 1), TRule::Weekly},   {DayOf(2024, 5, 1), TRule::Daily},
    };
    const TNoteDay Until = DayOf(2033, 12, 31);
    for (const auto& Case : Cases) {
        const TNote Note{"n", Text(Case.Anchor) + " 08:00", true, "", Case.Rule};
        SCOPED_TRACE(Text(Case.Anchor) + " " + Note.Repeat.Text());
        const TCalendar Calendar = Parsed(FeedOf(Note, Case.Anchor));
        const std::vector<icalcomponent*> Events = EventsOf(Calendar);
        ASSERT_EQ(Events.size(), 1U);
        const icalproperty* Rule = icalcomponent_get_first_property(Events[0], ICAL_RRULE_PROPERTY);
        ASSERT_NE(Rule, nullptr);
        const icaltimetype Start = icalcomponent_get_dtstart(Events[0]);
        std::set<std::string> Expanded;
        icalrecur_iterator* Iterator = icalrecur_iterator_new(icalproperty_get_rrule(Rule), Start);
        for (icaltimetype Time = icalrecur_iterator_next(Iterator); !icaltime_is_null_time(Time);
             Time = icalrecur_iterator_next(Iterator)) {
            const TNoteDay Day = DayOf(Time.year, static_cast<unsigned>(Time.month),
                                       static_cast<unsigned>(Time.day));
            if (Day > Until) {
                break;
            }
            Expanded.insert(Text(Day));
        }
        icalrecur_iterator_free(Iterator);
        std::set<std::string> Core;
        for (sys_days Day = sys_days(Case.Anchor); Day <= sys_days(Until); Day += days(1)) {
            if (notes::FallsOn(Note.Repeat, Case.Anchor, TNoteDay{Day})) {
                Core.insert(Text(TNoteDay{Day}));
            }
        }
        EXPECT_EQ(Expanded, Core);
    }
}

TEST(NoteEvents, ALunarRepeatIsOneEventPerOccurrenceToTheEnginesLastYear) {
    // 闰四月初八 2020, at 09:30, an hour's advance.
    const TNote Note{"外婆 八十大寿", "2020-05-30 09:30", true, "", TRule::LunarYearly, 60};
    const TCalendar Calendar = Parsed(FeedOf(Note, DayOf(2020, 5, 30)));
    const std::vector<icalcomponent*> Events = EventsOf(Calendar);
    ASSERT_EQ(Events.size(), static_cast<std::size_t>(LastSupportedYear - 2020 + 1));
    std::set<std::string> Uids;
    for (icalcomponent* Event : Events) {
        Uids.insert(icalcomponent_get_uid(Event));
        EXPECT_EQ(icalcomponent_get_first_property(Event, ICAL_RRULE_PROPERTY), nullptr);
        icalproperty* Lunar = icalcomponent_get_first_property(Event, ICAL_X_PROPERTY);
        ASSERT_NE(Lunar, nullptr);
        EXPECT_EQ(std::string(icalproperty_get_x_name(Lunar)), "X-RUXA-LUNAR-REPEAT");
        EXPECT_EQ(std::string(icalproperty_get_x(Lunar)), "每年农历");
        icalcomponent* Alarm = icalcomponent_get_first_component(Event, ICAL_VALARM_COMPONENT);
        ASSERT_NE(Alarm, nullptr);
        const icaltriggertype Trigger = icalproperty_get_trigger(
            icalcomponent_get_first_property(Alarm, ICAL_TRIGGER_PROPERTY));
        EXPECT_EQ(icaldurationtype_as_int(Trigger.duration), -3600);
        EXPECT_EQ(icalcomponent_get_dtstart(Event).hour, 9);
    }
    EXPECT_EQ(Uids.size(), Events.size());
    EXPECT_TRUE(Uids.contains("uid-2020@ruxa-calendar"));
    EXPECT_TRUE(Uids.contains("uid-2021@ruxa-calendar"));
    // 2021's occurrence is the ordinary 四月初八, 2021-05-19.
    EXPECT_EQ(icalcomponent_get_dtstart(Events[1]).month, 5);
    EXPECT_EQ(icalcomponent_get_dtstart(Events[1]).day, 19);

    // 每月农历: a UID per month, by the date.
    const TNote Monthly{"初一", "", false, "", TRule::LunarMonthly};
    const TCalendar Months = Parsed(FeedOf(Monthly, DayOf(2050, 1, 23)));
    const std::vector<icalcomponent*> MonthEvents = EventsOf(Months);
    EXPECT_GE(MonthEvents.size(), 12U);
    EXPECT_EQ(std::string(icalcomponent_get_uid(MonthEvents[0])), "uid-20500123@ruxa-calendar");
    EXPECT_TRUE(icalcomponent_get_dtstart(MonthEvents[0]).is_date);
}

TEST(NoteEvents, UidsAreUniqueAndKeptByTheNote) {
    notes::ical::TNoteUids Uids;
    const TNoteDay Day = DayOf(2024, 5, 1);
    const TNote Untitled{"", "", false, ""};
    const TNote Known{"a", "", false, "", {}, {}, "0123456789abcdef0123456789abcdef"};
    EXPECT_EQ(Uids.UidOf(Untitled, Day), "note-20240501-@ruxa-calendar");
    EXPECT_EQ(Uids.UidOf(Untitled, Day), "note-20240501--2@ruxa-calendar");
    EXPECT_EQ(Uids.UidOf({"开", "", false, ""}, Day), "note-20240501-e5bc80@ruxa-calendar");
    EXPECT_EQ(Uids.UidOf(Known, Day), "0123456789abcdef0123456789abcdef@ruxa-calendar");
    EXPECT_EQ(Uids.UidOf(Known, Day), "0123456789abcdef0123456789abcdef-2@ruxa-calendar");
}

TEST(NoteEvents, ACarriageReturnIsALineBreak) {
    const TCalendar Calendar = Parsed(FeedOf({"A\rB", "", false, "C\r\nD\rE"}, DayOf(2024, 5, 1)));
    const std::vector<icalcomponent*> Events = EventsOf(Calendar);
    ASSERT_EQ(Events.size(), 1U);
    EXPECT_EQ(std::string(icalcomponent_get_summary(Events[0])), "A\nB");
    EXPECT_EQ(std::string(icalcomponent_get_description(Events[0])), "C\nD\nE");
}
