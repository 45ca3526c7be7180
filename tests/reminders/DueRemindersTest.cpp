#include "notes/DueReminders.h"
#include "notes/NoteOccurrences.h"

#include "calendar/UDateTime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using notes::TDueReminder;
using notes::TNoteAlarm;

// "yyyy-mm-dd hh:nn:ss" read back into the minute text a tick at that time compares with.
std::string MinuteAt(const char* Time) {
    int Year, Month, Day, Hour, Minute, Second;
    EXPECT_EQ(std::sscanf(Time, "%d-%d-%d %d:%d:%d", &Year, &Month, &Day, &Hour, &Minute, &Second),
              6);
    return FormatDateTime("yyyy-mm-dd hh:nn",
                          EncodeDateTime(Year, Month, Day, Hour, Minute, Second));
}

struct TStep {
    const char* At;
    bool AlarmsOn;
    std::vector<TDueReminder> Due;
};

struct TCase {
    const char* Name;
    std::vector<TNoteAlarm> Alarms;
    std::vector<TStep> Ticks;
};

constexpr TDueReminder Comes(int Alarm) {
    return {Alarm, true};
}
constexpr TDueReminder Again(int Alarm) {
    return {Alarm, false};
}

// A reminder at its own minute, as a note without advance gives it.
TNoteAlarm At(const char* Title, const char* When) {
    return {When, When, notes::TNote{Title, When, true, ""}};
}

const TNoteAlarm Meeting = At("开会", "2024-05-01 14:00");

} // namespace

