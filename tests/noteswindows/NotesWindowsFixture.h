#pragma once

// A temporary data folder, a settable clock, the shared note settings at their start values
// and a captured error report for every test; the note windows left open are closed after.

#include "calendar/UDateTime.h"
#include "notes/UNotesFile.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class TNotesWindowsTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void SetNow(int Year, int Month, int Day, int Hour = 10, int Minute = 0, int Second = 0);
    // Writes Config.ini with exactly this text.
    void WriteSettingsFile(const std::string& Text) const;
    // Writes Notes.xml with exactly this text (UTF-8 content is declared as such).
    void WriteNotesFile(const std::string& Text) const;
    // Notes.xml's bytes as they are.
    std::string ReadNotesFile() const;
    // Today's notes merged into the file as the editor would (the sample file first when
    // there is none).
    void SaveToday(const std::vector<notes::TNote>& Notes) const;
    std::string NotesFile() const { return notes::NotesFileName(); }

    // Deferred deletions run, so windows closed with "delete on close" are gone.
    static void RunDeferredDeletes();

    QTemporaryDir Folder;
    TDateTime Now;
    QStringList Errors;
};
