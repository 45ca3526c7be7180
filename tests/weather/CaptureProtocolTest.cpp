#include "weather/CaptureProtocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CaptureProtocol, LinesReadBackAsTheirMessage) {
    const TCaptureMessage Messages[] = {
        {"completed", ""},
        {"navigate", "http://127.0.0.1:8080/weather/weather.aspx?uid=&cid=101010100&fc=&bgc="},
        {"capture", "/home/张三/My Data/RuxaCalendar/20240131.bmp"},
        {"error", "capture Cannot write /tmp/x.bmp: No space left on device"},
    };
    for (const TCaptureMessage& Message : Messages) {
        SCOPED_TRACE(Message.Verb + " " + Message.Argument);
        const auto Line = FormatCaptureLine(Message.Verb, Message.Argument);
        ASSERT_TRUE(Line);
        EXPECT_EQ(Line->back(), '\n');
        EXPECT_EQ(ParseCaptureLine(*Line), Message);
    }
}

TEST(CaptureProtocol, RefusesWhatCouldNotBeReadBack) {
    EXPECT_FALSE(FormatCaptureLine("capture", "/tmp/a\nnavigate http://elsewhere/"));
    EXPECT_FALSE(FormatCaptureLine("capture", "/tmp/a\r.bmp"));
    EXPECT_FALSE(FormatCaptureLine("", "x"));
    EXPECT_FALSE(FormatCaptureLine("two words", "x"));
}

TEST(CaptureProtocol, ReadsLinesAsTheyArrive) {
    const struct {
        const char* Line;
        std::optional<TCaptureMessage> Expected;
    } Cases[] = {
        {"done /tmp/20240131.bmp\r\n", TCaptureMessage{"done", "/tmp/20240131.bmp"}},
        {"completed", TCaptureMessage{"completed", ""}},
        {"capture  two spaces", TCaptureMessage{"capture", " two spaces"}},
        {"\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Line);
        EXPECT_EQ(ParseCaptureLine(Case.Line), Case.Expected);
    }
}

std::vector<std::string> LinesOf(TCaptureLineReader& Reader) {
    std::vector<std::string> Lines;
    while (auto Line = Reader.NextLine()) {
        Lines.push_back(*Line);
    }
    return Lines;
}

TEST(CaptureLineReader, JoinsPiecesIntoLinesAndStopsAtTheLimit) {
    const std::string AtLimit(CaptureLineLimit, 'x');
    const struct {
        const char* Name;
        std::vector<std::string> Pieces;
        std::vector<std::string> Lines;
        bool Readable;
    } Cases[] = {
        {"pieces of one line", {"comp", "let", "ed\n"}, {"completed"}, true},
        {"two lines in one piece, a third begun", {"a\nb\nc"}, {"a", "b"}, true},
        {"empty lines kept", {"\n\n"}, {"", ""}, true},
        {"a line of exactly the limit",
         {AtLimit.substr(0, 100), AtLimit.substr(100) + "\n"},
         {AtLimit},
         true},
        {"one byte past the limit", {AtLimit, "y"}, {}, false},
        {"lines before an overlong one are kept",
         {"done a\n" + AtLimit + "y\nb\n"},
         {"done a"},
         false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCaptureLineReader Reader;
        bool Readable = true;
        for (const std::string& Piece : Case.Pieces) {
            Readable = Reader.Feed(Piece) && Readable;
        }
        EXPECT_EQ(Readable, Case.Readable);
        EXPECT_EQ(Reader.Overflowed(), !Case.Readable);
        EXPECT_EQ(LinesOf(Reader), Case.Lines);
    }
}

TEST(CaptureLineReader, TakesNothingAfterAnOverflow) {
    TCaptureLineReader Reader;
    EXPECT_FALSE(Reader.Feed(std::string(CaptureLineLimit + 1, 'x')));
    EXPECT_FALSE(Reader.Feed("completed\n"));
    EXPECT_FALSE(Reader.NextLine());
}

} // namespace
