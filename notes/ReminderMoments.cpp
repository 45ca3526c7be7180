#include "notes/ReminderMoments.h"

#include "notes/NoteOccurrences.h"

#include <chrono>

namespace notes {
namespace {

// The day of a minute text "yyyy-mm-dd hh:nn"; none for any other text.
std::optional<TNoteDay> DayOfMinute(const std::string& Minute) {
    return Minute.size() >= 10 ? DayOfName("Date" + Minute.substr(0, 10)) : std::nullopt;
}

} // namespace

TReminderMoment ReminderMomentOf(const TNoteAlarm& Alarm) {
    const TNote& Note = Alarm.Note;
    // A title can be empty; a key never is, or the remembered file could not hold it.
    return {Note.Id.empty() ? "标题:" + Note.Title : Note.Id, Note.Title, Alarm.When, Alarm.Minute,
            Note.Content};
}

std::vector<TReminderMoment> ReminderMomentsBetween(std::string_view NotesBytes,
                                                    const std::string& First,
                                                    const std::string& Last) {
    std::vector<TReminderMoment> Moments;
    const std::optional<TNoteDay> From = DayOfMinute(First);
    const std::optional<TNoteDay> To = DayOfMinute(Last);
    TNotesIndex Index;
    if (!From || !To || !Index.Build(NotesBytes)) {
        return Moments;
    }
    for (std::chrono::sys_days Day = std::chrono::sys_days(*From);
         Day <= std::chrono::sys_days(*To); Day += std::chrono::days(1)) {
        for (const TNoteAlarm& Alarm : Index.AlarmsOn(TNoteDay{Day})) {
            if (Alarm.Minute >= First && Alarm.Minute <= Last) {
                Moments.push_back(ReminderMomentOf(Alarm));
            }
        }
    }
    return Moments;
}

} // namespace notes
