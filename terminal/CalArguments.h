#pragma once

// The command line of ruxa-cal, read into one command. Nothing is printed here: a fault comes
// back as its one-line message.

#include <string>
#include <vector>

struct TCalDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

enum class TCalAction { Month, Year, Day, Table, Ics, Notes, NotesIcs, Help };

struct TCalCommand {
    TCalAction Action = TCalAction::Month;
    int Year = 0;  // Month and Year; 0 with Month means the current month
    int Month = 0; //
    TCalDate From; // Day (From only), Table, Ics and Notes
    TCalDate To;
    bool LunarDays = false; // Ics
};

struct TCalArguments {
    TCalCommand Command;
    std::string Fault; // empty when the command line was understood
};

TCalArguments ReadCalArguments(const std::vector<std::string>& Args);

// Days from From to To, both included, as consecutive dates.
std::vector<TCalDate> DaysBetween(const TCalDate& From, const TCalDate& To);

extern const char* const CalUsage;
