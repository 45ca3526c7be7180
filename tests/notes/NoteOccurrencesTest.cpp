// Which notes fall on which days, against the official lunar months of
// shared/reference/lunar-months.csv for the lunar rules (as far as it reaches) and against
// plain date arithmetic for the Gregorian ones.

#include "notes/NoteOccurrences.h"
#include "calendar/DayDetails.h"

#include "NotesFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;
using notes::TNoteDay;
using TRule = notes::TRepeat::TRule;

TNoteDay DayOf(int Year, unsigned Month, unsigned Day) {
    return TNoteDay{year{Year}, month{Month}, day{Day}};
}

std::string Text(TNoteDay Day) {
    return notes::DayName(Day).substr(4);
}

// One lunar month of the reference: its first day, number, leap flag and length.
struct TLunarMonth {
    TNoteDay First;
    int Year = 0;
    int Month = 0;
    bool Leap = false;
    int Days = 0;
};

std::vector<TLunarMonth> ReferenceMonths() {
    std::ifstream File(RUXA_REFERENCE_DIR "/lunar-months.csv");
    std::vector<TLunarMonth> Months;
    std::string Line;
    std::getline(File, Line);
    while (std::getline(File, Line)) {
        std::replace(Line.begin(), Line.end(), ',', ' ');
        std::replace(Line.begin(), Line.end(), '-', ' ');
        std::istringstream Fields(Line);
        int Y, M, D, Leap;
        TLunarMonth Month;
        Fields >> Y >> M >> D >> Month.Year >> Month.Month >> Leap >> Month.Days;
        Month.First = DayOf(Y, static_cast<unsigned>(M), static_cast<unsigned>(D));
        Month.Leap = Leap != 0;
        Months.push_back(Month);
    }
    return Months;
}

const TNoteDay FirstDay = DayOf(FirstSupportedYear, 1, 1);
const TNoteDay LastDay = DayOf(LastSupportedYear, 12, 31);

// The first and the last day the reference describes.
TNoteDay ReferenceStart(const std::vector<TLunarMonth>& Months) {
    return Months.front().First;
}
TNoteDay ReferenceEnd(const std::vector<TLunarMonth>& Months) {
    return TNoteDay{sys_days(Months.back().First) + days(Months.back().Days - 1)};
}

// The days from the reference on which a lunar note anchored on Anchor comes, up to the
// reference's last day: in every month the rule selects, the anchor's lunar day (or the last
// day of a shorter month). An anchor before the reference's months takes its lunar date from
// the engine.
std::set<std::string> LunarExpectation(const std::vector<TLunarMonth>& Months, TRule Rule,
                                       TNoteDay Anchor) {
    TLunarMonth Home;
    int AnchorDay = 0;
    for (const TLunarMonth& Month : Months) {
        const int Offset = (sys_days(Anchor) - sys_days(Month.First)).count();
        if (Offset >= 0 && Offset < Month.Days) {
            Home = Month;
            AnchorDay = Offset + 1;
        }
    }
    if (AnchorDay == 0) {
        TLunarDate Lunar;
        EXPECT_TRUE(SolarToLunarDate(static_cast<int>(Anchor.year()),
                                     static_cast<int>(unsigned(Anchor.month())),
                                     static_cast<int>(unsigned(Anchor.day())), Lunar));
        Home.Month = Lunar.Month;
        Home.Leap = Lunar.Leap;
        AnchorDay = Lunar.Day;
    }
    std::set<int> YearsWithLeap;
    for (const TLunarMonth& Month : Months) {
        if (Month.Leap && Month.Month == Home.Month) {
            YearsWithLeap.insert(Month.Year);
        }
    }
    std::set<std::string> Days;
    if (Anchor >= ReferenceStart(Months) && Anchor <= ReferenceEnd(Months)) {
        Days.insert(Text(Anchor));
    }
    for (const TLunarMonth& Month : Months) {
        bool Selected = Rule == TRule::LunarMonthly;
        if (Rule == TRule::LunarYearly && Month.Month == Home.Month) {
            Selected = Home.Leap ? Month.Leap == YearsWithLeap.contains(Month.Year) : !Month.Leap;
        }
        const TNoteDay Day{sys_days(Month.First) + days(std::min(AnchorDay, Month.Days) - 1)};
        if (Selected && Day > Anchor) {
            Days.insert(Text(Day));
        }
    }
    return Days;
}

