#include "TempFolder.h"

#include "platform/DataFolder.h"
#include "platform/RunningInstance.h"

#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A user id that is not this process's.
constexpr uid_t OtherUser = 65534;

using TClaim = platform::TRunningInstance::TClaim;

class RunningInstanceTest : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        std::filesystem::create_directories(PathOf("data"));
        std::filesystem::create_directories(PathOf("run"));
        ::chmod(PathOf("run").c_str(), 0700);
        platform::SetDataFolder(PathOf("data"));
        const char* Before = std::getenv("XDG_RUNTIME_DIR");
        if (Before != nullptr)
            Saved = Before;
        UseRuntime(PathOf("run"));
    }

    void TearDown() override {
        platform::SetDataFolder("");
        if (Saved)
            ::setenv("XDG_RUNTIME_DIR", Saved->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
        TempFolder::TearDown();
    }

    static void UseRuntime(const std::string& Folder) {
        ::setenv("XDG_RUNTIME_DIR", Folder.c_str(), 1);
    }

    // Runs Work in a child process as another user; its exit status.
    template <typename TWork> static int AsOtherUser(TWork Work) {
        const pid_t Child = ::fork();
        if (Child == 0) {
            if (::setgid(OtherUser) != 0 || ::setuid(OtherUser) != 0)
                ::_exit(99);
            ::_exit(Work());
        }
        int Status = 0;
        ::waitpid(Child, &Status, 0);
        return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    }

    std::optional<std::string> Saved;
};

TEST_F(RunningInstanceTest, ALaterStartFindsThePlaceTakenAndKnocksOnTheDoor) {
    TClaim First = platform::TRunningInstance::Claim("calendar");
    ASSERT_TRUE(First.Instance);
    EXPECT_FALSE(First.HeldElsewhere);
    EXPECT_EQ(First.Instance->LockPath(), PathOf("data") + "/calendar.lock");
    ASSERT_GE(First.Instance->DoorDescriptor(), 0);
    EXPECT_EQ(First.Instance->DoorFault(), "");
    EXPECT_EQ(First.Instance->TakeKnocks(10), 0);

    TClaim Second = platform::TRunningInstance::Claim("calendar");
    EXPECT_FALSE(Second.Instance);
    ASSERT_TRUE(Second.HeldElsewhere);
    EXPECT_TRUE(platform::TRunningInstance::Knock(Second.Door));
    EXPECT_TRUE(platform::TRunningInstance::Knock(Second.Door));
    EXPECT_EQ(First.Instance->TakeKnocks(10), 2);
    EXPECT_EQ(First.Instance->TakeKnocks(10), 0);

    // Another program's name is another place.
    EXPECT_TRUE(platform::TRunningInstance::Claim("other").Instance);
}

TEST_F(RunningInstanceTest, OneDataFolderHasOneInstanceWhateverTheRuntimeFolder) {
    TClaim Desktop = platform::TRunningInstance::Claim("calendar");
    ASSERT_TRUE(Desktop.Instance);
    // A terminal session: another runtime folder, the same notes.
    std::filesystem::create_directories(PathOf("run2"));
    UseRuntime(PathOf("run2"));
    TClaim Terminal = platform::TRunningInstance::Claim("calendar");
    EXPECT_FALSE(Terminal.Instance);
    EXPECT_TRUE(Terminal.HeldElsewhere);
    EXPECT_TRUE(platform::TRunningInstance::Knock(Terminal.Door));

    // Another data folder is another calendar.
    std::filesystem::create_directories(PathOf("data2"));
    platform::SetDataFolder(PathOf("data2"));
    EXPECT_TRUE(platform::TRunningInstance::Claim("calendar").Instance);
}

TEST_F(RunningInstanceTest, AKnockFloodIsLetInAFewAtATime) {
    TClaim First = platform::TRunningInstance::Claim("calendar");
    ASSERT_TRUE(First.Instance);
    const std::string Door = platform::TRunningInstance::Claim("calendar").Door;
    for (int I = 0; I < 40; ++I)
        ASSERT_TRUE(platform::TRunningInstance::Knock(Door));
    EXPECT_EQ(First.Instance->TakeKnocks(16), 16);
    EXPECT_EQ(First.Instance->TakeKnocks(16), 16);
    EXPECT_EQ(First.Instance->TakeKnocks(16), 8);
}

