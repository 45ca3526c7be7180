// The line protocol between the weather window and its capture helper, on any bytes in any
// pieces: no line taken runs past the limit or holds a line break, the lines taken are the
// stream's own, an overlong line stops the reader for good, and every message read back
// formats to a line that reads back the same.

#include "weather/CaptureProtocol.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool Condition) {
    if (!Condition) {
        std::abort();
    }
}

void CheckRoundTrip(const std::string& Line) {
    const auto Message = ParseCaptureLine(Line);
    if (!Message) {
        return;
    }
    if (const auto Formatted = FormatCaptureLine(Message->Verb, Message->Argument)) {
        Check(ParseCaptureLine(*Formatted) == Message);
    }
}

} // namespace

// The first byte says how often the rest is repeated (so that the limit can be passed),
// the second how long the pieces are that the stream is fed in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 2) {
        return 0;
    }
    const std::size_t Repeats = 1 + Data[0] % 16;
    const std::size_t PieceSize = 1 + Data[1];
    const std::string_view Body(reinterpret_cast<const char*>(Data + 2), Size - 2);
    std::string Stream;
    for (std::size_t Copy = 0; Copy < Repeats; ++Copy) {
        Stream += Body;
    }

    TCaptureLineReader Reader;
    std::string Taken;
    bool Readable = true;
    for (std::size_t At = 0; At < Stream.size(); At += PieceSize) {
        const bool Fed = Reader.Feed(std::string_view(Stream).substr(At, PieceSize));
        Check(Fed == !Reader.Overflowed());
        Check(Readable || !Fed);
        Readable = Fed;
        while (const auto Line = Reader.NextLine()) {
            Check(Line->size() <= CaptureLineLimit);
            Check(Line->find('\n') == std::string::npos);
            CheckRoundTrip(*Line);
            Taken += *Line;
            Taken += '\n';
        }
    }
    Check(Stream.compare(0, Taken.size(), Taken) == 0);
    const std::string_view Rest = std::string_view(Stream).substr(Taken.size());
    if (Readable) {
        Check(Rest.find('\n') == std::string_view::npos);
        Check(Rest.size() <= CaptureLineLimit);
    } else {
        const std::size_t LineEnd = std::min(Rest.find('\n'), Rest.size());
        Check(LineEnd > CaptureLineLimit);
    }
    return 0;
}
