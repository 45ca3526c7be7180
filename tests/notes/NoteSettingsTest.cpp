#include "notes/UNoteSettings.h"

#include "NotesTestFolder.h"

#include <gtest/gtest.h>

using notes::TNoteSettings;

class NoteSettings : public NotesTestFolder {
protected:
    void SetUp() override {
        NotesTestFolder::SetUp();
        notes::NotePosition = 0;
        notes::NoteAlarmOn = 0;
        notes::NoteBlend = 10;
    }

    static TNoteSettings Shared() {
        return {notes::NotePosition, notes::NoteAlarmOn, notes::NoteBlend};
    }
};

TEST_F(NoteSettings, StartUpReadTakesTheFileOrTheDefaultsAndWritesNothing) {
    struct Case {
        const char* File; // nullptr: no settings file
        TNoteSettings Expected;
    };
    const Case Cases[] = {
        {nullptr, {0, 0, 10}},
        {"", {0, 0, 10}},
        {"[NoteSet]\nPosition=3\nAlarm=1\nblend=4\n", {3, 1, 4}},
        {"[noteset]\nposition=0x3\nALARM=2\nBlend=0\n", {3, 2, 0}},
        {"[NoteSet]\nPosition=left\nAlarm=\nblend=99999999999\n", {0, 0, 10}},
        {"[Other]\nPosition=3\n", {0, 0, 10}},
    };
    for (const Case& C : Cases) {
        std::filesystem::remove_all(Folder);
        platform::SetDataFolder((Folder / "a" / "b").string());
        if (C.File != nullptr) {
            std::filesystem::create_directories(Folder / "a" / "b");
            WriteBytes(notes::SettingsFileName(), C.File);
        }
        notes::LoadNoteSettings();
        EXPECT_EQ(Shared(), C.Expected) << (C.File ? C.File : "(no file)");
        EXPECT_TRUE(std::filesystem::is_directory(Folder / "a" / "b"));
        EXPECT_EQ(std::filesystem::exists(notes::SettingsFileName()), C.File != nullptr);
        EXPECT_EQ(notes::LoadSettings(), C.Expected);
    }
}

TEST_F(NoteSettings, SaveWritesTheThreeKeysInOrderAndKeepsOtherLines) {
    notes::SaveSettings(-1, true, 7);
    EXPECT_EQ(ReadBytes(notes::SettingsFileName()), "[NoteSet]\nPosition=-1\nAlarm=1\nblend=7\n");
    EXPECT_EQ(Shared(), (TNoteSettings{-1, 1, 7}));

    WriteBytes(notes::SettingsFileName(), "; kept\r\n[NoteSet]\r\nalarm=2\r\n[Other]\r\nx=1\r\n");
    notes::SaveSettings(3, false, 1);
    EXPECT_EQ(ReadBytes(notes::SettingsFileName()),
              "; kept\r\n[NoteSet]\r\nAlarm=0\r\nPosition=3\r\nblend=1\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(notes::LoadSettings(), (TNoteSettings{3, 0, 1}));
}

TEST_F(NoteSettings, AFailedWriteChangesNeitherTheFileNorTheSharedSettings) {
    WriteBytes(PathOf("blocker"), "a file where the data folder should be");
    platform::SetDataFolder(PathOf("blocker") + "/RuxaCalendar");
    notes::NotePosition = 1;
    notes::NoteAlarmOn = 1;
    notes::NoteBlend = 5;
    EXPECT_EQ(ErrorOf([] { notes::SaveSettings(2, false, 9); }),
              "Unable to write to " + PathOf("blocker") + "/RuxaCalendar/Config.ini");
    EXPECT_EQ(Shared(), (TNoteSettings{1, 1, 5}));
}

TEST_F(NoteSettings, AReadOnlySettingsFileIsNotWritten) {
    const std::string FileName = notes::SettingsFileName();
    WriteBytes(FileName, "[NoteSet]\nPosition=1\n");
    std::filesystem::permissions(FileName, std::filesystem::perms::owner_read);
    EXPECT_EQ(ErrorOf([] { notes::SaveSettings(2, true, 9); }), "Unable to write to " + FileName);
    EXPECT_EQ(ReadBytes(FileName), "[NoteSet]\nPosition=1\n");
}

TEST(NoteBlend, OpacityIsTheTruncatedStepTimesTwentyFiveAndAHalf) {
    const int Expected[] = {0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255};
    for (int Blend = 0; Blend <= 10; ++Blend) {
        EXPECT_EQ(notes::BlendOpacity(Blend), Expected[Blend]) << Blend;
    }
    for (const std::int32_t Blend : {11, -1, 256, 2147483647, -2147483647 - 1}) {
        const int Opacity = notes::BlendOpacity(Blend);
        EXPECT_GE(Opacity, 0) << Blend;
        EXPECT_LE(Opacity, 255) << Blend;
    }
}
