// Runs without any D-Bus: the session and system bus addresses lead nowhere.

#include "MainWindowFixture.h"

#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/NoteAlarmClock.h"
#include "notes/windows/UNoteList.h"

#include <QApplication>
#include <QStringList>

namespace {

QStringList BusMessages;

void KeepBusMessages(QtMsgType, const QMessageLogContext& Context, const QString& Text) {
    if (QString::fromUtf8(Context.category).contains(QStringLiteral("dbus")) ||
        Text.contains(QStringLiteral("D-Bus")) || Text.contains(QStringLiteral("DBus"))) {
        BusMessages << Text;
    }
}

// Listens from before the main window connects to the buses until the test ends.
class AlarmWithoutBusTest : public TMainWindowTest {
protected:
    void SetUp() override {
        Previous = qInstallMessageHandler(KeepBusMessages);
        TMainWindowTest::SetUp();
    }
    void TearDown() override {
        TMainWindowTest::TearDown();
        qInstallMessageHandler(Previous);
    }

    QtMessageHandler Previous = nullptr;
};

} // namespace

TEST_F(AlarmWithoutBusTest, AReminderShowsThePopupAndNothingIsReported) {
    notes::NoteAlarmOn = 1;
    SaveToday({{"开会", "2024-05-01 14:00", true, "三楼会议室"}});
    SetNow(2024, 5, 1, 14, 0, 0);
    Main->tNoteAlarm->Tick();
    QApplication::processEvents();

    EXPECT_TRUE(frmNoteList != nullptr && frmNoteList->isVisible());
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_EQ(BusMessages, QStringList());
}