// The days from the Gregorian rules by plain arithmetic, from Anchor up to Until.
std::set<std::string> GregorianExpectation(TRule Rule, TNoteDay Anchor, TNoteDay Until) {
    std::set<std::string> Days;
    for (sys_days Day = sys_days(Anchor); Day <= sys_days(Until); Day += days(1)) {
        const TNoteDay Date{Day};
        const unsigned Last = static_cast<unsigned>((Date.year() / Date.month() / last).day());
        const unsigned Wanted = std::min(static_cast<unsigned>(Anchor.day()), Last);
        const bool MonthDay = static_cast<unsigned>(Date.day()) == Wanted;
        if ((Rule == TRule::Daily) ||
            (Rule == TRule::Weekly && (Day - sys_days(Anchor)).count() % 7 == 0) ||
            (Rule == TRule::Monthly && MonthDay) ||
            (Rule == TRule::Yearly && Date.month() == Anchor.month() && MonthDay)) {
            Days.insert(Text(Date));
        }
    }
    return Days;
}

struct TCase {
    const char* What;
    TNoteDay Anchor;
    TRule Rule;
    TNoteDay Until; // the last day compared
};

} // namespace

TEST(NoteOccurrences, EveryRuleGivesItsDaysAndNoOthers) {
    const std::vector<TLunarMonth> Months = ReferenceMonths();
    ASSERT_FALSE(Months.empty()) << "lunar-months.csv (shared/reference beside the repository)";
    const TCase Cases[] = {
        {"每年农历 from 闰四月初八 2020", DayOf(2020, 5, 30), TRule::LunarYearly, LastDay},
        {"每年农历 from 腊月三十 2023-01-21", DayOf(2023, 1, 21), TRule::LunarYearly, LastDay},
        {"每年农历 from an ordinary month that has a leap month after it", DayOf(2020, 4, 30),
         TRule::LunarYearly, LastDay},
        {"每月农历 on 初一", DayOf(2024, 2, 10), TRule::LunarMonthly, LastDay},
        {"每月农历 on 三十", DayOf(2024, 2, 9), TRule::LunarMonthly, LastDay},
        {"每年农历 from the engine's first day", FirstDay, TRule::LunarYearly, LastDay},
        {"每月农历 on the engine's last day", LastDay, TRule::LunarMonthly, LastDay},
        {"每年 on 02-29", DayOf(2024, 2, 29), TRule::Yearly, LastDay},
        {"每月 on the 31st", DayOf(2024, 1, 31), TRule::Monthly, DayOf(2030, 12, 31)},
        {"每月 on the 30th", DayOf(2023, 11, 30), TRule::Monthly, DayOf(2026, 12, 31)},
        {"每周", DayOf(2024, 5, 1), TRule::Weekly, DayOf(2026, 12, 31)},
        {"每天", DayOf(2024, 5, 1), TRule::Daily, DayOf(2024, 8, 31)},
        {"每天 from the engine's last day", LastDay, TRule::Daily, LastDay},
        {"每年 from the engine's first day", FirstDay, TRule::Yearly, LastDay},
    };
    std::string Days;
    const TNoteDay Start = ReferenceStart(Months);
    const TNoteDay End = ReferenceEnd(Months);
    for (const TCase& Case : Cases) {
        const notes::TNote Note{Case.What, Text(Case.Anchor) + " 09:30", true, "", Case.Rule};
        Days += DayElement(Text(Case.Anchor),
                           NoteElements(Case.What, Text(Case.Anchor) + " 09:30", "是", "") +
                               "<重复>" + Note.Repeat.Text() + "</重复>");
    }
    notes::TNotesIndex Index;
    ASSERT_TRUE(Index.Build(NotesDocument(Days)));
    ASSERT_EQ(Index.RepeatingCount(), std::size(Cases));

    std::map<std::string, std::set<std::string>> Found;
    for (const notes::TOccurrence& Occurrence : Index.Between(FirstDay, LastDay)) {
        Found[Occurrence.Note.Title].insert(Text(Occurrence.Day));
        EXPECT_EQ(Occurrence.When, Text(Occurrence.Day) + " 09:30");
        EXPECT_EQ(Occurrence.Minute, 9 * 60 + 30);
    }
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.What);
        const bool Lunar = Case.Rule == TRule::LunarMonthly || Case.Rule == TRule::LunarYearly;
        const std::set<std::string> Expected =
            Lunar ? LunarExpectation(Months, Case.Rule, Case.Anchor)
                  : GregorianExpectation(Case.Rule, Case.Anchor, Case.Until);
        // Lunar rules as far as the reference reaches.
        const std::string From = Lunar ? Text(Start) : std::string();
        const std::string To = Text(Lunar ? std::min(End, Case.Until) : Case.Until);
        std::set<std::string> Got;
        for (const std::string& Day : Found[Case.What]) {
            if (Day >= From && Day <= To) {
                Got.insert(Day);
            }
        }
        EXPECT_EQ(Got, Expected);
        if (Case.Anchor < End) {
            EXPECT_GT(Expected.size(), 1U) << "the case shows a repeat";
        }
    }
}

