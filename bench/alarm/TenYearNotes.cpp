#include "TenYearNotes.h"

#include "notes/UNotesFile.h"
#include "platform/Clock.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int Days = 3650;
const std::string TemplateDay = "2000-02-02";

std::string ReadAll(const std::string& FileName) {
    std::ifstream File(FileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

std::string Replaced(std::string Text, const std::string& From, const std::string& To) {
    for (size_t At = Text.find(From); At != std::string::npos; At = Text.find(From, At)) {
        Text.replace(At, From.size(), To);
        At += To.size();
    }
    return Text;
}

} // namespace

void WriteTenYearNotes(TDateTime LastDay) {
    const std::string FileName = notes::NotesFileName();
    // One day written by the notes core serves as the pattern of every day, so the file
    // has the core's encoding and layout; only the (ASCII) dates differ from day to day.
    notes::WriteSampleNotes(FileName);
    platform::SetClock([] { return EncodeDate(2000, 2, 2); });
    notes::SaveTodayNotes(FileName, {{"Standup", TemplateDay + " 09:00", true, "Daily standup"},
                                     {"Lunch", TemplateDay + " 12:00", false, "Canteen"},
                                     {"Review", TemplateDay + " 15:00", true, "Code review"},
                                     {"Gym", "", false, "Leg day"}});
    platform::SetClock({});
    const std::string Written = ReadAll(FileName);
    const std::string Open = "<Date" + TemplateDay + ">";
    const std::string Close = "</Date" + TemplateDay + ">";
    const size_t DayStart = Written.find(Open);
    const size_t DayEnd = Written.find(Close, DayStart) + Close.size();
    const std::string Pattern = Written.substr(DayStart, DayEnd - DayStart);

    std::ostringstream Out;
    Out << Written.substr(0, DayStart);
    const auto Last = std::chrono::floor<std::chrono::days>(LastDay);
    for (int Day = Days - 1; Day >= 0; --Day) {
        const TDateTime Date = Last - std::chrono::days(Day);
        Out << Replaced(Pattern, TemplateDay, FormatDateTime("yyyy-mm-dd", Date));
    }
    Out << Written.substr(DayEnd);
    std::ofstream(FileName, std::ios::binary | std::ios::trunc) << Out.str();
}
