#pragma once

// Runs ruxa-cal as a function, with a fixed today, the shipped holiday table and a notes
// file in a temporary folder.

#include "calendar/HolidayFiles.h"
#include "terminal/RuxaCal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct TCalRun {
    int Status = 0;
    std::string Out;
    std::string Err;
};

class RuxaCalTest : public testing::Test {
protected:
    void SetUp() override {
        std::string Template =
            (std::filesystem::temp_directory_path() / "ruxa-cal-XXXXXX").string();
        ASSERT_NE(mkdtemp(Template.data()), nullptr);
        Folder = Template;
        Surroundings.Now = EncodeDateTime(2024, 2, 10, 9, 30, 0);
        Surroundings.ZoneName = "Asia/Shanghai";
        Surroundings.NotesFile = (Folder / "Notes.xml").string();
        Surroundings.Holidays = ReadHolidayFiles(ShippedHolidayFile(), "");
    }

    void TearDown() override { std::filesystem::remove_all(Folder); }

    TCalRun Run(const std::vector<std::string>& Args) const {
        std::ostringstream Out;
        std::ostringstream Err;
        TCalRun Result;
        Result.Status = RunRuxaCal(Args, Surroundings, Out, Err);
        Result.Out = Out.str();
        Result.Err = Err.str();
        return Result;
    }

    void WriteNotes(const std::string& Text) const {
        std::ofstream(Surroundings.NotesFile, std::ios::binary) << Text;
    }

    std::filesystem::path Folder;
    TCalSurroundings Surroundings;
};