// Whatever stands in the data folder's place of the lock file, or whoever owns the folder,
// the lock is taken in a folder that is ours, and a second start still finds it there.
TEST_F(RunningInstanceTest, ALockThatCannotBeTakenInTheDataFolderIsTakenInTheRuntimeFolder) {
    struct Case {
        const char* What;
        std::function<void(const std::filesystem::path& Root)> Spoil;
    };
    const Case Cases[] = {
        {"a folder",
         [](const std::filesystem::path& Root) {
             std::filesystem::create_directories((Root / "data/calendar.lock").string());
         }},
        {"a link",
         [](const std::filesystem::path& Root) {
             WriteBytes((Root / "target").string(), "");
             std::filesystem::create_symlink((Root / "target").string(),
                                             (Root / "data/calendar.lock").string());
         }},
        {"a dangling link",
         [](const std::filesystem::path& Root) {
             std::filesystem::create_symlink((Root / "nowhere").string(),
                                             (Root / "data/calendar.lock").string());
         }},
        {"a FIFO",
         [](const std::filesystem::path& Root) {
             ::mkfifo((Root / "data/calendar.lock").string().c_str(), 0600);
         }},
        {"another user's file",
         [](const std::filesystem::path& Root) {
             WriteBytes((Root / "data/calendar.lock").string(), "");
             ASSERT_EQ(
                 ::chown((Root / "data/calendar.lock").string().c_str(), OtherUser, OtherUser), 0);
         }},
        {"a file others may write",
         [](const std::filesystem::path& Root) {
             WriteBytes((Root / "data/calendar.lock").string(), "");
             ::chmod((Root / "data/calendar.lock").string().c_str(), 0666);
         }},
        {"another user's data folder",
         [](const std::filesystem::path& Root) {
             ASSERT_EQ(::chown((Root / "data").string().c_str(), OtherUser, OtherUser), 0);
         }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        std::filesystem::remove_all(PathOf("data"));
        std::filesystem::create_directories(PathOf("data"));
        C.Spoil(Folder);
        TClaim First = platform::TRunningInstance::Claim("calendar");
        ASSERT_TRUE(First.Instance) << First.Fault;
        EXPECT_EQ(First.Instance->LockPath().rfind(PathOf("run") + "/calendar-", 0), 0u)
            << First.Instance->LockPath();
        TClaim Second = platform::TRunningInstance::Claim("calendar");
        EXPECT_TRUE(Second.HeldElsewhere);
        EXPECT_TRUE(platform::TRunningInstance::Knock(Second.Door));
    }
}

TEST_F(RunningInstanceTest, ASharedRuntimeFolderIsUsedThroughAPrivateFolderOfOurs) {
    std::filesystem::create_directories(PathOf("data/calendar.lock"));
    ::chmod(PathOf("run").c_str(), 01777);
    ASSERT_EQ(::chown(PathOf("run").c_str(), OtherUser, OtherUser), 0);
    TClaim First = platform::TRunningInstance::Claim("calendar");
    ASSERT_TRUE(First.Instance) << First.Fault;
    const std::string Private = PathOf("run") + "/calendar-" + std::to_string(::geteuid()) + "/";
    EXPECT_EQ(First.Instance->LockPath().rfind(Private, 0), 0u) << First.Instance->LockPath();
    struct stat Info {};
    ASSERT_EQ(::stat(Private.c_str(), &Info), 0);
    EXPECT_EQ(Info.st_mode & 0777, 0700u);
}

// Never a calendar without the lock: no place at all is a fault the caller is told.
TEST_F(RunningInstanceTest, WithNoPlaceOfOursThereIsNoInstanceAndTheReason) {
    struct Case {
        const char* What;
        std::function<void(const std::filesystem::path& Root)> Spoil;
    };
    const Case Cases[] = {
        {"an unwritable runtime folder", [](const std::filesystem::path&) { UseRuntime("/proc"); }},
        {"another user's folder in a shared one",
         [](const std::filesystem::path& Root) {
             ::chmod((Root / "run").string().c_str(), 01777);
             ASSERT_EQ(::chown((Root / "run").string().c_str(), OtherUser, OtherUser), 0);
             const std::string Private =
                 (Root / "run").string() + "/calendar-" + std::to_string(::geteuid());
             std::filesystem::create_directories(Private);
             ASSERT_EQ(::chown(Private.c_str(), OtherUser, OtherUser), 0);
         }},
        {"a link in a shared one",
         [](const std::filesystem::path& Root) {
             ::chmod((Root / "run").string().c_str(), 01777);
             ASSERT_EQ(::chown((Root / "run").string().c_str(), OtherUser, OtherUser), 0);
             std::filesystem::create_symlink((Root / "data").string(),
                                             (Root / "run").string() + "/calendar-" +
                                                 std::to_string(::geteuid()));
         }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        std::filesystem::remove_all(PathOf("run"));
        std::filesystem::create_directories(PathOf("run"));
        ::chmod(PathOf("run").c_str(), 0700);
        UseRuntime(PathOf("run"));
        std::filesystem::create_directories(PathOf("data/calendar.lock"));
        C.Spoil(Folder);
        TClaim Claim = platform::TRunningInstance::Claim("calendar");
        EXPECT_FALSE(Claim.Instance);
        EXPECT_FALSE(Claim.HeldElsewhere);
        EXPECT_NE(Claim.Fault, "");
    }
}

TEST_F(RunningInstanceTest, AHolderWithoutADoorIsGivenUpOnAtOnce) {
    // A holder that could not open its door says so in the lock file.
    const int Holder = ::open(PathOf("data/calendar.lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(Holder, 0);
    ASSERT_EQ(::flock(Holder, LOCK_EX), 0);
    ASSERT_EQ(::write(Holder, "-\n", 2), 2);
    TClaim Later = platform::TRunningInstance::Claim("calendar");
    EXPECT_TRUE(Later.HeldElsewhere);
    EXPECT_EQ(Later.Door, "");
    EXPECT_FALSE(platform::TRunningInstance::Knock(Later.Door));
    ::close(Holder);

    // A killed holder leaves the name of a door nobody listens at; the lock is free.
    TClaim Next = platform::TRunningInstance::Claim("calendar");
    ASSERT_TRUE(Next.Instance);
    Next.Instance.reset();
    EXPECT_FALSE(platform::TRunningInstance::Knock("calendar-0123456789abcdef"));
}

TEST_F(RunningInstanceTest, KnocksCountOnlyBetweenProcessesOfOneUser) {
    TClaim First = platform::TRunningInstance::Claim("calendar");
    ASSERT_TRUE(First.Instance);
    const std::string Door = platform::TRunningInstance::Claim("calendar").Door;
    // Another user may reach the door; its knock is let in and not counted.
    EXPECT_EQ(AsOtherUser([&] { return platform::TRunningInstance::Knock(Door) ? 1 : 0; }), 0);
    EXPECT_EQ(First.Instance->TakeKnocks(10), 0);

    // Nor does a door of another user's take our knock.
    int Ready[2];
    ASSERT_EQ(::pipe(Ready), 0);
    const pid_t Other = ::fork();
    if (Other == 0) {
        if (::setgid(OtherUser) != 0 || ::setuid(OtherUser) != 0)
            ::_exit(99);
        const int Fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un Address{};
        Address.sun_family = AF_UNIX;
        const std::string Name = "calendar-of-another-user";
        std::memcpy(Address.sun_path + 1, Name.data(), Name.size());
        const auto Length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + Name.size());
        if (::bind(Fd, reinterpret_cast<sockaddr*>(&Address), Length) != 0 || ::listen(Fd, 4) != 0)
            ::_exit(98);
        if (::write(Ready[1], "x", 1) != 1)
            ::_exit(97);
        ::pause();
        ::_exit(0);
    }
    char Byte = 0;
    ASSERT_EQ(::read(Ready[0], &Byte, 1), 1);
    EXPECT_FALSE(platform::TRunningInstance::Knock("calendar-of-another-user"));
    ::kill(Other, SIGKILL);
    ::waitpid(Other, nullptr, 0);
    ::close(Ready[0]);
    ::close(Ready[1]);
}

} // namespace
