// The alarm's decisions across runs of the program: missed reminders, reminders that must not
// come twice, snoozes, on the injectable clock with the remembered file in a temporary data
// folder. Each case is a line of steps: "run" starts the program again (a new watch reading
// the remembered file), "tick yyyy-mm-dd hh:nn" is a tick at that minute, "off ..." a tick
// with reminders off, "snooze TITLE" and "done TITLE" the user's answers to a reminder that
// has come, "delete" empties the notes file.

#include "notes/ReminderWatch.h"
#include "notes/UNotesFile.h"
#include "platform/Files.h"

#include "NotesFixtures.h"
#include "NotesTestFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <vector>

using notes::TReminderMoment;
using notes::TReminderWatch;

namespace {

std::string Note(const std::string& Title, const std::string& When, const char* Remind = "是") {
    return NoteElements(Title, When, Remind, "");
}

// A note that repeats by Rule, its reminder Advance minutes before each occurrence.
std::string Repeating(const std::string& Title, const std::string& When, const std::string& Rule,
                      int Advance = 0) {
    return NoteElements(Title, When, "是", "") + "<重复>" + Rule + "</重复><提前>" +
           std::to_string(Advance) + "</提前>";
}

class ReminderWatchTest : public NotesTestFolder {
protected:
    // Runs the steps and returns what came: "missed|due|again <minute> <title>", in order.
    std::vector<std::string> Run(const std::vector<std::string>& Steps) {
        std::unique_ptr<TReminderWatch> Watch;
        std::vector<std::string> Came;
        std::vector<TReminderMoment> Ringing;
        std::string Minute;
        for (const std::string& Step : Steps) {
            std::istringstream Words(Step);
            std::string Verb;
            Words >> Verb;
            std::string Rest;
            std::getline(Words, Rest);
            Rest.erase(0, Rest.find_first_not_of(' '));
            if (Verb == "delete") {
                WriteNotes({});
            } else if (Verb == "run") {
                Watch = std::make_unique<TReminderWatch>(MemoryFile());
            } else if (Verb == "snooze" || Verb == "done") {
                for (const TReminderMoment& Reminder : Ringing) {
                    if (Reminder.Title == Rest) {
                        Verb == "snooze" ? Watch->Snooze(Reminder, Minute) : Watch->Done(Reminder);
                    }
                }
            } else {
                Minute = Rest;
                SetMinute(Minute);
                const bool Watching = Verb == "tick";
                const notes::TNoteAlarms Alarms =
                    notes::ReadTodayAlarms(notes::NotesFileName()).Alarms;
                const notes::TReminderTick Tick =
                    Watch->Tick(Minute, Watching, notes::NotesFileName(), Alarms);
                const auto Add = [&](const char* Kind, const std::vector<TReminderMoment>& List) {
                    for (const TReminderMoment& Reminder : List) {
                        Came.push_back(std::string(Kind) + " " + Reminder.Minute + " " +
                                       Reminder.Title);
                        Ringing.push_back(Reminder);
                    }
                };
                Add("missed", Tick.Missed);
                Add("due", Tick.Due);
                Add("again", Tick.Again);
            }
        }
        return Came;
    }

    static std::string MemoryFile() { return TRememberedReminders::DefaultFileName(); }

    static void SetMinute(const std::string& Minute) {
        const TDateTime Now =
            EncodeDateTime(std::stoi(Minute.substr(0, 4)), std::stoi(Minute.substr(5, 2)),
                           std::stoi(Minute.substr(8, 2)), std::stoi(Minute.substr(11, 2)),
                           std::stoi(Minute.substr(14, 2)), 20, 0);
        platform::SetClock([Now] { return Now; });
    }

    static void WriteNotes(const std::string& Days) {
        WriteBytes(notes::NotesFileName(), NotesDocument(Days));
    }

    using TRememberedReminders = notes::TRememberedReminders;
};

} // namespace