TEST(NoteOccurrences, TheLunarRulesBendAsTheIssueStates) {
    // Spot checks of the table above that name the days, for a reader of this file.
    const struct {
        TNoteDay Anchor;
        TRule Rule;
        TNoteDay Day;
        bool Falls;
    } Cases[] = {
        // 闰四月初八 2020: 2023 has a 闰二月 only, so the ordinary 四月初八 (2023-05-26).
        {DayOf(2020, 5, 30), TRule::LunarYearly, DayOf(2023, 5, 26), true},
        // 2039 has a 闰五月, not a 闰四月: 四月初八 2039-04-30.
        {DayOf(2020, 5, 30), TRule::LunarYearly, DayOf(2039, 4, 30), true},
        // An ordinary 四月初八 2020 (2020-04-30) does not come in that year's 闰四月.
        {DayOf(2020, 4, 30), TRule::LunarYearly, DayOf(2020, 5, 30), false},
        // 腊月三十 2023-01-21: 2024's 腊月 has 29 days, 廿九 is 2024-02-09.
        {DayOf(2023, 1, 21), TRule::LunarYearly, DayOf(2024, 2, 9), true},
        {DayOf(2024, 1, 31), TRule::Monthly, DayOf(2024, 2, 29), true},
        {DayOf(2024, 1, 31), TRule::Monthly, DayOf(2024, 4, 30), true},
        {DayOf(2024, 2, 29), TRule::Yearly, DayOf(2025, 2, 28), true},
        {DayOf(2024, 2, 29), TRule::Yearly, DayOf(2028, 2, 28), false},
        {DayOf(2024, 5, 1), TRule::Weekly, DayOf(2024, 4, 24), false},
        {DayOf(2024, 5, 1), TRule::None, DayOf(2024, 5, 1), true},
        {DayOf(2024, 5, 1), TRule::None, DayOf(2025, 5, 1), false},
    };
    for (const auto& Case : Cases) {
        EXPECT_EQ(notes::FallsOn(Case.Rule, Case.Anchor, Case.Day), Case.Falls)
            << Text(Case.Anchor) << " " << notes::TRepeat(Case.Rule).Text() << " on "
            << Text(Case.Day);
    }
}

TEST(NoteOccurrences, ADayListsItsOwnNotesThenTheRepeatsThatLandOnIt) {
    const std::string Days =
        DayElement("2024-02-10", NoteElements("春节", "2024-02-10", "否", "") +
                                     "<重复>每年农历</重复><标识>aa</标识>") +
        DayElement("2025-01-29", NoteElements("拜年", "2025-01-29 10:00", "是", "") +
                                     NoteElements("未知", "", "否", "") + "<重复>隔天</重复>") +
        DayElement("2024-01-01", NoteElements("周会", "2024-01-01 09:00", "是", "") +
                                     "<重复>每周</重复><提前>15</提前>") +
        DayElement("2000-01-01", NoteElements("测试", "2000-01-01", "是", "千禧年")) +
        DayElement("not-a-day", NoteElements("x", "", "否", "") + "<重复>每天</重复>");
    notes::TNotesIndex Index;
    ASSERT_TRUE(Index.Build(NotesDocument(Days)));
    // 2025-01-29 is 正月初一 and a Wednesday; 2024-01-01 was a Monday.
    const notes::TOccurrences Spring = Index.On(DayOf(2025, 1, 29));
    std::vector<std::string> Titles;
    for (const notes::TOccurrence& Occurrence : Spring) {
        Titles.push_back(Occurrence.Note.Title + "@" + Occurrence.When);
    }
    EXPECT_EQ(Titles,
              (std::vector<std::string>{"拜年@2025-01-29 10:00", "未知@", "春节@2025-01-29"}));
    EXPECT_EQ(Spring.back().Anchor, DayOf(2024, 2, 10));
    EXPECT_EQ(Spring.back().Note.Id, "aa");
    EXPECT_FALSE(Spring.back().Timed());
    EXPECT_EQ(Spring[1].Note.Repeat.Text(), "隔天");

    EXPECT_TRUE(Index.AnyOn(DayOf(2024, 1, 8)));
    EXPECT_FALSE(Index.AnyOn(DayOf(2024, 1, 9)));
    EXPECT_FALSE(Index.AnyOn(DayOf(2023, 12, 25)));
    EXPECT_TRUE(Index.On(DayOf(2000, 1, 1)).empty());
    EXPECT_EQ(Index.On(DayOf(2000, 1, 1), true).size(), 1U);
    EXPECT_FALSE(Index.AnyOn(DayOf(2000, 1, 1)));
}
