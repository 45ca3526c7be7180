// Another process that holds a data file's lock for long: every save gives up after a short
// wait, says in Chinese that the file is busy, and leaves the file as it was.

#include "notes/UNoteSettings.h"
#include "notes/UNotesFile.h"
#include "platform/FileLock.h"

#include "NotesTestFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Holds the lock of File as another process would: an open file description of its own.
class THeldLock {
public:
    explicit THeldLock(const std::string& File)
        : FFd(::open((File + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        EXPECT_EQ(::flock(FFd, LOCK_EX | LOCK_NB), 0);
    }
    ~THeldLock() { ::close(FFd); }
    THeldLock(const THeldLock&) = delete;
    THeldLock& operator=(const THeldLock&) = delete;

private:
    int FFd;
};

const char* const Busy = "正被另一个程序使用";

} // namespace

class HeldLock : public NotesTestFolder {};

TEST_F(HeldLock, EverySaveGivesUpSayingTheFileIsBusy) {
    const std::string Notes = notes::NotesFileName();
    notes::WriteSampleNotes(Notes);
    const std::string Before = ReadBytes(Notes);
    struct Case {
        const char* What;
        std::string File;
        std::function<void()> Save;
    };
    const Case Cases[] = {
        {"the editor's OK", Notes,
         [&] {
             notes::SaveTodayNotes(Notes, {{"开会", "2024-05-01 14:00", true, "三楼"}});
         }},
        {"a deletion", Notes, [&] { notes::DeleteNote(Notes, "测试"); }},
        {"the settings", notes::SettingsFileName(), [] { notes::SaveSettings(2, true, 5); }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        const THeldLock Held(C.File);
        const std::string Error = ErrorOf(C.Save);
        EXPECT_NE(Error.find(Busy), std::string::npos) << Error;
        EXPECT_NE(Error.find(C.File), std::string::npos) << Error;
    }
    EXPECT_EQ(ReadBytes(Notes), Before);
    EXPECT_FALSE(std::filesystem::exists(notes::SettingsFileName()));

    // The first show of the editor writes the sample file when there is none.
    std::filesystem::remove(Notes);
    const THeldLock Held(Notes);
    EXPECT_NE(ErrorOf([&] { notes::WriteSampleNotes(Notes); }).find(Busy), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Notes));
}
