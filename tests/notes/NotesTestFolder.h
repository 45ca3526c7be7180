#pragma once

// A fresh temporary data folder and a fixed clock for each test; both are put back after.

#include "calendar/UDateTime.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class NotesTestFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string Template =
            (std::filesystem::temp_directory_path() / "ruxa-notes-XXXXXX").string();
        ASSERT_NE(mkdtemp(Template.data()), nullptr);
        Folder = Template;
        platform::SetDataFolder(Folder);
        SetToday(2024, 5, 1);
    }

    void TearDown() override {
        platform::SetClock({});
        platform::SetDataFolder({});
        std::filesystem::remove_all(Folder);
    }

    static void SetToday(int Year, int Month, int Day, int Hour = 9) {
        const TDateTime Now = EncodeDateTime(Year, Month, Day, Hour, 30, 0);
        platform::SetClock([Now] { return Now; });
    }

    std::string PathOf(const std::string& Name) const { return (Folder / Name).string(); }

    static void WriteBytes(const std::string& Path, const std::string& Bytes) {
        std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
        Out << Bytes;
    }

    static std::string ReadBytes(const std::string& Path) {
        std::ifstream In(Path, std::ios::binary);
        std::ostringstream Bytes;
        Bytes << In.rdbuf();
        return Bytes.str();
    }

    std::filesystem::path Folder;
};
