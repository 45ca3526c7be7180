#include "MainWindowFixture.h"

#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/NoteAlarmClock.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteList.h"
#include "notes/windows/WindowShake.h"
#include "widgets/GlassButton.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace {

class AlarmTest : public TMainWindowTest {
protected:
    // One tick at the given time of 1 May 2024, and the shake it started, to its end.
    void TickAt(int Hour, int Minute, int Second) {
        SetNow(2024, 5, 1, Hour, Minute, Second);
        Main->tNoteAlarm->Tick();
        WaitForShakeEnd();
    }

    void WaitForShakeEnd() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Main->tNoteAlarm->Shaking(); }, ShakeWaitMs));
    }

    static constexpr int ShakeWaitMs = 10000;

    static bool Shaken(const TMoveRecorder& Moves, QPoint Start) {
        const auto Seen = [&](QPoint Place) {
            return std::find(Moves.Places.begin(), Moves.Places.end(), Place) != Moves.Places.end();
        };
        return Seen(Start + QPoint(1, 1)) && Seen(Start - QPoint(1, 1));
    }

    static bool PopupShown() { return frmNoteList != nullptr && frmNoteList->isVisible(); }
};

notes::TNote Note(std::string Title, std::string When, bool Remind) {
    return {std::move(Title), std::move(When), Remind, "内容"};
}

} // namespace

TEST_F(AlarmTest, TheRoadOfAReminder) {
    notes::SaveSettings(3, true, 10);
    SetNow(2024, 5, 1, 9, 15);
    frmNoteAdd = new TfrmNoteAdd();
    frmNoteAdd->show();
    frmNoteAdd->ceTitle->setText(QStringLiteral("开会"));
    frmNoteAdd->ccTime->setCurrentIndex(14);
    frmNoteAdd->aockHint->setChecked(true);
    frmNoteAdd->cmContent->setPlainText(QStringLiteral("三楼会议室"));
    frmNoteAdd->Image1->click();
    frmNoteAdd->advOK->click();

    notes::TNotes Saved = notes::LoadNotes(NotesFile(), true).Notes;
    ASSERT_EQ(Saved.size(), 1U);
    EXPECT_EQ(Saved[0].Id.size(), 32U);
    Saved[0].Id.clear();
    EXPECT_EQ(Saved, (notes::TNotes{{"开会", "2024-05-01 14:00", true, "三楼会议室"}}));
    ASSERT_TRUE(PopupShown());
    const QRect Screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint Corner = Screen.bottomRight() + QPoint(1, 1) - QPoint(246, 271);
    EXPECT_EQ(frmNoteList->pos(), Corner);
    EXPECT_EQ(frmNoteList->NotesText(),
              QStringLiteral("1.开会 | 2024-05-01 14:00 | 是\r三楼会议室"));
    EXPECT_EQ(Main->N5->text(), QStringLiteral("隐藏便签"));

    Main->N5Click();
    ASSERT_FALSE(PopupShown());
    TMoveRecorder Moves(frmNoteList);
    struct Step {
        int Hour, Minute, Second;
        bool Fires;
    };
    for (const Step S : {Step{13, 59, 59, false}, Step{14, 0, 0, true}, Step{14, 0, 59, true},
                         Step{14, 1, 0, false}}) {
        frmNoteList->hide();
        Moves.Places.clear();
        TickAt(S.Hour, S.Minute, S.Second);
        const std::string When = FormatDateTime("hh:nn:ss", Now);
        EXPECT_EQ(PopupShown(), S.Fires) << When;
        EXPECT_EQ(Shaken(Moves, Corner), S.Fires) << When;
        EXPECT_EQ(frmNoteList->pos(), Corner) << When;
    }
    EXPECT_EQ(Main->N5->text(), QStringLiteral("显示便签")) << "the alarm leaves the menu alone";
}

