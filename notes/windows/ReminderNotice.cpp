#include "notes/windows/ReminderNotice.h"

#include "calendar/UCalendar.h"
#include "notes/ReminderMoments.h"

#include <algorithm>

namespace {

// "农历" and the lunar month and day of the "yyyy-mm-dd" the text begins with; empty outside
// the engine's range or for a text without a date.
std::string LunarDateOf(const std::string& When) {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    TLunarDate Lunar;
    if (When.size() < 10 || !ReadIsoDate(std::string_view(When).substr(0, 10), Year, Month, Day) ||
        !SolarToLunarDate(Year, Month, Day, Lunar)) {
        return {};
    }
    return "农历" + std::string(Lunar.Leap ? "闰" : "") + LunarMonthName(Lunar.Month, true) +
           LunarDayName(Lunar.Day);
}

} // namespace

std::string ReminderBody(const notes::TReminderMoment& Reminder,
                         std::span<const notes::TNoteAlarm> Today) {
    std::string Body = Reminder.Occurrence;
    const bool LunarYearly = std::any_of(Today.begin(), Today.end(), [&](const auto& Alarm) {
        return Alarm.When == Reminder.Occurrence &&
               notes::ReminderMomentOf(Alarm).Key == Reminder.Key &&
               Alarm.Note.Repeat.Rule() == notes::TRepeat::TRule::LunarYearly;
    });
    if (LunarYearly) {
        const std::string Lunar = LunarDateOf(Reminder.Occurrence);
        if (!Lunar.empty()) {
            Body += " " + Lunar;
        }
    }
    if (!Reminder.Content.empty()) {
        Body += "\n" + Reminder.Content;
    }
    return Body;
}
