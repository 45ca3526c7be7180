#include "notes/NoteOccurrences.h"

#include "calendar/UCalendar.h"
#include "notes/NotesReading.h"
#include "platform/Files.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>

namespace notes {
namespace {

using namespace std::chrono;
using TRule = TRepeat::TRule;

constexpr int MinutesPerDay = 24 * 60;
// The reminder of an occurrence comes at most this many days before its day.
constexpr int AdvanceDays = (TAdvance::MaxMinutes + MinutesPerDay - 1) / MinutesPerDay;

int NumberOf(TNoteDay Day) {
    return sys_days(Day).time_since_epoch().count();
}

TNoteDay DayOfNumber(int Number) {
    return TNoteDay{sys_days{days{Number}}};
}

std::string DateText(TNoteDay Day) {
    char Text[16];
    std::snprintf(Text, sizeof(Text), "%04d-%02u-%02u", static_cast<int>(Day.year()),
                  static_cast<unsigned>(Day.month()), static_cast<unsigned>(Day.day()));
    return Text;
}

std::string MinuteText(TNoteDay Day, int Minute) {
    char Text[16];
    std::snprintf(Text, sizeof(Text), " %02d:%02d", Minute / 60, Minute % 60);
    return DateText(Day) + Text;
}

bool IsDigits(std::string_view Text) {
    return std::all_of(Text.begin(), Text.end(), [](char C) { return C >= '0' && C <= '9'; });
}

// The lunar date of a day, when the engine's range holds it.
std::optional<TLunarDate> LunarOf(TNoteDay Day) {
    TLunarDate Lunar;
    if (!SolarToLunarDate(static_cast<int>(Day.year()), static_cast<int>(unsigned(Day.month())),
                          static_cast<int>(unsigned(Day.day())), Lunar)) {
        return std::nullopt;
    }
    return Lunar;
}

// Whether day 29 of a lunar month is its last: the next day begins a month. On the engine's
// last day the table's month length answers.
bool LastOfLunarMonth(TNoteDay Day, const TLunarDate& Lunar) {
    if (Lunar.Day != 29) {
        return Lunar.Day == 30;
    }
    if (const std::optional<TLunarDate> Next = LunarOf(DayOfNumber(NumberOf(Day) + 1))) {
        return Next->Day == 1;
    }
    const std::uint32_t Lengths = GetLunarMonthDays(Lunar.Year, Lunar.Month);
    return (Lunar.Leap ? Lengths >> 16 : Lengths & 0xFFFF) == 29;
}

} // namespace

// What the rules ask of a day, worked out once per day asked about.
struct TDayFacts {
    TNoteDay Day;
    int Number = 0;
    unsigned WeekDay = 0;
    unsigned MonthLength = 0;
    std::optional<TLunarDate> Lunar;
    bool LunarMonthEnds = false; // the day is the last of its lunar month

