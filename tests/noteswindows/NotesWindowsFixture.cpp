#include "NotesWindowsFixture.h"

#include "common/ErrorReport.h"
#include "common/WindowReferences.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteHis.h"
#include "notes/windows/UNoteList.h"
#include "notes/windows/UNoteset.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>

#include <fstream>

void TNotesWindowsTest::SetUp() {
    ASSERT_TRUE(Folder.isValid());
    platform::SetDataFolder(Folder.path().toStdString());
    SetNow(2024, 5, 1);
    platform::SetClock([this] { return Now; });
    notes::NotePosition = 0;
    notes::NoteAlarmOn = 0;
    notes::NoteBlend = 10;
    SetErrorReporter([this](const QString& Text) { Errors << Text; });
}

void TNotesWindowsTest::TearDown() {
    delete frmNoteAdd;
    delete frmNoteHis;
    delete frmNoteSet;
    delete frmNoteList;
    RunDeferredDeletes();
    SetErrorReporter({});
    platform::SetClock({});
    platform::SetDataFolder({});
}

void TNotesWindowsTest::SetNow(int Year, int Month, int Day, int Hour, int Minute, int Second) {
    Now = EncodeDateTime(Year, Month, Day, Hour, Minute, Second);
}

void TNotesWindowsTest::WriteSettingsFile(const std::string& Text) const {
    std::ofstream(notes::SettingsFileName(), std::ios::binary) << Text;
}

void TNotesWindowsTest::WriteNotesFile(const std::string& Text) const {
    std::ofstream(notes::NotesFileName(), std::ios::binary) << Text;
}

std::string TNotesWindowsTest::ReadNotesFile() const {
    std::ifstream In(notes::NotesFileName(), std::ios::binary);
    return {std::istreambuf_iterator<char>(In), {}};
}

void TNotesWindowsTest::SaveToday(const std::vector<notes::TNote>& Notes) const {
    if (!QFileInfo::exists(QString::fromStdString(NotesFile()))) {
        notes::WriteSampleNotes(NotesFile());
    }
    notes::SaveTodayNotes(NotesFile(), Notes);
}

void TNotesWindowsTest::RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
