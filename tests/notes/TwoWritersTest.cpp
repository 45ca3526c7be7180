// Two processes that save at the same time take turns: every change of both is kept.

#include "notes/UNotesFile.h"
#include "platform/ProfileFile.h"

#include "NotesTestFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int WritesEach = 100;

// Runs Write(Writer, I) for I = 0 .. WritesEach - 1 in two processes at once, both started
// together; true when both ended normally.
bool RunTwoWriters(const std::function<void(int Writer, int I)>& Write) {
    int Start[2];
    if (pipe(Start) != 0) {
        return false;
    }
    pid_t Children[2];
    for (int Writer = 0; Writer < 2; ++Writer) {
        Children[Writer] = fork();
        if (Children[Writer] < 0) {
            return false;
        }
        if (Children[Writer] == 0) {
            close(Start[1]);
            char Byte = 0;
            (void)!read(Start[0], &Byte, 1);
            for (int I = 0; I < WritesEach; ++I) {
                Write(Writer, I);
            }
            _exit(0);
        }
    }
    close(Start[0]);
    close(Start[1]); // both children see the end of the pipe and start
    bool Ok = true;
    for (const pid_t Child : Children) {
        int Status = 0;
        Ok = waitpid(Child, &Status, 0) == Child && WIFEXITED(Status) && WEXITSTATUS(Status) == 0 &&
             Ok;
    }
    return Ok;
}

std::string NameOf(int Writer, int I) {
    return "w" + std::to_string(Writer) + "-" + std::to_string(I);
}

} // namespace

class TwoWriters : public NotesTestFolder {};

TEST_F(TwoWriters, KeepEveryNoteOfBoth) {
    const std::string FileName = notes::NotesFileName();
    notes::WriteSampleNotes(FileName);
    ASSERT_TRUE(RunTwoWriters([&](int Writer, int I) {
        notes::SaveTodayNotes(FileName, {{NameOf(Writer, I), "", false, "内容"}});
    }));
    const notes::TNotesRead Read = notes::LoadNotes(FileName, true);
    ASSERT_TRUE(Read.Ok);
    EXPECT_EQ(Read.Notes.size(), 2u * WritesEach);
}

TEST_F(TwoWriters, KeepEverySettingOfBoth) {
    const std::string FileName = PathOf("Config.ini");
    ASSERT_TRUE(RunTwoWriters([&](int Writer, int I) {
        platform::WriteProfileString(FileName, "NoteSet", NameOf(Writer, I), "1");
    }));
    int Kept = 0;
    for (int Writer = 0; Writer < 2; ++Writer) {
        for (int I = 0; I < WritesEach; ++I) {
            Kept += platform::ReadProfileInteger(FileName, "NoteSet", NameOf(Writer, I), 0);
        }
    }
    EXPECT_EQ(Kept, 2 * WritesEach);
}
