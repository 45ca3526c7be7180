#pragma once

// Runs ruxa-cal as a function, with a fixed today, the shipped holiday table and a notes
// file in a temporary folder.

#include "TempFolder.h"
#include "platform/HolidayFiles.h"
#include "terminal/RuxaCal.h"

#include <sstream>
#include <string>
#include <vector>

struct TCalRun {
    int Status = 0;
    std::string Out;
    std::string Err;
};

class RuxaCalTest : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        Surroundings.Now = EncodeDateTime(2024, 2, 10, 9, 30, 0);
        Surroundings.ZoneName = "Asia/Shanghai";
        Surroundings.NotesFile = (Folder / "Notes.xml").string();
        Surroundings.Holidays = ReadHolidayFiles(ShippedHolidayFile(), "");
    }

    TCalRun Run(const std::vector<std::string>& Args) const {
        std::ostringstream Out;
        std::ostringstream Err;
        TCalRun Result;
        Result.Status = RunRuxaCal(Args, Surroundings, Out, Err);
        Result.Out = Out.str();
        Result.Err = Err.str();
        return Result;
    }

    void WriteNotes(const std::string& Text) const { WriteBytes(Surroundings.NotesFile, Text); }

    TCalSurroundings Surroundings;
};
