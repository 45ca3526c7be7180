#include "platform/RunningInstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace std::chrono_literals;

class RunningInstanceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Runtime.isValid());
        const char* Before = std::getenv("XDG_RUNTIME_DIR");
        if (Before != nullptr)
            Saved = Before;
        setenv("XDG_RUNTIME_DIR", Runtime.path().toLocal8Bit().constData(), 1);
    }

    void TearDown() override {
        if (Saved)
            setenv("XDG_RUNTIME_DIR", Saved->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }

    QTemporaryDir Runtime;
    std::optional<std::string> Saved;
};

TEST_F(RunningInstanceTest, ALaterStartFindsThePlaceTakenAndKnocksOnTheDoor) {
    bool HeldElsewhere = true;
    std::optional<platform::TRunningInstance> First =
        platform::TRunningInstance::Claim("calendar", HeldElsewhere);
    ASSERT_TRUE(First);
    EXPECT_FALSE(HeldElsewhere);
    EXPECT_EQ(platform::RuntimeFolder(), Runtime.path().toStdString() + "/");
    ASSERT_GE(First->DoorDescriptor(), 0);
    EXPECT_EQ(First->TakeKnocks(), 0);

    EXPECT_FALSE(platform::TRunningInstance::Claim("calendar", HeldElsewhere));
    EXPECT_TRUE(HeldElsewhere);
    EXPECT_TRUE(platform::TRunningInstance::Knock("calendar", 0ms));
    EXPECT_TRUE(platform::TRunningInstance::Knock("calendar", 0ms));
    EXPECT_EQ(First->TakeKnocks(), 2);
    EXPECT_EQ(First->TakeKnocks(), 0);

    // Another program's name is another place.
    EXPECT_TRUE(platform::TRunningInstance::Claim("other", HeldElsewhere));
}

TEST_F(RunningInstanceTest, FilesLeftByAKilledHolderDoNotBlockTheNextStart) {
    // A killed holder leaves its lock file and socket behind; the kernel dropped the lock.
    QFile(Runtime.filePath("calendar.lock")).open(QIODevice::WriteOnly);
    QFile(Runtime.filePath("calendar.socket")).open(QIODevice::WriteOnly);
    EXPECT_FALSE(platform::TRunningInstance::Knock("calendar", 100ms));

    bool HeldElsewhere = true;
    std::optional<platform::TRunningInstance> Next =
        platform::TRunningInstance::Claim("calendar", HeldElsewhere);
    ASSERT_TRUE(Next);
    EXPECT_TRUE(platform::TRunningInstance::Knock("calendar", 0ms));
    EXPECT_EQ(Next->TakeKnocks(), 1);

    Next.reset();
    EXPECT_FALSE(QFile::exists(Runtime.filePath("calendar.socket")));
    EXPECT_TRUE(platform::TRunningInstance::Claim("calendar", HeldElsewhere));
}

} // namespace