TEST_F(AlarmTest, EveryReminderOfTodayFiresUntitledOrAfterTheTenth) {
    const auto Quiet = [](int Count) {
        std::vector<notes::TNote> Notes;
        for (int Index = 0; Index < Count; ++Index) {
            Notes.push_back(Note("无提醒" + std::to_string(Index), "2024-05-01 14:00", false));
        }
        return Notes;
    };
    const auto With = [](std::vector<notes::TNote> Notes, const notes::TNote& Last) {
        Notes.push_back(Last);
        return Notes;
    };
    struct Case {
        const char* Name;
        std::vector<notes::TNote> Notes;
        int AlarmOn;
        bool Fires;
    };
    const Case Cases[] = {
        {"reminders off", {Note("开会", "2024-05-01 14:00", true)}, 0, false},
        {"reminder flag 否", {Note("开会", "2024-05-01 14:00", false)}, 1, false},
        {"empty title", {Note("", "2024-05-01 14:00", true)}, 1, true},
        {"time already past", {Note("开会", "2024-05-01 13:00", true)}, 1, false},
        {"no time chosen", {Note("开会", "", true)}, 1, false},
        {"eleventh note of the day", With(Quiet(10), Note("开会", "2024-05-01 14:00", true)), 1,
         true},
        {"tenth note of the day", With(Quiet(9), Note("开会", "2024-05-01 14:00", true)), 1, true},
        {"an alarm value of 2", {Note("开会", "2024-05-01 14:00", true)}, 2, true},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        delete frmNoteList;
        std::remove(NotesFile().c_str());
        SetNow(2024, 5, 1, 9, 0);
        SaveToday(C.Notes);
        notes::NoteAlarmOn = C.AlarmOn;
        TickAt(14, 0, 30);
        EXPECT_EQ(PopupShown(), C.Fires);
    }
}

TEST_F(AlarmTest, AChangedFileOrANewDayIsSeenAtTheNextTick) {
    notes::NoteAlarmOn = 1;
    SaveToday({Note("开会", "2024-05-01 14:00", true)});
    TickAt(14, 0, 10);
    ASSERT_TRUE(PopupShown());

    SaveToday({Note("开会", "2024-05-01 14:00", false)});
    frmNoteList->hide();
    TickAt(14, 0, 11);
    EXPECT_FALSE(PopupShown()) << "the reminder was switched off";

    SetNow(2024, 5, 2, 9, 0);
    SaveToday({Note("早会", "2024-05-02 14:00", true)});
    TickAt(14, 0, 12);
    EXPECT_FALSE(PopupShown()) << "that reminder is due tomorrow";
    SetNow(2024, 5, 2, 14, 0, 13);
    Main->tNoteAlarm->Tick();
    EXPECT_TRUE(PopupShown()) << "the same file on the next day";
}

TEST_F(AlarmTest, ATickDuringAShakeIsLeftOutAndThePopupEndsWhereTheShakeFoundIt) {
    notes::NoteAlarmOn = 1;
    SaveToday({Note("开会", "2024-05-01 14:00", true)});
    frmNoteList = new TfrmNoteList();
    frmNoteList->move(400, 300);
    frmNoteList->show();
    QApplication::processEvents();
    const QPoint Start = frmNoteList->pos();
    TMoveRecorder Moves(frmNoteList);
    SetNow(2024, 5, 1, 14, 0, 0);
    Main->tNoteAlarm->Tick();
    ASSERT_TRUE(Main->tNoteAlarm->Shaking());

    // The user hides the popup during the shake; a tick that ran would show it again.
    frmNoteList->hide();
    SetNow(2024, 5, 1, 14, 0, 1);
    Main->tNoteAlarm->Tick();
    EXPECT_FALSE(PopupShown());
    frmNoteList->show();

    WaitForShakeEnd();
    EXPECT_TRUE(Shaken(Moves, Start));
    EXPECT_EQ(frmNoteList->pos(), Start);
}

TEST(WindowShake, AlternatesAroundTheStartForEachStepAndEndsThere) {
    QWidget Window;
    Window.move(200, 100);
    const QPoint Start = Window.pos();
    TWindowShake Shake;
    Shake.Start(&Window);
    for (int Step = 1; Step <= TWindowShake::Steps; ++Step) {
        const QPoint Off = Step % 2 == 1 ? QPoint(1, 1) : QPoint(-1, -1);
        EXPECT_EQ(Window.pos(), Start + Off) << "step " << Step;
        EXPECT_TRUE(Shake.Running()) << "step " << Step;
        Shake.Start(&Window);
        Shake.Step();
    }
    EXPECT_EQ(Window.pos(), Start) << "a start during the shake is ignored";
    EXPECT_FALSE(Shake.Running());
}

TEST(WindowShake, AWindowDestroyedDuringTheShakeEndsIt) {
    auto Window = std::make_unique<QWidget>();
    TWindowShake Shake;
    Shake.Start(Window.get());
    Window.reset();
    Shake.Step();
    EXPECT_FALSE(Shake.Running());
}
