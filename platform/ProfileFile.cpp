#include "platform/ProfileFile.h"

#include "platform/Files.h"
#include "platform/SaveLock.h"

#include <cerrno>
#include <limits>
#include <sys/stat.h>
#include <vector>

namespace platform {
namespace {

// One line of the file: its text without the line ending, and the ending itself.
struct TLine {
    std::string_view Text;
    std::string_view Ending;
};

std::vector<TLine> SplitLines(std::string_view Text) {
    std::vector<TLine> Lines;
    while (!Text.empty()) {
        const std::size_t NewLine = Text.find('\n');
        if (NewLine == std::string_view::npos) {
            Lines.push_back({Text, {}});
            break;
        }
        std::size_t End = NewLine;
        if (End > 0 && Text[End - 1] == '\r') {
            --End;
        }
        Lines.push_back({Text.substr(0, End), Text.substr(End, NewLine + 1 - End)});
        Text.remove_prefix(NewLine + 1);
    }
    return Lines;
}

bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\v' || C == '\f';
}

std::string_view Trim(std::string_view Text) {
    while (!Text.empty() && IsBlank(Text.front())) {
        Text.remove_prefix(1);
    }
    while (!Text.empty() && IsBlank(Text.back())) {
        Text.remove_suffix(1);
    }
    return Text;
}

char Lower(char C) {
    return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
}

bool SameName(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) {
        return false;
    }
    for (std::size_t I = 0; I < A.size(); ++I) {
        if (Lower(A[I]) != Lower(B[I])) {
            return false;
        }
    }
    return true;
}

// The section name of a "[name]" line. The closing bracket is searched character by
// character, since the second byte of a GBK character may be the byte of "]".
std::optional<std::string_view> SectionName(std::string_view Line) {
    Line = Trim(Line);
    if (Line.empty() || Line.front() != '[') {
        return std::nullopt;
    }
    for (std::size_t I = 1; I < Line.size(); ++I) {
        const auto Byte = static_cast<unsigned char>(Line[I]);
        if (Byte == ']') {
            return Trim(Line.substr(1, I - 1));
        }
        if (Byte >= 0x81 && Byte <= 0xFE) {
            ++I;
        }
    }
    return std::nullopt;
}

struct TKeyLine {
    std::string_view Key;
    std::string_view Value;
};

