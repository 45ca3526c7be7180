// ruxa-cal: the calendar in a terminal. See RuxaCal.h.

#include "notes/UNotesFile.h"
#include "platform/Clock.h"
#include "platform/LocalTimeZone.h"
#include "platform/Terminal.h"
#include "terminal/RuxaCal.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> Args(argv + 1, argv + argc);
    TCalSurroundings Surroundings;
    Surroundings.Now = platform::Now();
    Surroundings.Colour = platform::ColourOnStandardOutput();
    Surroundings.ZoneName = platform::LocalTimeZoneName();
    Surroundings.NotesFile = notes::NotesFileName();
    Surroundings.Holidays = ReadHolidayFiles();
    const int Status = RunRuxaCal(Args, Surroundings, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? Status : 1;
}
