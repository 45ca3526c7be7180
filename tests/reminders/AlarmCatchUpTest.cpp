#include "BusEnvironment.h"
#include "ReminderNoticeFixture.h"

#include "common/WindowReferences.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/UNoteList.h"

#include <QTest>

#include <algorithm>

namespace {

constexpr int PopupWaitMs = 10000;

class AlarmCatchUpTest : public TReminderNoticeTest {
protected:
    void SetUp() override {
        TReminderNoticeTest::SetUp();
        notes::NoteAlarmOn = 1;
        SaveToday({{"开会", "2024-05-01 14:00", true, "三楼会议室"}});
    }
};

} // namespace

TEST_F(AlarmCatchUpTest, ASuspendOverAReminderBringsItOnceAtTheNextTick) {
    frmNoteList = new TfrmNoteList();
    const QPoint Start = frmNoteList->pos();
    TMoveRecorder Moves(frmNoteList);
    const auto Shaken = [&] {
        return std::count(Moves.Places.begin(), Moves.Places.end(), Start + QPoint(1, 1)) > 0;
    };

    TickAt(13, 58, 30);
    TickAt(14, 5, 10);
    EXPECT_TRUE(PopupShown());
    EXPECT_TRUE(Shaken());
    EXPECT_EQ(frmNoteList->pos(), Start);

    frmNoteList->hide();
    Moves.Places.clear();
    TickAt(14, 5, 11);
    EXPECT_FALSE(PopupShown()) << "a caught-up reminder comes once";
    EXPECT_FALSE(Shaken());
    ASSERT_TRUE(NotificationsArrive(1));
    testbus::RoundTripToNotifications();
    ASSERT_EQ(Service->Received().size(), 1u);
    EXPECT_EQ(Service->Received()[0].Body, QStringLiteral("2024-05-01 14:00\n三楼会议室"));
}

TEST_F(AlarmCatchUpTest, TheSystemsResumeSignalCatchesUpWithoutATick) {
    WaitUntilResumeIsHeard();
    TickAt(13, 58, 30);
    testbus::SendPrepareForSleep(true);
    SetNow(2024, 5, 1, 14, 5, 10);
    testbus::SendPrepareForSleep(false);
    EXPECT_TRUE(QTest::qWaitFor([] { return PopupShown(); }, PopupWaitMs));
    ASSERT_TRUE(NotificationsArrive(1));
    EXPECT_EQ(Service->Received()[0].Summary, QStringLiteral("开会"));
}

TEST_F(AlarmCatchUpTest, APrepareForSleepFromAnotherSenderThanLogindIsIgnored) {
    WaitUntilResumeIsHeard();
    TickAt(13, 58, 30);
    SetNow(2024, 5, 1, 14, 5, 10);
    testbus::SendPrepareForSleepAsAnother(false);
    EXPECT_FALSE(PopupShown());
    testbus::SendPrepareForSleep(false);
    EXPECT_TRUE(QTest::qWaitFor([] { return PopupShown(); }, PopupWaitMs));
}
