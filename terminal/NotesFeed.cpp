#include "terminal/NotesFeed.h"

#include "calendar/DayDetails.h"
#include "notes/NotesReading.h"
#include "platform/Files.h"
#include "terminal/IcalFeed.h"

#include <charconv>
#include <optional>
#include <vector>

namespace {

constexpr const char* UidDomain = "@ruxa-calendar";

bool ReadNumber(std::string_view Text, int& Value) {
    const auto [End, Fault] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    return Fault == std::errc{} && End == Text.data() + Text.size();
}

// "yyyy-mm-dd" at the start of Text, a supported date.
std::optional<TCalDate> DateAt(std::string_view Text) {
    TCalDate Date;
    if (!ReadIsoDate(Text.substr(0, 10), Date.Year, Date.Month, Date.Day) ||
        !IsSupportedDate(Date.Year, Date.Month, Date.Day)) {
        return std::nullopt;
    }
    return Date;
}

// The date of a day element named "Date" + "yyyy-mm-dd"; none for any other name.
std::optional<TCalDate> DayOf(std::string_view Name) {
    if (Name.size() != 14 || !Name.starts_with("Date")) {
        return std::nullopt;
    }
    return DateAt(Name.substr(4));
}

// "yyyy-mm-dd hh:nn", the form of the reminder times.
std::optional<TDateTime> TimeOf(std::string_view When) {
    const auto Date = DateAt(When);
    int Hour = 0;
    int Minute = 0;
    if (!Date || When.size() != 16 || When[10] != ' ' || When[13] != ':' ||
        !ReadNumber(When.substr(11, 2), Hour) || !ReadNumber(When.substr(14, 2), Minute) ||
        Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59) {
        return std::nullopt;
    }
    return EncodeDateTime(Date->Year, Date->Month, Date->Day, Hour, Minute, 0);
}

} // namespace

TNotesFeed NotesFeed(const std::string& NotesFile, const TFeedSetting& Setting) {
    TNotesFeed Result;
    std::string Bytes;
    std::string Error;
    if (!platform::ReadWholeFile(NotesFile, Bytes, Error)) {
        Result.Fault = "便签文件无法读取：" + NotesFile;
        return Result;
    }
    const std::optional<std::vector<notes::TDayNotes>> Days = notes::ReadNotesByDay(Bytes);
    if (!Days) {
        Result.Fault = "便签文件已损坏：" + NotesFile;
        return Result;
    }
    TIcalFeed Feed("万年历：便签", Setting.Stamp, Setting.ZoneName);
    for (const notes::TDayNotes& Read : *Days) {
        const std::string& Name = Read.Name;
        const auto Day = DayOf(Name);
        if (Name == notes::SampleDayName || !Day) {
            continue;
        }
        const std::string DayKey = Name.substr(4, 4) + Name.substr(9, 2) + Name.substr(12, 2);
        for (const notes::TNote& Note : Read.Notes) {
            const std::string Uid = "note-" + DayKey + "-" + HexOf(Note.Title) + UidDomain;
            if (const auto Start = TimeOf(Note.When)) {
                Feed.Add(TTimedEvent{Uid, *Start, 60, Note.Title, Note.Content, Note.Remind.On()});
            } else {
                Feed.Add(TAllDayEvent{Uid, Day->Year, Day->Month, Day->Day, Note.Title, "便签",
                                      Note.Content});
            }
        }
    }
    Result.Text = Feed.Text();
    return Result;
}