TEST(DueRemindersTest, EachReminderComesInItsMinuteOrOnceAfterTheGapThatSkippedIt) {
    const TCase Cases[] = {
        {"a suspend over 14:00 fires it once at resume",
         {Meeting},
         {{"2024-05-01 13:58:30", true, {}},
          {"2024-05-01 14:05:10", true, {Comes(0)}},
          {"2024-05-01 14:05:11", true, {}}}},
        {"a tick a minute later fires nothing early; the minute itself fires at every tick",
         {Meeting},
         {{"2024-05-01 13:58:30", true, {}},
          {"2024-05-01 13:59:30", true, {}},
          {"2024-05-01 14:00:00", true, {Comes(0)}},
          {"2024-05-01 14:00:59", true, {Again(0)}},
          {"2024-05-01 14:01:00", true, {}}}},
        {"one gap catches up every skipped minute, only those, and no malformed time; untitled "
         "notes remind, two alike twice",
         {Meeting, At("汇报", "2024-05-01 14:03"), At("下班", "2024-05-01 18:00"),
          At("残缺", "2024-05-01 14:0"), At("", "2024-05-01 14:01"), At("", "2024-05-01 14:01")},
         {{"2024-05-01 13:58:59", true, {}},
          {"2024-05-01 14:05:00", true, {Comes(0), Comes(1), Comes(4), Comes(5)}},
          {"2024-05-01 18:00:00", true, {Comes(2)}}}},
        {"just over a minute between two ticks skips the minute between them",
         {At("交接", "2024-05-01 13:59")},
         {{"2024-05-01 13:58:59", true, {}}, {"2024-05-01 14:00:00", true, {Comes(0)}}}},
        {"a gap across midnight fires neither yesterday's nor the new day's skipped reminders",
         {At("夜读", "2024-05-01 23:59"), At("早会", "2024-05-02 00:02"),
          At("晨练", "2024-05-02 08:00")},
         {{"2024-05-01 23:58:30", true, {}},
          {"2024-05-02 09:30:00", true, {}},
          {"2024-05-02 09:31:00", true, {}}}},
        {"a clock set back fires nothing again",
         {Meeting},
         {{"2024-05-01 14:00:10", true, {Comes(0)}},
          {"2024-05-01 14:03:00", true, {}},
          {"2024-05-01 13:59:00", true, {}},
          {"2024-05-01 14:00:05", true, {}},
          {"2024-05-01 14:10:00", true, {}}}},
        {"a clock set back within the minute goes on firing it",
         {Meeting},
         {{"2024-05-01 14:00:40", true, {Comes(0)}}, {"2024-05-01 14:00:10", true, {Again(0)}}}},
        {"minutes that passed with reminders off are not caught up",
         {Meeting},
         {{"2024-05-01 13:58:30", true, {}},
          {"2024-05-01 14:00:30", false, {}},
          {"2024-05-01 14:05:10", true, {}}}},
        {"the first tick of the run catches nothing up",
         {Meeting},
         {{"2024-05-01 15:00:00", true, {}}}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        notes::TDueReminders Reminders;
        for (const TStep& Step : Case.Ticks) {
            const std::vector<TNoteAlarm> None;
            EXPECT_EQ(Reminders.Tick(MinuteAt(Step.At), Step.AlarmsOn ? Case.Alarms : None),
                      Step.Due)
                << Step.At;
        }
    }
}

// Today's reminders from a notes file (one-off and repeating notes, with advances) through the
// ticks of a day: which titles come at which tick.
TEST(DueRemindersTest, RepeatingNotesAndAdvancesComeAtTheirMinute) {
    const auto Note = [](const char* Day, const char* Title, const char* When, const char* Remind,
                         const char* Extra) {
        return std::string("<Date") + Day + "><标题>" + Title + "</标题><日期>" + When +
               "</日期><提醒>" + Remind + "</提醒><内容/>" + Extra + "</Date" + Day + ">";
    };
    const std::string File =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>" +
        Note("2024-01-01", "周会", "2024-01-01 14:00", "是", "<重复>每周</重复>") +
        Note("2023-05-02", "生日", "2023-05-02 09:00", "是", "<重复>每年</重复><提前>1440</提前>") +
        Note("2024-05-01", "提前一小时", "2024-05-01 16:00", "是", "<提前>60</提前>") +
        Note("2024-04-30", "午夜", "2024-04-30 00:10", "是", "<重复>每天</重复><提前>20</提前>") +
        Note("2024-03-01", "关了", "2024-03-01 14:00", "否", "<重复>每天</重复>") +
        Note("2024-05-08", "下周", "2024-05-08 08:00", "是", "<提前>10080</提前>") +
        Note("2024-05-01", "", "2024-05-01 17:00", "是", "") + "</便签列表>";
    notes::TNotesIndex Index;
    ASSERT_TRUE(Index.Build(File));
    // 2024-01-01 was a Monday, so 周会 falls on Mondays, not on Wednesday 2024-05-01.
    const notes::TNoteAlarms Alarms = Index.AlarmsOn(
        notes::TNoteDay{std::chrono::year{2024}, std::chrono::month{5}, std::chrono::day{1}});
    std::vector<std::string> Seen;
    for (const notes::TNoteAlarm& Alarm : Alarms) {
        Seen.push_back(Alarm.Minute + " " + Alarm.Note.Title + " @" + Alarm.When);
    }
    EXPECT_EQ(Seen, (std::vector<std::string>{
                        "2024-05-01 08:00 下周 @2024-05-08 08:00",
                        "2024-05-01 09:00 生日 @2024-05-02 09:00",
                        "2024-05-01 15:00 提前一小时 @2024-05-01 16:00",
                        "2024-05-01 17:00  @2024-05-01 17:00",
                        "2024-05-01 23:50 午夜 @2024-05-02 00:10",
                    }));

    notes::TDueReminders Reminders;
    const auto TitlesAt = [&](const char* Time) {
        std::vector<std::string> Titles;
        for (const TDueReminder& Due : Reminders.Tick(MinuteAt(Time), Alarms)) {
            Titles.push_back(Alarms[static_cast<std::size_t>(Due.Alarm)].Note.Title +
                             (Due.First ? "" : " again"));
        }
        return Titles;
    };
    using TTitles = std::vector<std::string>;
    EXPECT_EQ(TitlesAt("2024-05-01 08:00:01"), TTitles{"下周"});
    EXPECT_EQ(TitlesAt("2024-05-01 08:00:02"), TTitles{"下周 again"});
    EXPECT_EQ(TitlesAt("2024-05-01 08:59:59"), TTitles{});
    EXPECT_EQ(TitlesAt("2024-05-01 09:00:00"), TTitles{"生日"});
    EXPECT_EQ(TitlesAt("2024-05-01 14:00:00"), TTitles{});
    // A suspend over 15:00 and 17:00: both come once at the resume.
    EXPECT_EQ(TitlesAt("2024-05-01 17:30:00"), (TTitles{"提前一小时", ""}));
    EXPECT_EQ(TitlesAt("2024-05-01 23:50:30"), TTitles{"午夜"});
}