    explicit TDayFacts(TNoteDay Of)
        : Day(Of), Number(NumberOf(Of)), WeekDay(weekday(sys_days(Of)).c_encoding()),
          MonthLength(static_cast<unsigned>((Of.year() / Of.month() / last).day())),
          Lunar(LunarOf(Of)), LunarMonthEnds(Lunar && LastOfLunarMonth(Of, *Lunar)) {}
};

namespace {

bool LunarDayMatches(const TLunarDate& Anchor, const TDayFacts& Day) {
    return Day.Lunar->Day == Anchor.Day ||
           (Anchor.Day == 30 && Day.Lunar->Day == 29 && Day.LunarMonthEnds);
}

bool LunarMonthMatches(const TLunarDate& Anchor, const TDayFacts& Day) {
    if (Day.Lunar->Month != Anchor.Month) {
        return false;
    }
    if (!Anchor.Leap) {
        return !Day.Lunar->Leap;
    }
    return Day.Lunar->Leap == (GetLeapMonth(Day.Lunar->Year) == Anchor.Month);
}

} // namespace

TRepeatingNote::TRepeatingNote(const TNote& Of, TNoteDay AnchorDay)
    : Note(&Of), Anchor(AnchorDay), AnchorNumber(NumberOf(AnchorDay)),
      WeekDay(weekday(sys_days(AnchorDay)).c_encoding()), Minute(MinuteOfDay(Of.When, AnchorDay)) {
    const TRule Rule = Of.Repeat.Rule();
    if (Rule == TRule::LunarMonthly || Rule == TRule::LunarYearly) {
        Lunar = LunarOf(AnchorDay);
    }
}

bool TRepeatingNote::ComesOn(const TDayFacts& Day) const {
    if (Day.Number <= AnchorNumber) {
        return false;
    }
    const unsigned AnchorDay = static_cast<unsigned>(Anchor.day());
    const unsigned DayOfMonth = static_cast<unsigned>(Day.Day.day());
    const bool MonthDay =
        DayOfMonth == AnchorDay || (DayOfMonth == Day.MonthLength && AnchorDay > DayOfMonth);
    switch (Note->Repeat.Rule()) {
    case TRule::Daily:
        return true;
    case TRule::Weekly:
        return Day.WeekDay == WeekDay;
    case TRule::Monthly:
        return MonthDay;
    case TRule::Yearly:
        return Day.Day.month() == Anchor.month() && MonthDay;
    case TRule::LunarMonthly:
        return Lunar && Day.Lunar && LunarDayMatches(*Lunar, Day);
    case TRule::LunarYearly:
        return Lunar && Day.Lunar && LunarMonthMatches(*Lunar, Day) && LunarDayMatches(*Lunar, Day);
    case TRule::None:
        break;
    }
    return false;
}

int MinuteOfDay(std::string_view When, TNoteDay Anchor) {
    // "yyyy-mm-dd hh:nn"
    if (When.size() != 16 || When[10] != ' ' || When[13] != ':' ||
        When.substr(0, 10) != DateText(Anchor) || !IsDigits(When.substr(11, 2)) ||
        !IsDigits(When.substr(14, 2))) {
        return -1;
    }
    const int Hour = (When[11] - '0') * 10 + (When[12] - '0');
    const int Minute = (When[14] - '0') * 10 + (When[15] - '0');
    return Hour < 24 && Minute < 60 ? Hour * 60 + Minute : -1;
}

bool FallsOn(const TRepeat& Repeat, TNoteDay Anchor, TNoteDay Day) {
    if (Day == Anchor) {
        return true;
    }
    TNote Note;
    Note.Repeat = Repeat;
    return TRepeatingNote(Note, Anchor).ComesOn(TDayFacts(Day));
}

void TNotesIndex::Clear() {
    FOk = false;
    FNoteCount = 0;
    FDays.clear();
    FSampleNotes.clear();
    FRepeating.clear();
}

bool TNotesIndex::Refresh(const std::string& FileName) {
    platform::TFileStamp Stamp;
    const bool Stamped = platform::ReadFileStamp(FileName, Stamp);
    if (Stamped && FKnown && FFileName == FileName && Stamp == FStamp) {
        return false;
    }
    // The stamp is taken before the reading: a file replaced in between is read again at
    // the next call.
    std::string Bytes;
    std::string Error;
    bool Read = false;
    try {
        Read = Stamped && platform::ReadWholeFile(FileName, Bytes, Error);
    } catch (const std::exception&) {
        Read = false;
    }
    if (Read) {
        Build(Bytes);
    } else {
        Clear();
    }
    // A file that did not read is tried again at the next call, whatever its stamp.
    FKnown = Read;
    FFileName = FileName;
    FStamp = Stamp;
    return true;
}

bool TNotesIndex::Build(std::string_view Bytes) {
    Clear();
    std::optional<std::vector<TDayNotes>> Days;
    try {
        Days = ReadNotesByDay(Bytes);
    } catch (const std::exception&) {
        Days = std::nullopt;
    }
    if (!Days) {
        return false;
    }
    for (TDayNotes& Day : *Days) {
        FNoteCount += Day.Notes.size();
        if (Day.Name == SampleDayName) {
            FSampleNotes = std::move(Day.Notes);
        } else if (const std::optional<TNoteDay> Date = DayOfName(Day.Name)) {
            FDays[NumberOf(*Date)] = std::move(Day.Notes);
        }
    }
    for (const auto& [Number, Notes] : FDays) {
        for (const TNote& Note : Notes) {
            if (Note.Repeat.Repeats()) {
                FRepeating.emplace_back(Note, DayOfNumber(Number));
            }
        }
    }
    // By anchor day; notes of one day keep their file order.
    std::stable_sort(FRepeating.begin(), FRepeating.end(),
                     [](const TRepeatingNote& A, const TRepeatingNote& B) {
                         return A.AnchorNumber < B.AnchorNumber;
                     });
    FOk = true;
    return true;
}

void TNotesIndex::OwnOn(const TDayFacts& Facts, bool SampleToo, TOccurrences& Into) const {
    const TNotes* Own = nullptr;
    if (const auto Found = FDays.find(Facts.Number); Found != FDays.end()) {
        Own = &Found->second;
    }
    const bool Sample = SampleToo && DayName(Facts.Day) == SampleDayName;
    for (const TNotes* Notes : {Own, Sample ? &FSampleNotes : nullptr}) {
        if (Notes == nullptr) {
            continue;
        }
        for (const TNote& Note : *Notes) {
            Into.push_back(
                {Facts.Day, Facts.Day, Note.When, MinuteOfDay(Note.When, Facts.Day), Note});
        }
    }
}

void TNotesIndex::RepeatsOn(const TDayFacts& Facts, TOccurrences& Into) const {
    const std::string Date = DateText(Facts.Day);
    for (const TRepeatingNote& Repeating : FRepeating) {
        if (Repeating.AnchorNumber >= Facts.Number) {
            break;
        }
        if (!Repeating.ComesOn(Facts)) {
            continue;
        }
        const TNote& Note = *Repeating.Note;
        std::string When = Note.When;
        if (When.size() >= 10 && IsDigits(When.substr(0, 4)) && When[4] == '-' && When[7] == '-') {
            When.replace(0, 10, Date);
        }
        Into.push_back({Facts.Day, Repeating.Anchor, std::move(When), Repeating.Minute, Note});
    }
}

TOccurrences TNotesIndex::On(TNoteDay Day, bool SampleToo) const {
    TOccurrences Occurrences;
    if (!Day.ok()) {
        return Occurrences;
    }
    const TDayFacts Facts(Day);
    OwnOn(Facts, SampleToo, Occurrences);
    RepeatsOn(Facts, Occurrences);
    return Occurrences;
}

bool TNotesIndex::AnyOn(TNoteDay Day) const {
    if (!Day.ok()) {
        return false;
    }
    const TDayFacts Facts(Day);
    if (const auto Found = FDays.find(Facts.Number);
        Found != FDays.end() && !Found->second.empty()) {
        return true;
    }
    return std::any_of(FRepeating.begin(), FRepeating.end(),
                       [&](const TRepeatingNote& Repeating) { return Repeating.ComesOn(Facts); });
}

TOccurrences TNotesIndex::Between(TNoteDay From, TNoteDay To) const {
    TOccurrences Occurrences;
    if (!From.ok() || !To.ok()) {
        return Occurrences;
    }
    for (int Number = NumberOf(From); Number <= NumberOf(To); ++Number) {
        const TDayFacts Facts(DayOfNumber(Number));
        OwnOn(Facts, false, Occurrences);
        RepeatsOn(Facts, Occurrences);
    }
    return Occurrences;
}

TNoteAlarms TNotesIndex::AlarmsOn(TNoteDay Day) const {
    TNoteAlarms Alarms;
    if (!Day.ok()) {
        return Alarms;
    }
    const int Today = NumberOf(Day);
    for (int Number = Today; Number <= Today + AdvanceDays; ++Number) {
        const TDayFacts Facts(DayOfNumber(Number));
        TOccurrences Occurrences;
        OwnOn(Facts, true, Occurrences);
        RepeatsOn(Facts, Occurrences);
        for (TOccurrence& Occurrence : Occurrences) {
            if (!Occurrence.Timed() || !Occurrence.Note.Remind.On()) {
                continue;
            }
            const int Due = (Number - Today) * MinutesPerDay + Occurrence.Minute -
                            Occurrence.Note.Advance.Minutes();
            if (Due < 0 || Due >= MinutesPerDay) {
                continue;
            }
            Alarms.push_back({MinuteText(Day, Due), MinuteText(Facts.Day, Occurrence.Minute),
                              std::move(Occurrence.Note)});
        }
    }
    std::stable_sort(Alarms.begin(), Alarms.end(),
                     [](const TNoteAlarm& A, const TNoteAlarm& B) { return A.Minute < B.Minute; });
    return Alarms;
}

const TNotesIndex& SharedNotesIndex(const std::string& FileName) {
    static TNotesIndex Index;
    Index.Refresh(FileName);
    return Index;
}

TOccurrences NotesOnDay(const std::string& FileName, TNoteDay Day) {
    return SharedNotesIndex(FileName).On(Day);
}

TAlarmsRead ReadTodayAlarms(const std::string& FileName) {
    const TNotesIndex& Index = SharedNotesIndex(FileName);
    return {Index.AlarmsOn(Today()), Index.Ok()};
}

} // namespace notes
