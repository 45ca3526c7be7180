// A bus daemon that hangs (stopped with SIGSTOP: it takes connections and answers nothing)
// must not hang the window: the reminder still comes, and the bus's part follows once the
// daemon answers again.

#include "BusEnvironment.h"
#include "ReminderNoticeFixture.h"

#include "notes/UNoteSettings.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

// Far below the bus's own reply timeout (25 s), which a wait on the bus would last.
constexpr qint64 AnswerLimitMs = 5000;
// Long enough for the first turns of the event loop, where the bus used to be reached.
constexpr int FirstTurnsMs = 200;

enum class THungBus { Session, System };

void Hang(THungBus Bus, bool Hung) {
    if (Bus == THungBus::Session)
        testbus::HangSessionBus(Hung);
    else
        testbus::HangSystemBus(Hung);
}

// The bus hangs from before the event loop's first turn until the test's end.
class HungBusTest : public TReminderNoticeTest, public testing::WithParamInterface<THungBus> {
protected:
    void SetUp() override {
        TReminderNoticeTest::SetUp();
        Hang(GetParam(), true);
    }
    void TearDown() override {
        Hang(GetParam(), false);
        TReminderNoticeTest::TearDown();
    }
};

} // namespace

TEST_P(HungBusTest, TheWindowAnswersAndRemindsAndTheNotificationFollowsTheBus) {
    notes::NoteAlarmOn = 1;
    SaveToday({{"开会", "2024-05-01 14:00", true, "三楼会议室"}});
    QElapsedTimer Answer;
    Answer.start();
    QTest::qWait(FirstTurnsMs);
    TickAt(14, 0, 0);
    QTest::qWait(FirstTurnsMs);
    EXPECT_LT(Answer.elapsed(), AnswerLimitMs + 2 * FirstTurnsMs);
    EXPECT_TRUE(PopupShown());

    Hang(GetParam(), false);
    EXPECT_TRUE(NotificationsArrive(1));
}

INSTANTIATE_TEST_SUITE_P(EachBus, HungBusTest, testing::Values(THungBus::Session, THungBus::System),
                         [](const testing::TestParamInfo<THungBus>& Info) {
                             return Info.param == THungBus::Session ? "Session" : "System";
                         });
