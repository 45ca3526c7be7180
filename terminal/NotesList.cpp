#include "terminal/NotesList.h"

#include <algorithm>
#include <cstdio>

namespace {

notes::TNoteDay DayOf(const TCalDate& Date) {
    return notes::TNoteDay{std::chrono::year{Date.Year},
                           std::chrono::month{static_cast<unsigned>(Date.Month)},
                           std::chrono::day{static_cast<unsigned>(Date.Day)}};
}

// The title with C0 and C1 control characters and DEL as "?".
std::string Shown(const std::string& Title) {
    std::string Result;
    Result.reserve(Title.size());
    for (std::size_t At = 0; At < Title.size(); ++At) {
        const auto Byte = static_cast<unsigned char>(Title[At]);
        const bool C1 = Byte == 0xC2 && At + 1 < Title.size() &&
                        static_cast<unsigned char>(Title[At + 1]) >= 0x80 &&
                        static_cast<unsigned char>(Title[At + 1]) <= 0x9F;
        if (Byte < 0x20 || Byte == 0x7F || C1) {
            Result += '?';
            At += C1 ? 1 : 0;
        } else {
            Result += Title[At];
        }
    }
    return Result;
}

} // namespace

std::string NotesList(const notes::TNotesIndex& Index, const TCalDate& From, const TCalDate& To) {
    notes::TOccurrences Occurrences = Index.Between(DayOf(From), DayOf(To));
    std::stable_sort(Occurrences.begin(), Occurrences.end(),
                     [](const notes::TOccurrence& A, const notes::TOccurrence& B) {
                         return A.Day != B.Day ? A.Day < B.Day : A.Minute < B.Minute;
                     });
    std::string Out;
    for (const notes::TOccurrence& Occurrence : Occurrences) {
        char Date[32];
        std::snprintf(Date, sizeof(Date), "%04d-%02u-%02u", static_cast<int>(Occurrence.Day.year()),
                      static_cast<unsigned>(Occurrence.Day.month()),
                      static_cast<unsigned>(Occurrence.Day.day()));
        Out += Date;
        if (Occurrence.Timed()) {
            std::snprintf(Date, sizeof(Date), " %02d:%02d", Occurrence.Minute / 60,
                          Occurrence.Minute % 60);
            Out += Date;
        }
        Out += '\t' + Shown(Occurrence.Note.Title) + '\n';
    }
    return Out;
}
