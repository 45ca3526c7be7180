#include "notes/DueReminders.h"

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
    std::vector<TNoteAlarm> Slots;
    std::vector<TStep> Ticks;
};

constexpr TDueReminder Comes(int Slot) {
    return {Slot, true};
}
constexpr TDueReminder Again(int Slot) {
    return {Slot, false};
}

const TNoteAlarm Meeting{"开会", "2024-05-01 14:00"};

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
        {"one gap catches up every skipped minute, only those, and no malformed time",
         {Meeting,
          {"汇报", "2024-05-01 14:03"},
          {"下班", "2024-05-01 18:00"},
          {"残缺", "2024-05-01 14:0"},
          {"", "2024-05-01 14:01"}},
         {{"2024-05-01 13:58:59", true, {}},
          {"2024-05-01 14:05:00", true, {Comes(0), Comes(1)}},
          {"2024-05-01 18:00:00", true, {Comes(2)}}}},
        {"just over a minute between two ticks skips the minute between them",
         {{"交接", "2024-05-01 13:59"}},
         {{"2024-05-01 13:58:59", true, {}}, {"2024-05-01 14:00:00", true, {Comes(0)}}}},
        {"a gap across midnight fires neither yesterday's nor the new day's skipped reminders",
         {{"夜读", "2024-05-01 23:59"}, {"早会", "2024-05-02 00:02"}, {"晨练", "2024-05-02 08:00"}},
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
            EXPECT_EQ(Reminders.Tick(MinuteAt(Step.At), Step.AlarmsOn ? Case.Slots : None),
                      Step.Due)
                << Step.At;
        }
    }
}
