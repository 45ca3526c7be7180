// The iCalendar feeds read back with libical: the events of a year and their dates, stable
// UIDs, and the notes as timed events with alarms or as all-day events.

#include "RuxaCalFixture.h"

#include <libical/ical.h>

#include <map>
#include <memory>
#include <set>

namespace {

struct TEvent {
    std::string Uid, Summary, Category, Start, End, Zone;
    bool AllDay = false;
    bool Transparent = false;
    bool Stamped = false;
    int Alarms = 0;
};

std::string DateText(icaltimetype Time) {
    char Text[32];
    std::snprintf(Text, sizeof Text, "%04d-%02d-%02d", Time.year, Time.month, Time.day);
    std::string Result = Text;
    if (!Time.is_date) {
        std::snprintf(Text, sizeof Text, " %02d:%02d", Time.hour, Time.minute);
        Result += Text;
    }
    return Result;
}

std::string TextOf(icalcomponent* Event, icalproperty_kind Kind) {
    icalproperty* Property = icalcomponent_get_first_property(Event, Kind);
    return Property != nullptr ? icalproperty_get_value_as_string(Property) : "";
}

std::string TzidOf(icalcomponent* Event) {
    icalproperty* Start = icalcomponent_get_first_property(Event, ICAL_DTSTART_PROPERTY);
    icalparameter* Tzid = icalproperty_get_first_parameter(Start, ICAL_TZID_PARAMETER);
    return Tzid != nullptr ? icalparameter_get_tzid(Tzid) : "";
}

// Every event of a feed; an empty list when libical does not read it as one calendar.
std::vector<TEvent> EventsOf(const std::string& Feed) {
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> Calendar(
        icalparser_parse_string(Feed.c_str()), icalcomponent_free);
    std::vector<TEvent> Events;
    if (!Calendar || icalcomponent_isa(Calendar.get()) != ICAL_VCALENDAR_COMPONENT ||
        icalcomponent_count_errors(Calendar.get()) != 0) {
        ADD_FAILURE() << "libical does not read the feed";
        return Events;
    }
    for (icalcomponent* Event =
             icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT);
         Event != nullptr;
         Event = icalcomponent_get_next_component(Calendar.get(), ICAL_VEVENT_COMPONENT)) {
        TEvent Read;
        Read.Uid = icalcomponent_get_uid(Event);
        Read.Summary = icalcomponent_get_summary(Event);
        Read.Category = TextOf(Event, ICAL_CATEGORIES_PROPERTY);
        Read.Start = DateText(icalcomponent_get_dtstart(Event));
        Read.End = DateText(icalcomponent_get_dtend(Event));
        Read.AllDay = icalcomponent_get_dtstart(Event).is_date != 0;
        Read.Zone = TzidOf(Event);
        Read.Transparent = TextOf(Event, ICAL_TRANSP_PROPERTY) == "TRANSPARENT";
        Read.Stamped = !icaltime_is_null_time(icalcomponent_get_dtstamp(Event));
        Read.Alarms = icalcomponent_count_components(Event, ICAL_VALARM_COMPONENT);
        Events.push_back(Read);
    }
    return Events;
}

// Days of 2024 of a kind in the reference table.
int ReferenceDays(const std::string& Kind) {
    std::ifstream In(std::string(RUXA_REFERENCE_DIR) + "/holidays.csv");
    int Count = 0;
    for (std::string Line; std::getline(In, Line);) {
        Count += Line.starts_with("2024-") && Line.find("," + Kind + ",") != std::string::npos;
    }
    return Count;
}

} // namespace

TEST_F(RuxaCalTest, YearFeedHoldsTermsFestivalsHolidaysAndLunarDays) {
    const TCalRun Run = this->Run({"--ics", "2024-01-01", "2024-12-31", "--lunar-days"});
    ASSERT_EQ(Run.Status, 0) << Run.Err;
    const std::vector<TEvent> Events = EventsOf(Run.Out);
    std::map<std::string, int> Categories;
    std::set<std::string> Uids;
    std::map<std::string, std::string> Festivals; // summary -> date
    for (const TEvent& Event : Events) {
        ++Categories[Event.Category];
        EXPECT_TRUE(Uids.insert(Event.Uid).second) << Event.Uid;
        EXPECT_TRUE(Event.AllDay && Event.Transparent && Event.Stamped) << Event.Uid;
        EXPECT_TRUE(Event.Start.starts_with("2024-")) << Event.Uid;
        if (Event.Category == "传统节日") {
            Festivals[Event.Summary] = Event.Start;
        }
    }
    EXPECT_EQ(Categories["节气"], 24);
    // Lunar 2024 from 春节 to 下元节 with 清明节 and 寒食节, and the end of lunar 2023.
    EXPECT_EQ(Categories["传统节日"], 16);
    EXPECT_EQ(Categories["休"], ReferenceDays("休"));
    EXPECT_EQ(Categories["班"], ReferenceDays("班"));
    EXPECT_EQ(Categories["农历"], 366);
    EXPECT_EQ(Festivals["春节"], "2024-02-10");
    EXPECT_EQ(Festivals["除夕"], "2024-02-09");
    EXPECT_EQ(Festivals["中秋节"], "2024-09-17");
    EXPECT_EQ(Festivals["寒食节"], "2024-04-03");
    EXPECT_EQ(Festivals.count("腊八节"), 1U);

    const auto WorkDay = std::find_if(Events.begin(), Events.end(),
                                      [](const TEvent& Event) { return Event.Category == "班"; });
    ASSERT_NE(WorkDay, Events.end());
    EXPECT_EQ(WorkDay->Start, "2024-02-04");
    EXPECT_EQ(WorkDay->End, "2024-02-05");
    EXPECT_EQ(WorkDay->Summary, "班 春节（调休上班）");
}

