#include "terminal/RuxaCal.h"

#include "calendar/ControlCharacters.h"
#include "notes/DayNoteHeadings.h"
#include "notes/NoteOccurrences.h"
#include "terminal/CalArguments.h"
#include "terminal/DayFeed.h"
#include "terminal/MonthText.h"
#include "terminal/NotesFeed.h"
#include "terminal/NotesList.h"
#include "terminal/TableLine.h"

namespace {

constexpr const char* Program = "ruxa-cal：";

// A message as one line that cannot drive the terminal: the control characters it may
// carry from the command line or a file name become "?".
std::string OneLine(const std::string& Message) {
    return WithControlsShown(Message);
}

std::string Run(const TCalCommand& Command, const TCalSurroundings& Surroundings,
                std::string& Fault, int& Status) {
    const TDateParts Today = DecodeDateTime(Surroundings.Now);
    const TMonthTextStyle Style{Surroundings.Colour, Today.Year, Today.Month, Today.Day};
    const THolidayTable& Holidays = Surroundings.Holidays.Table;
    const TFeedSetting Feed{Surroundings.Now, Surroundings.ZoneName};
    std::string Out;
    switch (Command.Action) {
    case TCalAction::Help:
        return std::string(CalUsage) + "\n";
    case TCalAction::Month:
        if (Command.Year == 0) {
            if (!IsSupportedDate(Today.Year, Today.Month, 1)) {
                Fault = "今天不在 " + std::to_string(FirstSupportedYear) + " 至 " +
                        std::to_string(LastSupportedYear) + " 年之间，请给出年月";
                Status = 2;
                return {};
            }
            return MonthText(Today.Year, Today.Month, Style);
        }
        return MonthText(Command.Year, Command.Month, Style);
    case TCalAction::Year:
        return YearText(Command.Year, Style);
    case TCalAction::Day: {
        const TCalDate& Day = Command.From;
        const auto Details = DayDetailsOf(Day.Year, Day.Month, Day.Day, Holidays);
        for (const std::string& Line :
             DayDescription(*Details, notes::DayNoteHeadings(Surroundings.NotesFile, Day.Year,
                                                             Day.Month, Day.Day))) {
            // A note's title may hold characters a terminal would act on.
            Out += WithControlsShown(Line) + "\n";
        }
        return Out;
    }
    case TCalAction::Table:
        for (const TCalDate& Date : DaysBetween(Command.From, Command.To)) {
            Out += WithControlsShown(
                       TableLine(*DayDetailsOf(Date.Year, Date.Month, Date.Day, Holidays))) +
                   "\n";
        }
        return Out;
    case TCalAction::Ics:
        return DayFeed(Command.From, Command.To, Command.LunarDays, Holidays, Feed);
    case TCalAction::Notes: {
        const notes::TNotesIndex& Index = notes::SharedNotesIndex(Surroundings.NotesFile);
        if (!Index.Ok()) {
            Fault = "便签文件无法读取或已损坏：" + Surroundings.NotesFile;
            Status = 1;
            return {};
        }
        return NotesList(Index, Command.From, Command.To);
    }
    case TCalAction::NotesIcs:
        // Written as it is made, by RunRuxaCal.
        return {};
    }
    return Out;
}

} // namespace

int RunRuxaCal(const std::vector<std::string>& Args, const TCalSurroundings& Surroundings,
               std::ostream& Out, std::ostream& Err) {
    const TCalArguments Read = ReadCalArguments(Args);
    if (!Read.Fault.empty()) {
        Err << Program << OneLine(Read.Fault) << "\n";
        return 2;
    }
    for (const std::string& Fault : Surroundings.Holidays.Faults) {
        Err << Program << OneLine(Fault) << "\n";
    }
    if (Read.Command.Action == TCalAction::NotesIcs) {
        const std::string Fault =
            WriteNotesFeed(Surroundings.NotesFile, {Surroundings.Now, Surroundings.ZoneName}, Out);
        if (!Fault.empty()) {
            Err << Program << OneLine(Fault) << "\n";
            return 1;
        }
        return 0;
    }
    std::string Fault;
    int Status = 0;
    const std::string Text = Run(Read.Command, Surroundings, Fault, Status);
    if (Status != 0) {
        Err << Program << OneLine(Fault) << "\n";
        return Status;
    }
    Out << Text;
    return 0;
}