TEST_F(ReminderWatchTest, MissedRemindersComeOnceAndNoneComesTwice) {
    struct Case {
        const char* What;
        std::string Days;
        std::optional<std::string> Memory; // the remembered file before the first run
        std::vector<std::string> Steps;
        std::vector<std::string> Came;
    };
    const std::string Water = DayElement("2024-05-01", Note("喝水", "2024-05-01 14:00"));
    const Case Cases[] = {
        {"off from 13:59 to 14:30: the 14:00 reminder comes once at the start, not again at the "
         "next",
         Water,
         std::nullopt,
         {"run", "tick 2024-05-01 13:59", "run", "tick 2024-05-01 14:30", "tick 2024-05-01 14:31",
          "run", "tick 2024-05-01 14:31", "tick 2024-05-01 14:32"},
         {"missed 2024-05-01 14:00 喝水"}},
        {"running through the minute, then restarted inside it and after it: once",
         Water,
         std::nullopt,
         {"run", "tick 2024-05-01 13:59", "tick 2024-05-01 14:00", "run", "tick 2024-05-01 14:00",
          "tick 2024-05-01 14:01", "run", "tick 2024-05-01 14:30"},
         {"due 2024-05-01 14:00 喝水"}},
        {"an untitled note without identity, restarted inside its minute: once",
         DayElement("2024-05-01", Note("", "2024-05-01 14:00")),
         std::nullopt,
         {"run", "tick 2024-05-01 14:00", "run", "tick 2024-05-01 14:00"},
         {"due 2024-05-01 14:00 "}},
        {"a note on each of three days while the program was off, one more eight days back: one "
         "each, seven days at most",
         DayElement("2024-04-23", Note("旧", "2024-04-23 08:00")) +
             DayElement("2024-04-28", Note("甲", "2024-04-28 09:00")) +
             DayElement("2024-04-29", Note("乙", "2024-04-29 09:00")) +
             DayElement("2024-04-30",
                        Note("丙", "2024-04-30 09:00") + Note("丁", "2024-04-30 07:00")),
         "last\t2024-04-20 12:00\n",
         {"run", "tick 2024-05-01 08:30", "run", "tick 2024-05-01 08:31"},
         {"missed 2024-04-28 09:00 甲", "missed 2024-04-29 09:00 乙", "missed 2024-04-30 07:00 丁",
          "missed 2024-04-30 09:00 丙"}},
        {"a daily note missed over three days: one for each occurrence",
         DayElement("2024-04-20", Repeating("吃药", "2024-04-20 09:00", "每天")),
         "last\t2024-04-28 10:00\n",
         {"run", "tick 2024-05-01 09:30", "run", "tick 2024-05-01 09:31"},
         {"missed 2024-04-29 09:00 吃药", "missed 2024-04-30 09:00 吃药",
          "missed 2024-05-01 09:00 吃药"}},
        {"a daily note an hour early, off for twenty days: seven days of it",
         DayElement("2024-04-01", Repeating("吃药", "2024-04-01 09:00", "每天", 60)),
         "last\t2024-04-11 10:00\n",
         {"run", "tick 2024-05-01 08:30"},
         {"missed 2024-04-25 08:00 吃药", "missed 2024-04-26 08:00 吃药",
          "missed 2024-04-27 08:00 吃药", "missed 2024-04-28 08:00 吃药",
          "missed 2024-04-29 08:00 吃药", "missed 2024-04-30 08:00 吃药",
          "missed 2024-05-01 08:00 吃药"}},
        {"a yearly note a day early, its day today: missed yesterday, not again at its time",
         DayElement("2023-05-01", Repeating("生日", "2023-05-01 09:00", "每年", 1440)),
         "last\t2024-04-30 08:00\n",
         {"run", "tick 2024-05-01 08:30", "tick 2024-05-01 09:00"},
         {"missed 2024-04-30 09:00 生日"}},
        {"a missing remembered file: nothing caught up, the start's minute and later come",
         Water + DayElement("2024-05-01",
                            Note("开会", "2024-05-01 14:30") + Note("下班", "2024-05-01 14:31")),
         std::nullopt,
         {"run", "tick 2024-05-01 14:30", "tick 2024-05-01 14:31"},
         {"due 2024-05-01 14:30 开会", "due 2024-05-01 14:31 下班"}},
        {"a damaged remembered file: the same, and its readable lines still count",
         Water + DayElement("2024-05-01", Note("开会", "2024-05-01 14:30")),
         "last\t2024-05-01 13:5\x01\ncame\t标题:开会\t2024-05-01 14:30\t2024-05-01 14:30\n\xff\xfe "
         "garbage",
         {"run", "tick 2024-05-01 14:30", "tick 2024-05-01 14:31"},
         {}},
        {"否 and a note whose time is only a date: nothing",
         DayElement("2024-05-01",
                    Note("不提醒", "2024-05-01 14:00", "否") + Note("全天", "2024-05-01")),
         "last\t2024-05-01 13:59\n",
         {"run", "tick 2024-05-01 14:30"},
         {}},
        {"reminders off at the start: nothing then, nor once they are on again",
         Water,
         "last\t2024-05-01 13:59\n",
         {"run", "off 2024-05-01 14:30", "run", "tick 2024-05-01 14:40"},
         {}},
        {"reminders off while running through the minute, then on: nothing caught up",
         Water,
         std::nullopt,
         {"run", "tick 2024-05-01 13:58", "off 2024-05-01 13:59", "off 2024-05-01 14:01",
          "tick 2024-05-01 14:02"},
         {}},
        {"a suspend from 13:55 to 14:05 on a running program: missed once",
         Water,
         std::nullopt,
         {"run", "tick 2024-05-01 13:55", "tick 2024-05-01 14:05", "tick 2024-05-01 14:06"},
         {"missed 2024-05-01 14:00 喝水"}},
        {"a snooze comes again ten minutes later, across a restart too, and only once",
         Water,
         std::nullopt,
         {"run", "tick 2024-05-01 14:00", "snooze 喝水", "tick 2024-05-01 14:09", "run",
          "tick 2024-05-01 14:10", "tick 2024-05-01 14:11", "run", "tick 2024-05-01 14:30"},
         {"due 2024-05-01 14:00 喝水", "again 2024-05-01 14:00 喝水"}},
        {"a snoozed missed reminder comes again; 知道了 on it ends it",
         Water,
         "last\t2024-05-01 13:59\n",
         {"run", "tick 2024-05-01 14:30", "snooze 喝水", "tick 2024-05-01 14:40", "snooze 喝水",
          "done 喝水", "tick 2024-05-01 14:50"},
         {"missed 2024-05-01 14:00 喝水", "again 2024-05-01 14:00 喝水"}},
        {"a note deleted while snoozed does not come again",
         Water,
         std::nullopt,
         {"run", "tick 2024-05-01 14:00", "snooze 喝水", "delete", "tick 2024-05-01 14:10"},
         {"due 2024-05-01 14:00 喝水"}},
    };
    for (const Case& Each : Cases) {
        SCOPED_TRACE(Each.What);
        std::filesystem::remove(MemoryFile());
        if (Each.Memory) {
            WriteBytes(MemoryFile(), *Each.Memory);
        }
        WriteNotes(Each.Days);
        EXPECT_EQ(Run(Each.Steps), Each.Came);
    }
}
