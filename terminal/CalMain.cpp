// ruxa-cal: the calendar in a terminal. See RuxaCal.h.

#include "notes/UNotesFile.h"
#include "platform/Clock.h"
#include "platform/LocalTimeZone.h"
#include "platform/SystemErrorText.h"
#include "platform/Terminal.h"
#include "terminal/RuxaCal.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>

namespace {

// Standard output written out, or the status that says it was not. A reader that has gone
// (a closed pipe, as with "| head") ends the program quietly with the status of SIGPIPE, as
// when the signal ends it before; any other failure (a full disk, a closed output) is told
// in one line.
int Finished(int Status) {
    errno = 0;
    std::cout.flush();
    if (std::cout.good() && std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return Status;
    const int Error = errno;
    if (Error == EPIPE)
        return 128 + SIGPIPE;
    std::cerr << "ruxa-cal: 无法写出结果"
              << (Error != 0 ? "：" + platform::SystemErrorText(Error) : std::string()) << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> Args(argv + 1, argv + argc);
    TCalSurroundings Surroundings;
    Surroundings.Now = platform::Now();
    Surroundings.Colour = platform::ColourOnStandardOutput();
    Surroundings.ZoneName = platform::LocalTimeZoneName();
    Surroundings.NotesFile = notes::NotesFileName();
    Surroundings.Holidays = ReadHolidayFiles();
    return Finished(RunRuxaCal(Args, Surroundings, std::cout, std::cerr));
}
