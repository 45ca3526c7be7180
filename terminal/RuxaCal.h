#pragma once

// The terminal calendar as a function of its command line and surroundings, so that tests
// can run it whole. Standard output gets nothing unless the command succeeds.

#include "calendar/UDateTime.h"
#include "platform/HolidayFiles.h"

#include <ostream>
#include <string>
#include <vector>

struct TCalSurroundings {
    TDateTime Now;          // today for the month page and the feeds' stamp
    bool Colour = false;    // today may be highlighted
    std::string ZoneName;   // the local time zone, for the notes feed
    std::string NotesFile;  // the notes file in the data folder
    THolidaysRead Holidays; // the table, and why a file of it was left out
};

// 0 on success; 1 when the notes file for --notes or --notes-ics is missing or damaged; 2 for
// a command line that is not understood.
int RunRuxaCal(const std::vector<std::string>& Args, const TCalSurroundings& Surroundings,
               std::ostream& Out, std::ostream& Err);
