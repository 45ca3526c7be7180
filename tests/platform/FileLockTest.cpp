// The advisory lock that guards every read-modify-write of the data files.

#include "platform/FileLock.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::TFileLock;

class FileLockTest : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        Path = PathOf("Notes.xml.lock");
    }

    std::string Path;
    std::string Error;
};

TEST_F(FileLockTest, AHeldLockRefusesASecondHolderUntilReleased) {
    {
        auto First = TFileLock::Take(Path, TFileLock::TWait::No, Error);
        ASSERT_TRUE(First.has_value()) << Error;
        EXPECT_FALSE(TFileLock::Take(Path, TFileLock::TWait::No, Error).has_value());
        EXPECT_NE(Error.find(Path), std::string::npos);
        TFileLock Moved = std::move(*First);
        EXPECT_FALSE(TFileLock::Take(Path, TFileLock::TWait::No, Error).has_value());
    }
    EXPECT_TRUE(TFileLock::Take(Path, TFileLock::TWait::No, Error).has_value()) << Error;
}

TEST_F(FileLockTest, ALockLeftByAKilledProcessIsFree) {
    int Ready[2];
    ASSERT_EQ(pipe(Ready), 0);
    const pid_t Child = fork();
    ASSERT_GE(Child, 0);
    if (Child == 0) {
        std::string ChildError;
        auto Held = TFileLock::Take(Path, TFileLock::TWait::No, ChildError);
        const char Byte = Held ? '1' : '0';
        (void)!write(Ready[1], &Byte, 1);
        pause();
        _exit(0);
    }
    char Byte = 0;
    ASSERT_EQ(read(Ready[0], &Byte, 1), 1);
    ASSERT_EQ(Byte, '1');
    EXPECT_FALSE(TFileLock::Take(Path, TFileLock::TWait::No, Error).has_value());
    kill(Child, SIGKILL);
    waitpid(Child, nullptr, 0);
    close(Ready[0]);
    close(Ready[1]);
    EXPECT_TRUE(TFileLock::Take(Path, TFileLock::TWait::UntilFree, Error).has_value()) << Error;
}

TEST_F(FileLockTest, AMissingFolderIsAnErrorNotAHang) {
    EXPECT_FALSE(
        TFileLock::Take((Folder / "no" / "such.lock").string(), TFileLock::TWait::UntilFree, Error)
            .has_value());
    EXPECT_NE(Error.find("Cannot open"), std::string::npos);
}

} // namespace
