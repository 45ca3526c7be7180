// A settings save killed at any moment leaves the three keys of one save, never a mix.

#include "notes/UNoteSettings.h"

#include "NotesTestFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

class SettingsKill : public NotesTestFolder {};

TEST_F(SettingsKill, AKilledSaveLeavesOneSavesKeys) {
    constexpr int Kills = 60;
    const notes::TNoteSettings First{1, 1, 1};
    const notes::TNoteSettings Second{2, 0, 2};
    const notes::TNoteSettings NoneYet{};
    std::mt19937 Random(19);
    std::uniform_int_distribution<int> Delay(0, 60000);
    for (int Kill = 0; Kill < Kills; ++Kill) {
        const pid_t Saver = ::fork();
        ASSERT_GE(Saver, 0);
        if (Saver == 0) {
            for (int I = 0;; ++I) {
                const notes::TNoteSettings& S = I % 2 == 0 ? First : Second;
                notes::SaveSettings(S.Position, S.Alarm != 0, S.Blend);
            }
        }
        ::usleep(static_cast<useconds_t>(Delay(Random)));
        ::kill(Saver, SIGKILL);
        ::waitpid(Saver, nullptr, 0);
        const notes::TNoteSettings Read = notes::ReadNoteSettings();
        EXPECT_TRUE(Read == First || Read == Second || Read == NoneYet)
            << "kill " << Kill << ": " << Read.Position << "," << Read.Alarm << "," << Read.Blend;
    }
}
