#include "notes/UNotesFile.h"

#include "NotesTestFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class NotesCrash : public NotesTestFolder {};

// A child process saves in a loop, switching one note between two versions, and is killed
// at random moments. After every kill the file must parse and hold one of the two versions.
TEST_F(NotesCrash, AKilledSaveLeavesTheOldOrTheNewFile) {
    const std::string FileName = notes::NotesFileName();
    notes::WriteSampleNotes(FileName);
    const notes::TNote Versions[] = {{"便签", "2024-05-01 09:00", true, "旧的内容"},
                                     {"便签", "2024-05-01 10:00", false, "新的内容"}};
    notes::SaveTodayNotes(FileName, {Versions[0]});
    const std::string Id = notes::LoadNotes(FileName, true).Notes.at(0).Id;

    std::mt19937 Random(20240501);
    std::uniform_int_distribution<int> Delay(0, 15000);
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(25);
    int Kills = 0;
    while (Kills < 300 && std::chrono::steady_clock::now() < Deadline) {
        const pid_t Child = fork();
        ASSERT_GE(Child, 0);
        if (Child == 0) {
            for (unsigned I = 0;; ++I) {
                notes::SaveTodayNotes(FileName, {Versions[I % 2]});
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(Delay(Random)));
        kill(Child, SIGKILL);
        int Status = 0;
        ASSERT_EQ(waitpid(Child, &Status, 0), Child);
        ASSERT_TRUE(WIFSIGNALED(Status)) << "the saving child ended by itself";
        ++Kills;

        const notes::TNotesRead Read = notes::LoadNotes(FileName, true);
        ASSERT_TRUE(Read.Ok) << "after kill " << Kills;
        ASSERT_EQ(Read.Notes.size(), 1u) << "after kill " << Kills;
        // Either version, always with the identity the first save gave it.
        notes::TNote Found = Read.Notes[0];
        ASSERT_EQ(Found.Id, Id) << "after kill " << Kills;
        Found.Id.clear();
        ASSERT_TRUE(Found == Versions[0] || Found == Versions[1]) << "after kill " << Kills;
    }
    EXPECT_GE(Kills, 50);

    // The temporary files of the killed saves are gone after the next save.
    notes::SaveTodayNotes(FileName, {Versions[0]});
    EXPECT_TRUE(TemporaryFilesIn(Folder).empty());
}