TEST_F(RuxaCalTest, UidsStayTheSameWhenTheFeedIsMadeAgain) {
    const auto Uids = [this] {
        std::vector<std::string> All;
        for (const TEvent& Event : EventsOf(Run({"--ics", "2024-02-01", "2024-02-29"}).Out)) {
            All.push_back(Event.Uid);
        }
        return All;
    };
    const std::vector<std::string> First = Uids();
    Surroundings.Now = EncodeDateTime(2025, 7, 1, 18, 0, 0);
    EXPECT_EQ(Uids(), First);
    EXPECT_FALSE(First.empty());
}

TEST_F(RuxaCalTest, NotesFeedHasTimedEventsWithAlarmsAndAllDayEvents) {
    WriteNotes("<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>"
               "<Date2000-01-01><标题>测试</标题><日期>2000-01-01</日期><提醒>是</提醒>"
               "<内容>千禧年</内容></Date2000-01-01>"
               "<Date2024-05-01><标题>开会</标题><日期>2024-05-01 14:00</日期><提醒>是</提醒>"
               "<内容>三楼</内容><标题>午饭</标题><日期>2024-05-01 12:00</日期>"
               "<提醒>否</提醒><内容/><标题>买菜</标题><日期></日期><提醒>否</提醒>"
               "<内容>西红柿</内容></Date2024-05-01></便签列表>");
    const std::vector<TEvent> Events = EventsOf(Run({"--notes-ics"}).Out);
    ASSERT_EQ(Events.size(), 3U) << "the sample note stays out";
    EXPECT_EQ(Events[0].Summary, "开会");
    EXPECT_EQ(Events[0].Start, "2024-05-01 14:00");
    EXPECT_EQ(Events[0].Zone, "Asia/Shanghai");
    EXPECT_EQ(Events[0].Alarms, 1);
    EXPECT_FALSE(Events[0].AllDay);
    EXPECT_EQ(Events[1].Summary, "午饭");
    EXPECT_EQ(Events[1].Alarms, 0);
    EXPECT_EQ(Events[2].Summary, "买菜");
    EXPECT_TRUE(Events[2].AllDay && Events[2].Transparent);
    EXPECT_EQ(Events[2].Start, "2024-05-01");
    EXPECT_NE(Events[0].Uid, Events[1].Uid);

    // A zone libical does not know: the times stay local times without a zone.
    Surroundings.ZoneName = "Nowhere/Atlantis";
    const std::vector<TEvent> Floating = EventsOf(Run({"--notes-ics"}).Out);
    ASSERT_EQ(Floating.size(), 3U);
    EXPECT_EQ(Floating[0].Start, "2024-05-01 14:00");
    EXPECT_EQ(Floating[0].Zone, "");
}

TEST_F(RuxaCalTest, LongAndPunctuatedNoteTextsComeBackWhole) {
    // Lines are folded at 75 bytes; a folded Chinese text, commas and semicolons survive.
    std::string Title;
    for (int I = 0; I < 12; ++I) {
        Title += "很长的标题";
    }
    const std::string Content = Title + "，一, 二; 三\\四";
    WriteNotes("<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表><Date2024-05-01><标题>" +
               Title + "</标题><日期></日期><提醒>否</提醒><内容>" + Content +
               "</内容></Date2024-05-01></便签列表>");
    const std::string Feed = Run({"--notes-ics"}).Out;
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> Calendar(
        icalparser_parse_string(Feed.c_str()), icalcomponent_free);
    ASSERT_TRUE(Calendar);
    icalcomponent* Event = icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT);
    ASSERT_NE(Event, nullptr);
    EXPECT_EQ(std::string(icalcomponent_get_summary(Event)), Title);
    EXPECT_EQ(std::string(icalcomponent_get_description(Event)), Content);
}

TEST_F(RuxaCalTest, NotesFeedTakesElementsNamedAsDaysEachDayOnce) {
    WriteNotes("<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>"
               "<Date2024-02-30><标题>no such date</标题></Date2024-02-30>"
               "<Datum><标题>no day</标题></Datum>"
               "<Date2024-05-01x><标题>longer name</标题></Date2024-05-01x>"
               "<Date2024-05-01><标题>a</标题></Date2024-05-01>"
               "<Date2024-05-02><标题>b</标题></Date2024-05-02>"
               "<Date2024-05-01><标题>c</标题></Date2024-05-01></便签列表>");
    std::vector<std::string> Summaries;
    for (const TEvent& Event : EventsOf(Run({"--notes-ics"}).Out)) {
        Summaries.push_back(Event.Summary);
    }
    EXPECT_EQ(Summaries, (std::vector<std::string>{"a", "c", "b"}));
}
