// The autostart entry: where it goes, what its Exec line starts, and that switching it off
// leaves nothing behind.

#include "platform/SessionStart.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

class SessionStartTest : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        Keep("XDG_CONFIG_HOME", FConfig);
        Keep("HOME", FHome);
        setenv("XDG_CONFIG_HOME", PathOf("config").c_str(), 1);
    }

    void TearDown() override {
        Restore("XDG_CONFIG_HOME", FConfig);
        Restore("HOME", FHome);
        TempFolder::TearDown();
    }

private:
    static void Keep(const char* Name, std::optional<std::string>& Value) {
        const char* Now = std::getenv(Name);
        Value = Now != nullptr ? std::optional<std::string>(Now) : std::nullopt;
    }
    static void Restore(const char* Name, const std::optional<std::string>& Value) {
        Value ? setenv(Name, Value->c_str(), 1) : unsetenv(Name);
    }

    std::optional<std::string> FConfig;
    std::optional<std::string> FHome;
};

} // namespace

TEST_F(SessionStartTest, TheSwitchWritesAndRemovesTheEntryInTheConfigFolder) {
    const std::string Entry = PathOf("config") + "/autostart/ruxa-calendar.desktop";
    EXPECT_EQ(platform::SessionStartEntryPath(), Entry);
    EXPECT_FALSE(platform::StartsWithSession());
    std::string Error;
    ASSERT_TRUE(platform::WriteSessionStartEntry("/usr/bin/ruxa-calendar", Error)) << Error;
    EXPECT_TRUE(platform::StartsWithSession());
    const std::string Text = ReadBytes(Entry);
    EXPECT_NE(Text.find("\nExec=\"/usr/bin/ruxa-calendar\" --autostart\n"), std::string::npos)
        << Text;
    EXPECT_TRUE(Text.starts_with("[Desktop Entry]\nType=Application\n"));
    EXPECT_TRUE(TemporaryFilesIn(PathOf("config") + "/autostart").empty());

    ASSERT_TRUE(platform::RemoveSessionStartEntry(Error)) << Error;
    EXPECT_FALSE(platform::StartsWithSession());
    EXPECT_TRUE(platform::RemoveSessionStartEntry(Error)) << "an entry already gone is no fault";
}

TEST_F(SessionStartTest, AnyProgramPathStaysOneArgumentOfTheExecLine) {
    // Quoted for the Exec line ("$`\ escaped), then as a string value (\ and % doubled).
    EXPECT_NE(platform::SessionStartEntryText("/opt/my \"cal\" $HOME `x` 100%\\bin/ruxa-calendar")
                  .find("\nExec=\"/opt/my \\\\\"cal\\\\\" \\\\$HOME \\\\`x\\\\` 100%%\\\\\\\\bin/"
                        "ruxa-calendar\" --autostart\n"),
              std::string::npos);
}

TEST_F(SessionStartTest, WithoutAnAbsoluteConfigFolderTheEntryGoesUnderHome) {
    setenv("HOME", PathOf("home").c_str(), 1);
    for (const char* Config : {"", "relative/config"}) {
        setenv("XDG_CONFIG_HOME", Config, 1);
        EXPECT_EQ(platform::SessionStartEntryPath(),
                  PathOf("home") + "/.config/autostart/ruxa-calendar.desktop");
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(platform::SessionStartEntryPath(),
              PathOf("home") + "/.config/autostart/ruxa-calendar.desktop");
}
