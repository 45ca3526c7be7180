#include "BusEnvironment.h"
#include "ReminderNoticeFixture.h"

#include "common/WindowReferences.h"
#include "notes/RememberedReminders.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/NoteAlarmClock.h"
#include "notes/windows/ReminderAnswers.h"
#include "notes/windows/UNoteList.h"
#include "widgets/GlassButton.h"

#include <QLabel>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <fstream>
#include <memory>

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
    EXPECT_EQ(Service->Received()[0].Summary, QStringLiteral("错过的提醒：开会"));
}

// The program started again at 14:30 after running until 13:59: the alarm of that start.
class MissedAtStartTest : public AlarmCatchUpTest {
protected:
    // A start at the given time after a run whose last tick saw LastSeen.
    std::unique_ptr<TNoteAlarmClock> StartAt(int Hour, int Minute) {
        auto Alarm = std::make_unique<TNoteAlarmClock>();
        SetNow(2024, 5, 1, Hour, Minute, 5);
        Alarm->Tick();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Alarm->Shaking(); }, PopupWaitMs));
        return Alarm;
    }

    static void RememberLastTick(const char* Minute) {
        std::ofstream(notes::TRememberedReminders::DefaultFileName()) << "last\t" << Minute << "\n";
    }

    // The popup's text as a reader sees it, without its mark-up.
    static QString PopupLabel() {
        QTextDocument Document;
        Document.setHtml(frmNoteList->lblNotes->text());
        return Document.toPlainText();
    }
};

TEST_F(MissedAtStartTest, TheMissedReminderComesOnceAndThePopupListsIt) {
    RememberLastTick("2024-05-01 13:59");
    StartAt(14, 30);
    ASSERT_TRUE(NotificationsArrive(1));
    EXPECT_EQ(Service->Received()[0].Summary, QStringLiteral("错过的提醒：开会"));
    EXPECT_EQ(Service->Received()[0].Body, QStringLiteral("2024-05-01 14:00\n三楼会议室"));
    ASSERT_TRUE(PopupShown());
    EXPECT_TRUE(PopupLabel().endsWith(QStringLiteral("\n错过的提醒\n2024-05-01 14:00 开会")))
        << PopupLabel().toStdString();

    frmNoteList->close();
    StartAt(14, 31);
    testbus::RoundTripToNotifications();
    EXPECT_EQ(Service->Received().size(), 1u);
    EXPECT_FALSE(PopupShown());
}

TEST_F(MissedAtStartTest, MoreThanThreeMissedComeInOneNotificationListingThem) {
    // Four more beside 开会 at 14:00.
    SaveToday({{"一", "2024-05-01 13:00", true, ""},
               {"二", "2024-05-01 13:10", true, ""},
               {"三", "2024-05-01 13:20", true, ""},
               {"四", "2024-05-01 13:30", true, ""}});
    RememberLastTick("2024-05-01 12:59");
    StartAt(14, 30);
    ASSERT_TRUE(NotificationsArrive(1));
    testbus::RoundTripToNotifications();
    ASSERT_EQ(Service->Received().size(), 1u);
    EXPECT_EQ(Service->Received()[0].Summary, QStringLiteral("错过的提醒（5条）"));
    EXPECT_EQ(Service->Received()[0].Body,
              QStringLiteral("2024-05-01 13:00 一\n2024-05-01 13:10 二\n2024-05-01 13:20 三\n"
                             "2024-05-01 13:30 四\n2024-05-01 14:00 开会"));
}

TEST_F(MissedAtStartTest, ThePopupsSnoozeBringsTheReminderAgainTenMinutesLaterAfterARestart) {
    std::unique_ptr<TNoteAlarmClock> Alarm = StartAt(14, 0);
    ASSERT_TRUE(NotificationsArrive(1));
    ASSERT_TRUE(PopupShown());
    auto* Answers = frmNoteList->findChild<TReminderAnswers*>();
    ASSERT_NE(Answers, nullptr);
    ASSERT_TRUE(Answers->isVisible());
    Answers->Snooze->click();
    EXPECT_FALSE(Answers->isVisible());
    frmNoteList->close();
    Alarm.reset();

    StartAt(14, 9);
    testbus::RoundTripToNotifications();
    EXPECT_EQ(Service->Received().size(), 1u);
    EXPECT_FALSE(PopupShown());
    StartAt(14, 10);
    ASSERT_TRUE(NotificationsArrive(2));
    EXPECT_EQ(Service->Received()[1].Summary, QStringLiteral("开会"));
    EXPECT_TRUE(PopupShown());

    frmNoteList->findChild<TReminderAnswers*>()->Done->click();
    frmNoteList->close();
    StartAt(14, 20);
    testbus::RoundTripToNotifications();
    EXPECT_EQ(Service->Received().size(), 2u);
    EXPECT_FALSE(PopupShown());
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

TEST_F(MissedAtStartTest, TheNotificationsActionsSnoozeAndEndTheReminder) {
    std::unique_ptr<TNoteAlarmClock> Alarm = StartAt(14, 0);
    ASSERT_TRUE(NotificationsArrive(1));
    EXPECT_EQ(Service->Received()[0].Actions,
              (QStringList{QStringLiteral("default"), QStringLiteral("万年历"),
                           QStringLiteral("snooze"), QStringLiteral("10分钟后再提醒"),
                           QStringLiteral("done"), QStringLiteral("知道了")}));
    Service->InvokeAction(Service->Received()[0].Id, QStringLiteral("snooze"));
    const auto Snoozed = [] {
        std::ifstream File(notes::TRememberedReminders::DefaultFileName());
        const std::string Text((std::istreambuf_iterator<char>(File)), {});
        return Text.find("snoozed\t") != std::string::npos;
    };
    ASSERT_TRUE(QTest::qWaitFor(Snoozed, PopupWaitMs));
    EXPECT_FALSE(frmNoteList->findChild<TReminderAnswers*>()->isVisible());

    SetNow(2024, 5, 1, 14, 10, 0);
    Alarm->Tick();
    ASSERT_TRUE(NotificationsArrive(2));
    EXPECT_EQ(Service->Received()[1].Summary, QStringLiteral("开会"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Alarm->Shaking(); }, PopupWaitMs));
    auto* Answers = frmNoteList->findChild<TReminderAnswers*>();
    ASSERT_TRUE(Answers->isVisible());
    Service->InvokeAction(Service->Received()[1].Id, QStringLiteral("done"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Answers->isVisible(); }, PopupWaitMs));
    SetNow(2024, 5, 1, 14, 20, 0);
    Alarm->Tick();
    testbus::RoundTripToNotifications();
    EXPECT_EQ(Service->Received().size(), 2u);
}
