#include "ReminderNoticeFixture.h"

#include "BusEnvironment.h"

#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "notes/windows/NoteAlarmClock.h"
#include "notes/windows/UNoteList.h"
#include "platform/dbus/ResumeSignal.h"

#include <QTest>

namespace {

constexpr int NotificationWaitMs = 10000;
constexpr int ShakeWaitMs = 10000;
constexpr int ListenWaitMs = 10000;

} // namespace

const QStringList TReminderNoticeTest::MarkupCapabilities{
    QStringLiteral("actions"), QStringLiteral("body"), QStringLiteral("body-markup")};

void TReminderNoticeTest::SetUp() {
    Service = std::make_unique<TFakeNotifications>(testbus::SessionAddress(), MarkupCapabilities);
    ASSERT_TRUE(Service->Registered());
    TMainWindowTest::SetUp();
}

void TReminderNoticeTest::TearDown() {
    TMainWindowTest::TearDown();
    Service.reset();
}

void TReminderNoticeTest::TickAt(int Hour, int Minute, int Second) {
    SetNow(2024, 5, 1, Hour, Minute, Second);
    Main->tNoteAlarm->Tick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Main->tNoteAlarm->Shaking(); }, ShakeWaitMs));
}

bool TReminderNoticeTest::NotificationsArrive(std::size_t Count) const {
    return QTest::qWaitFor([&] { return Service->Received().size() >= Count; }, NotificationWaitMs);
}

bool TReminderNoticeTest::PopupShown() {
    return frmNoteList != nullptr && frmNoteList->isVisible();
}

void TReminderNoticeTest::WaitUntilResumeIsHeard() const {
    const auto* Resume = Main->tNoteAlarm->findChild<platform::TResumeSignal*>();
    ASSERT_NE(Resume, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Resume->Listening(); }, ListenWaitMs));
}
