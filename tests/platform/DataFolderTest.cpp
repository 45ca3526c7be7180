#include "platform/DataFolder.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

// Sets or unsets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* Name, std::optional<std::string> Value) : FName(Name) {
        if (const char* Old = std::getenv(Name)) {
            FOld = Old;
        }
        Set(Value);
    }
    ~ScopedVariable() { Set(FOld); }

private:
    void Set(const std::optional<std::string>& Value) {
        if (Value) {
            setenv(FName, Value->c_str(), 1);
        } else {
            unsetenv(FName);
        }
    }

    const char* FName;
    std::optional<std::string> FOld;
};

} // namespace

TEST(DataFolder, FollowsXdgDataHomeOrFallsBackToTheHomeFolder) {
    struct Case {
        std::optional<std::string> DataHome;
        const char* Expected;
    };
    const Case Cases[] = {
        {"/data/home", "/data/home/RuxaCalendar/"},
        {"/data/home/", "/data/home/RuxaCalendar/"},
        {"", "/home/someone/.local/share/RuxaCalendar/"},
        {std::nullopt, "/home/someone/.local/share/RuxaCalendar/"},
    };
    const ScopedVariable Home("HOME", "/home/someone");
    for (const Case& C : Cases) {
        const ScopedVariable DataHome("XDG_DATA_HOME", C.DataHome);
        EXPECT_EQ(platform::DataFolder(), C.Expected) << C.DataHome.value_or("(unset)");
    }
}

class DataFolderOnDisk : public TempFolder {};

TEST_F(DataFolderOnDisk, IsCreatedWithItsMissingParents) {
    platform::SetDataFolder({});
    const ScopedVariable DataHome("XDG_DATA_HOME", (Folder / "no" / "such").string());
    ASSERT_TRUE(platform::EnsureDataFolder());
    EXPECT_TRUE(std::filesystem::is_directory(Folder / "no" / "such" / "RuxaCalendar"));
}
