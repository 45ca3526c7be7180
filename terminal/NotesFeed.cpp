#include "terminal/NotesFeed.h"

#include "calendar/DayDetails.h"
#include "notes/NotesReading.h"
#include "notes/ical/IcalFeed.h"
#include "notes/ical/NoteEvents.h"
#include "platform/Files.h"

#include <optional>
#include <vector>

std::string WriteNotesFeed(const std::string& NotesFile, const TFeedSetting& Setting,
                           std::ostream& Out) {
    std::optional<std::vector<notes::TDayNotes>> Days;
    {
        std::string Bytes;
        std::string Error;
        if (!platform::ReadWholeFile(NotesFile, Bytes, Error)) {
            return "便签文件无法读取：" + NotesFile;
        }
        Days = notes::ReadNotesByDay(Bytes);
    }
    if (!Days) {
        return "便签文件已损坏：" + NotesFile;
    }
    TIcalFeed Feed("万年历：便签", Setting.Stamp, Setting.ZoneName,
                   [&](std::string_view Text) { Out << Text; });
    notes::ical::TNoteUids Uids;
    for (notes::TDayNotes& Read : *Days) {
        const std::optional<notes::TNoteDay> Day = notes::DayOfName(Read.Name);
        if (Read.Name != notes::SampleDayName && Day &&
            IsSupportedDate(static_cast<int>(Day->year()), static_cast<int>(unsigned(Day->month())),
                            static_cast<int>(unsigned(Day->day())))) {
            for (const notes::TNote& Note : Read.Notes) {
                notes::ical::AddNoteEvents(Feed, Note, *Day, Uids.UidOf(Note, *Day));
            }
        }
        // What is written is let go of at once.
        Read = notes::TDayNotes();
    }
    Feed.Finish();
    return {};
}
