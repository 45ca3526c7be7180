#pragma once

// The line protocol between the weather window and its capture helper process. Every
// message is one line of UTF-8 text: a verb, then one space and the argument when there is
// one. The window sends "navigate <address>" and "capture <file>"; the helper answers
// "completed" when the top-level page has completed and is ready to be captured (also
// when the page reloads itself), "done <file>" when the capture is saved, and
// "error navigate <reason>" or "error capture <reason>" when a page fails to load or a
// capture fails.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view CaptureNavigate = "navigate";
inline constexpr std::string_view CaptureTake = "capture";
inline constexpr std::string_view CaptureCompleted = "completed";
inline constexpr std::string_view CaptureDone = "done";
inline constexpr std::string_view CaptureError = "error";

// The longest line either side takes, its "\n" not counted. Messages are a verb and an
// address, a file name or a short reason; a longer line means the other side has gone
// wrong, and it is not read any further.
inline constexpr std::size_t CaptureLineLimit = 16 * 1024;

struct TCaptureMessage {
    std::string Verb;
    std::string Argument;

    bool operator==(const TCaptureMessage&) const = default;
};

// The line for Verb and Argument, ending in "\n"; empty when either holds a line break
// (it could not be read back as one message).
std::optional<std::string> FormatCaptureLine(std::string_view Verb, std::string_view Argument = {});

// Splits one line (with or without its "\n" or "\r\n") at its first space. An empty line
// gives nothing.
std::optional<TCaptureMessage> ParseCaptureLine(std::string_view Line);

// Cuts a stream of bytes into lines of at most CaptureLineLimit bytes as they arrive.
class TCaptureLineReader {
public:
    // Takes the next bytes of the stream. False once a line has run past the limit: that
    // line's bytes are released and nothing more is taken; the lines completed before it
    // can still be read.
    bool Feed(std::string_view Bytes);
    // The oldest complete line not yet taken, without its "\n".
    std::optional<std::string> NextLine();
    bool Overflowed() const { return FOverflowed; }

private:
    std::string FPartial;
    std::deque<std::string> FLines;
    bool FOverflowed = false;
};
