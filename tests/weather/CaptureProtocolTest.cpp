#include "weather/CaptureProtocol.h"

#include <gtest/gtest.h>

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

} // namespace
