#include "weather/CaptureProtocol.h"

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
