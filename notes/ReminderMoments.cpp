#include "notes/ReminderMoments.h"

#include "notes/MinuteText.h"
#include "notes/NotesReading.h"
#include "notes/UNotesFile.h"

#include <algorithm>

namespace notes {
namespace {

// "Date" before the "yyyy-mm-dd" of a day element's name.
constexpr std::size_t DayNamePrefix = 4;
constexpr std::size_t DateLength = 10;

} // namespace

std::vector<TReminderMoment> ReminderMomentsBetween(std::string_view NotesBytes,
                                                    const std::string& First,
                                                    const std::string& Last) {
    std::vector<TReminderMoment> Moments;
    const std::optional<std::vector<TDayNotes>> Days = ReadNotesByDay(NotesBytes);
    if (!Days) {
        return Moments;
    }
    for (const TDayNotes& Day : *Days) {
        if (Day.Name.size() != DayNamePrefix + DateLength) {
            continue;
        }
        const std::string Date = Day.Name.substr(DayNamePrefix);
        const std::size_t Count = std::min<std::size_t>(Day.Notes.size(), AlarmSlotCount);
        for (std::size_t Index = 0; Index < Count; ++Index) {
            const TNote& Note = Day.Notes[Index];
            if (Note.Title.empty() || !Note.Remind.On() || !IsMinuteText(Note.When) ||
                Note.When.compare(0, DateLength, Date) != 0 || Note.When < First ||
                Note.When > Last) {
                continue;
            }
            Moments.push_back({Note.Title, Note.Title, Note.When, Note.When, Note.Content});
        }
    }
    std::ranges::stable_sort(Moments, {}, &TReminderMoment::Minute);
    return Moments;
}

} // namespace notes