std::optional<TKeyLine> KeyLine(std::string_view Line) {
    const std::string_view Trimmed = Trim(Line);
    if (Trimmed.empty() || Trimmed.front() == ';') {
        return std::nullopt;
    }
    const std::size_t Equals = Trimmed.find('=');
    if (Equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view Key = Trim(Trimmed.substr(0, Equals));
    if (Key.empty()) {
        return std::nullopt;
    }
    return TKeyLine{Key, Trim(Trimmed.substr(Equals + 1))};
}

// Where a section and a key stand among the lines.
struct TPlace {
    std::optional<std::size_t> Section;  // the section line
    std::optional<std::size_t> KeyLine;  // the key's line inside it
    std::optional<std::size_t> LastLine; // the section's last non-blank line
};

TPlace Locate(const std::vector<TLine>& Lines, std::string_view Section, std::string_view Key) {
    TPlace Place;
    for (std::size_t I = 0; I < Lines.size(); ++I) {
        const std::optional<std::string_view> Name = SectionName(Lines[I].Text);
        if (Place.Section) {
            if (Name) {
                break;
            }
            if (!Trim(Lines[I].Text).empty()) {
                Place.LastLine = I;
            }
            const std::optional<TKeyLine> Pair = KeyLine(Lines[I].Text);
            if (Pair && SameName(Pair->Key, Key)) {
                Place.KeyLine = I;
                break;
            }
        } else if (Name && SameName(*Name, Section)) {
            Place.Section = I;
            Place.LastLine = I;
        }
    }
    return Place;
}

std::string_view LineEndingOf(const std::vector<TLine>& Lines) {
    for (const TLine& Line : Lines) {
        if (!Line.Ending.empty()) {
            return Line.Ending;
        }
    }
    return "\n";
}

std::optional<std::uint32_t> ParseDigits(std::string_view Digits, unsigned Base,
                                         std::uint64_t Limit) {
    if (Digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t Value = 0;
    for (const char C : Digits) {
        unsigned Digit = 0;
        if (C >= '0' && C <= '9') {
            Digit = static_cast<unsigned>(C - '0');
        } else if (Base == 16 && Lower(C) >= 'a' && Lower(C) <= 'f') {
            Digit = static_cast<unsigned>(Lower(C) - 'a' + 10);
        } else {
            return std::nullopt;
        }
        Value = Value * Base + Digit;
        if (Value > Limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(Value);
}

// A UTF-8 byte-order mark that some editors put at the start of the file: it belongs to no
// line, and a write puts it back where it was.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view Text) {
    if (Text.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        Text.remove_prefix(ByteOrderMark.size());
    }
    return Text;
}

} // namespace

std::optional<std::string> FindProfileValue(std::string_view Text, std::string_view Section,
                                            std::string_view Key) {
    const std::vector<TLine> Lines = SplitLines(WithoutByteOrderMark(Text));
    const TPlace Place = Locate(Lines, Section, Key);
    if (!Place.KeyLine) {
        return std::nullopt;
    }
    return std::string(KeyLine(Lines[*Place.KeyLine].Text)->Value);
}

std::string SetProfileValue(std::string_view Text, std::string_view Section, std::string_view Key,
                            std::string_view Value) {
    const std::string_view Body = WithoutByteOrderMark(Text);
    const std::vector<TLine> Lines = SplitLines(Body);
    const TPlace Place = Locate(Lines, Section, Key);
    const std::string_view Ending = LineEndingOf(Lines);
    const std::string NewLine = std::string(Key) + "=" + std::string(Value);

    std::string Result(Text.substr(0, Text.size() - Body.size()));
    Result.reserve(Text.size() + NewLine.size() + Section.size() + 8);
    for (std::size_t I = 0; I < Lines.size(); ++I) {
        if (Place.KeyLine && I == *Place.KeyLine) {
            Result += NewLine;
            Result += Lines[I].Ending;
            continue;
        }
        Result += Lines[I].Text;
        Result += Lines[I].Ending;
        if (!Place.KeyLine && Place.LastLine && I == *Place.LastLine) {
            if (Lines[I].Ending.empty()) {
                Result += Ending;
            }
            Result += NewLine;
            Result += Lines[I].Ending.empty() ? Ending : Lines[I].Ending;
        }
    }
    if (!Place.Section) {
        if (!Lines.empty() && Lines.back().Ending.empty()) {
            Result += Ending;
        }
        Result += "[" + std::string(Section) + "]";
        Result += Ending;
        Result += NewLine;
        Result += Ending;
    }
    return Result;
}

std::optional<std::int32_t> ParseProfileInteger(std::string_view Value) {
    if (Value.size() > 2 && Value[0] == '0' && (Value[1] == 'x' || Value[1] == 'X')) {
        const auto Bits =
            ParseDigits(Value.substr(2), 16, std::numeric_limits<std::uint32_t>::max());
        if (!Bits) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(*Bits);
    }
    bool Negative = false;
    if (!Value.empty() && (Value.front() == '-' || Value.front() == '+')) {
        Negative = Value.front() == '-';
        Value.remove_prefix(1);
    }
    const std::uint64_t Limit = Negative ? 2147483648ULL : 2147483647ULL;
    const auto Magnitude = ParseDigits(Value, 10, Limit);
    if (!Magnitude) {
        return std::nullopt;
    }
    const auto Wide = static_cast<std::int64_t>(*Magnitude);
    return static_cast<std::int32_t>(Negative ? -Wide : Wide);
}

std::int32_t ReadProfileInteger(const std::string& FileName, std::string_view Section,
                                std::string_view Key, std::int32_t Default) {
    std::string Text;
    std::string Error;
    if (!ReadWholeFile(FileName, Text, Error)) {
        return Default;
    }
    const std::optional<std::string> Value = FindProfileValue(Text, Section, Key);
    if (!Value) {
        return Default;
    }
    return ParseProfileInteger(*Value).value_or(Default);
}

bool WriteProfileString(const std::string& FileName, std::string_view Section, std::string_view Key,
                        std::string_view Value) {
    std::string BusyError;
    return WriteProfileStrings(FileName, Section, {{Key, std::string(Value)}}, BusyError);
}

bool WriteProfileStrings(const std::string& FileName, std::string_view Section,
                         const std::vector<TProfileValue>& Values, std::string& BusyError) {
    std::string Error;
    bool Held = false;
    const std::optional<TFileLock> Lock = LockForSaving(FileName, Error, Held);
    if (!Lock) {
        if (Held)
            BusyError = Error;
        return false;
    }
    std::string Text;
    if (!ReadWholeFile(FileName, Text, Error)) {
        struct stat Info {};
        if (::stat(FileName.c_str(), &Info) == 0 || errno != ENOENT) {
            return false;
        }
    }
    for (const TProfileValue& Value : Values) {
        Text = SetProfileValue(Text, Section, Value.Key, Value.Value);
    }
    return WriteFileAtomically(FileName, Text, Error);
}

} // namespace platform
