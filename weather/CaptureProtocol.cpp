#include "weather/CaptureProtocol.h"

#include <utility>

namespace {

bool HasLineBreak(std::string_view Text) {
    return Text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::optional<std::string> FormatCaptureLine(std::string_view Verb, std::string_view Argument) {
    if (Verb.empty() || HasLineBreak(Verb) || HasLineBreak(Argument) ||
        Verb.find(' ') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string Line(Verb);
    if (!Argument.empty()) {
        Line += ' ';
        Line += Argument;
    }
    Line += '\n';
    return Line;
}

std::optional<TCaptureMessage> ParseCaptureLine(std::string_view Line) {
    while (!Line.empty() && (Line.back() == '\n' || Line.back() == '\r')) {
        Line.remove_suffix(1);
    }
    if (Line.empty()) {
        return std::nullopt;
    }
    const std::string_view::size_type Space = Line.find(' ');
    if (Space == std::string_view::npos) {
        return TCaptureMessage{std::string(Line), {}};
    }
    return TCaptureMessage{std::string(Line.substr(0, Space)), std::string(Line.substr(Space + 1))};
}

bool TCaptureLineReader::Feed(std::string_view Bytes) {
    while (!FOverflowed && !Bytes.empty()) {
        const std::string_view::size_type End = Bytes.find('\n');
        const std::string_view Piece = Bytes.substr(0, End);
        if (FPartial.size() + Piece.size() > CaptureLineLimit) {
            FOverflowed = true;
            std::string().swap(FPartial);
            break;
        }
        FPartial += Piece;
        if (End == std::string_view::npos) {
            break;
        }
        FLines.push_back(std::move(FPartial));
        FPartial.clear();
        Bytes.remove_prefix(End + 1);
    }
    return !FOverflowed;
}

std::optional<std::string> TCaptureLineReader::NextLine() {
    if (FLines.empty()) {
        return std::nullopt;
    }
    std::string Line = std::move(FLines.front());
    FLines.pop_front();
    return Line;
}
