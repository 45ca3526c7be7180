#include "BusEnvironment.h"
#include "ReminderNoticeFixture.h"

#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/UNoteList.h"

#include <QAction>
#include <QTest>

namespace {

constexpr int PopupWaitMs = 10000;

notes::TNote Note(std::string Title, std::string When, bool Remind, std::string Content = "内容") {
    return {std::move(Title), std::move(When), Remind, std::move(Content)};
}

QStringList Summaries(const std::vector<TReceivedNotification>& Received) {
    QStringList Texts;
    for (const TReceivedNotification& Notification : Received) {
        Texts << Notification.Summary;
    }
    return Texts;
}

using ReminderNoticeTest = TReminderNoticeTest;

} // namespace

TEST_F(ReminderNoticeTest, EachReminderSendsOneNotificationWhenItsMinuteComes) {
    notes::NoteAlarmOn = 1;
    SaveToday({Note("开会", "2024-05-01 14:00", true, "三楼会议室"),
               Note("买菜", "2024-05-01 14:00", false), Note("汇报", "2024-05-01 14:00", true, ""),
               Note("下班", "2024-05-01 18:00", true)});
    TickAt(13, 59, 59);
    TickAt(14, 0, 0);
    EXPECT_TRUE(PopupShown());
    TickAt(14, 0, 30);
    TickAt(14, 1, 0);
    ASSERT_TRUE(NotificationsArrive(2));
    testbus::RoundTripToNotifications();

    ASSERT_EQ(Service->Received().size(), 2u) << "one per reminder, not one per tick";
    const TReceivedNotification& First = Service->Received()[0];
    EXPECT_EQ(First.Summary, QStringLiteral("开会"));
    EXPECT_EQ(First.Body, QStringLiteral("2024-05-01 14:00\n三楼会议室"));
    EXPECT_EQ(First.AppName, QStringLiteral("万年历"));
    EXPECT_EQ(First.Icon, QStringLiteral("ruxa-calendar"));
    EXPECT_EQ(First.Hints.value(QStringLiteral("desktop-entry")).toString(),
              QStringLiteral("ruxa-calendar"));
    EXPECT_TRUE(First.Actions.contains(QStringLiteral("default")));
    const TReceivedNotification& Second = Service->Received()[1];
    EXPECT_EQ(Second.Summary, QStringLiteral("汇报"));
    EXPECT_EQ(Second.Body, QStringLiteral("2024-05-01 14:00")) << "a note without content";
    EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(ReminderNoticeTest, TheBodyIsEscapedOnlyForAServiceThatRendersMarkup) {
    notes::NoteAlarmOn = 1;
    struct Case {
        QStringList Capabilities;
        QString Content;
    };
    const Case Cases[] = {
        {MarkupCapabilities, QStringLiteral("&lt;b&gt;A&amp;B&lt;/b&gt;")},
        {{QStringLiteral("body")}, QStringLiteral("<b>A&B</b>")},
    };
    int Minute = 0;
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Capabilities.join(' ').toStdString());
        Service.reset();
        Service = std::make_unique<TFakeNotifications>(testbus::SessionAddress(), C.Capabilities);
        ASSERT_TRUE(Service->Registered());
        // A new note at a new minute each time, so that its reminder comes for the first time.
        ++Minute;
        const std::string When = "2024-05-01 14:0" + std::to_string(Minute);
        SaveToday({Note("开会" + std::to_string(Minute), When, true, "<b>A&B</b>")});
        TickAt(14, Minute, 0);
        ASSERT_TRUE(NotificationsArrive(1));
        EXPECT_EQ(Service->Received()[0].Body, QString::fromStdString(When) + '\n' + C.Content);
    }
}

TEST_F(ReminderNoticeTest, NoNotificationForANoteWithoutReminderOrWithRemindersOff) {
    notes::NoteAlarmOn = 1;
    SaveToday({Note("买菜", "2024-05-01 14:00", false)});
    TickAt(14, 0, 0);
    EXPECT_FALSE(PopupShown());

    notes::NoteAlarmOn = 0;
    SaveToday({Note("开会", "2024-05-01 14:01", true)});
    TickAt(14, 1, 0);
    EXPECT_FALSE(PopupShown());
    testbus::RoundTripToNotifications();
    EXPECT_EQ(Service->Calls(), 0) << "the service is not even asked";

    notes::NoteAlarmOn = 1;
    SaveToday({Note("汇报", "2024-05-01 14:02", true)});
    TickAt(14, 2, 0);
    ASSERT_TRUE(NotificationsArrive(1));
    testbus::RoundTripToNotifications();
    EXPECT_EQ(Summaries(Service->Received()), QStringList{QStringLiteral("汇报")})
        << "the minutes with reminders off are not caught up";
}

TEST_F(ReminderNoticeTest, TheDefaultActionBringsUpTodaysPopup) {
    notes::NoteAlarmOn = 1;
    SaveToday({Note("开会", "2024-05-01 14:00", true)});
    TickAt(14, 0, 0);
    ASSERT_TRUE(NotificationsArrive(1));
    ASSERT_TRUE(PopupShown());
    frmNoteList->close();
    RunDeferredDeletes();
    ASSERT_EQ(frmNoteList, nullptr);

    const uint Id = Service->Received()[0].Id;
    Service->InvokeAction(Id, QStringLiteral("other"));
    Service->InvokeAction(Id + 1, QStringLiteral("default"));
    testbus::RoundTripToNotifications();
    EXPECT_EQ(frmNoteList, nullptr) << "another action, or another program's notification";

    Service->InvokeAction(Id, QStringLiteral("default"));
    EXPECT_TRUE(QTest::qWaitFor([] { return PopupShown(); }, PopupWaitMs))
        << "the popup is made anew";
    EXPECT_EQ(Main->N5->text(), QStringLiteral("显示便签"));
}

TEST_F(ReminderNoticeTest, WithoutANotificationServiceTheAlarmWorksAsBefore) {
    Service.reset();
    notes::NoteAlarmOn = 1;
    SaveToday({Note("开会", "2024-05-01 14:00", true)});
    TickAt(14, 0, 0);
    EXPECT_TRUE(PopupShown());
    testbus::RoundTripToNotifications();
    EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(ReminderNoticeTest, ANewOwnerOfTheServiceCannotUseTheOldOwnersNotifications) {
    notes::NoteAlarmOn = 1;
    SaveToday({Note("开会", "2024-05-01 14:00", true)});
    TickAt(14, 0, 0);
    ASSERT_TRUE(NotificationsArrive(1));
    frmNoteList->close();
    RunDeferredDeletes();
    const uint Id = Service->Received()[0].Id;

    // The name passes to another process, which knows nothing of the old notification.
    Service.reset();
    Service = std::make_unique<TFakeNotifications>(testbus::SessionAddress(), MarkupCapabilities);
    ASSERT_TRUE(Service->Registered());
    Service->InvokeAction(Id, QStringLiteral("default"));
    testbus::RoundTripToNotifications();
    EXPECT_EQ(frmNoteList, nullptr);
}
