#pragma once

// A fresh temporary data folder and a fixed clock for each test; both are put back after.

#include "calendar/UDateTime.h"
#include "notes/NotesError.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"

#include "TempFolder.h"

#include <functional>
#include <string>

class NotesTestFolder : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        platform::SetDataFolder(Folder.string());
        SetToday(2024, 5, 1);
    }

    void TearDown() override {
        platform::SetClock({});
        platform::SetDataFolder({});
        TempFolder::TearDown();
    }

    static void SetToday(int Year, int Month, int Day, int Hour = 9) {
        const TDateTime Now = EncodeDateTime(Year, Month, Day, Hour, 30, 0);
        platform::SetClock([Now] { return Now; });
    }
};

// The text of the error that Change raises; a failure when it raises none.
inline std::string ErrorOf(const std::function<void()>& Change) {
    try {
        Change();
    } catch (const notes::ENotesError& Error) {
        return Error.what();
    }
    ADD_FAILURE() << "the change did not fail";
    return {};
}
