#include "NotesWindowsFixture.h"

#include "common/WindowReferences.h"
#include "notes/NotesReading.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/NoteEditing.h"
#include "notes/windows/NotesText.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteList.h"
#include "widgets/GlassButton.h"
#include "widgets/ReportList.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace {

class EditorTest : public TNotesWindowsTest {
protected:
    TfrmNoteAdd* OpenEditor() {
        frmNoteAdd = new TfrmNoteAdd();
        frmNoteAdd->show();
        return frmNoteAdd;
    }

    static void Enter(TfrmNoteAdd* Editor, const QString& Title, const QString& Time, bool Remind,
                      const QString& Content) {
        Editor->ceTitle->setText(Title);
        Editor->ccTime->setEditText(Time);
        Editor->aockHint->setChecked(Remind);
        Editor->cmContent->setPlainText(Content);
        Editor->Image1->click();
    }

    static void Select(TfrmNoteAdd* Editor, int Row) {
        Editor->alvNotes->setCurrentItem(Editor->alvNotes->topLevelItem(Row));
    }

    // Today's notes in the file, without the identities their first save gave them.
    notes::TNotes TodayInFile() const {
        notes::TNotes Notes = notes::LoadNotes(NotesFile(), true).Notes;
        for (notes::TNote& Note : Notes) {
            EXPECT_EQ(Note.Id.size(), 32U) << Note.Title;
            Note.Id.clear();
        }
        return Notes;
    }
};

const notes::TNote Meeting{"开会", "2024-05-01 09:00", true, "带上报表"};
const notes::TNote Shopping{"买菜", "", false, "西红柿"};
const notes::TNote Call{"Call Anna", "2024-05-01 18:00", true, "weekend"};

} // namespace

TEST_F(EditorTest, ShowsTheDaysHoursAndOnlyTodaysNotes) {
    SetNow(2024, 4, 30);
    SaveToday({Shopping});
    SetNow(2024, 5, 1, 16, 45);
    SaveToday({Meeting});
    TfrmNoteAdd* Editor = OpenEditor();

    ASSERT_EQ(Editor->ccTime->count(), 24);
    EXPECT_EQ(Editor->ccTime->itemText(0), QStringLiteral("2024-05-01 00:00"));
    EXPECT_EQ(Editor->ccTime->itemText(9), QStringLiteral("2024-05-01 09:00"));
    EXPECT_EQ(Editor->ccTime->itemText(23), QStringLiteral("2024-05-01 23:00"));
    EXPECT_EQ(Editor->ccTime->currentText(), QString());
    ASSERT_EQ(Editor->alvNotes->RowCount(), 1);
    EXPECT_EQ(Editor->alvNotes->Row(0),
              QStringList({"开会", "2024-05-01 09:00", "是", "带上报表"}));
}

TEST(NoteEditing, TakesATypedTimeOfTheDayInTheStoredForm) {
    const TDateTime Day = EncodeDate(2024, 2, 10);
    struct Case {
        const char* Typed;
        std::optional<QString> Stored;
    };
    const Case Cases[] = {
        {"", QString()},
        {"  ", QString()},
        {"2024-02-10", QStringLiteral("2024-02-10")},
        {"9:30", QStringLiteral("2024-02-10 09:30")},
        {" 09:05 ", QStringLiteral("2024-02-10 09:05")},
        {"2024-02-10 23:59", QStringLiteral("2024-02-10 23:59")},
        {"2024-2-10 7:3", QStringLiteral("2024-02-10 07:03")},
        {"2024-02-10 00:00", QStringLiteral("2024-02-10 00:00")},
        {"24:00", std::nullopt},
        {"12:60", std::nullopt},
        {"2024-02-11 09:30", std::nullopt},
        {"2023-02-10", std::nullopt},
        {"下午三点", std::nullopt},
        {"9.30", std::nullopt},
        {"930", std::nullopt},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(StoredTime(Day, QString::fromUtf8(C.Typed)), C.Stored) << C.Typed;
    }
}

TEST(NoteEditing, NamesCaptionsAndAdvances) {
    EXPECT_EQ(EditorCaption(EncodeDateTime(2024, 2, 10, 15, 4, 0)),
              QStringLiteral("便签维护 - 2024年2月10日"));
    const std::pair<int, const char*> Advances[] = {
        {0, "不提前"},  {5, "5分钟"},  {45, "45分钟"}, {60, "1小时"},  {90, "90分钟"},
        {180, "3小时"}, {1440, "1天"}, {2880, "2天"},  {10080, "1周"}, {1500, "25小时"}};
    for (const auto& [Minutes, Name] : Advances) {
        EXPECT_EQ(AdvanceName(Minutes), QString::fromUtf8(Name)) << Minutes;
    }
    EXPECT_EQ(RepeatOfChoice(RepeatChoices().first()), QString());
    EXPECT_EQ(ChoiceOfRepeat(QString()), RepeatChoices().first());
    EXPECT_EQ(RepeatChoices().last(), QStringLiteral("每年农历"));
}

TEST_F(EditorTest, AnEmptyTitleIsRefusedWithAWarning) {
    TfrmNoteAdd* Editor = OpenEditor();
    QString Text, Caption;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(Box, nullptr);
        Text = Box->text();
        Caption = Box->windowTitle();
        Icon = Box->icon();
        Box->accept();
    });
    Enter(Editor, QString(), QStringLiteral("2024-05-01 10:00"), true, QStringLiteral("x"));
    EXPECT_EQ(Text, QStringLiteral("标题不能为空！"));
    EXPECT_EQ(Caption, QStringLiteral("警告"));
    EXPECT_EQ(Icon, QMessageBox::Warning);
    EXPECT_EQ(Editor->alvNotes->RowCount(), 0);
}

TEST_F(EditorTest, AddsJoinsLinesAndChangesARowWhateverTheLetterCase) {
    TfrmNoteAdd* Editor = OpenEditor();
    Enter(Editor, QStringLiteral("Call Anna"), Editor->ccTime->itemText(14), true,
          QStringLiteral("a\nb"));
    ASSERT_EQ(Editor->alvNotes->RowCount(), 1);
    EXPECT_EQ(Editor->alvNotes->Row(0), QStringList({"Call Anna", "2024-05-01 14:00", "是", "ab"}));

    Enter(Editor, QStringLiteral("CALL anna"), QString(), false, QStringLiteral("line 1\nline 2"));
    ASSERT_EQ(Editor->alvNotes->RowCount(), 1);
    EXPECT_EQ(Editor->alvNotes->Row(0), QStringList({"Call Anna", "", "否", "line 1line 2"}));

    Enter(Editor, QStringLiteral("Call Ann"), QString(), false, QString());
    EXPECT_EQ(Editor->alvNotes->RowCount(), 2);
    EXPECT_TRUE(TodayInFile().empty()) << "the list is written only on OK";
}

TEST_F(EditorTest, SelectingARowFillsTheInputs) {
    SaveToday({Meeting, Shopping, {"Odd", "soon", notes::TReminder::FromText("也许"), "c"}});
    TfrmNoteAdd* Editor = OpenEditor();
    struct Case {
        int Row;
        bool CheckedBefore;
        bool CheckedAfter;
    };
    for (const Case C :
         {Case{0, false, true}, Case{1, true, false}, Case{2, true, true}, Case{2, false, false}}) {
        Editor->alvNotes->clearSelection();
        Editor->aockHint->setChecked(C.CheckedBefore);
        Select(Editor, C.Row);
        const QStringList Cells = Editor->alvNotes->Row(C.Row);
        EXPECT_EQ(Editor->ceTitle->text(), Cells[0]);
        EXPECT_EQ(Editor->ccTime->currentText(), Cells[1]);
        EXPECT_EQ(Editor->aockHint->isChecked(), C.CheckedAfter) << "row " << C.Row;
        EXPECT_EQ(Editor->cmContent->toPlainText(), Cells[3]);
    }
}

TEST_F(EditorTest, DeletingWritesAtOnceAndLeavingKeepsTheDeletion) {
    SaveToday({Meeting, Shopping, Call});
    frmNoteList = new TfrmNoteList();
    TfrmNoteAdd* Editor = OpenEditor();
    Select(Editor, 1);
    Editor->N1->trigger();
    EXPECT_EQ(Editor->alvNotes->RowCount(), 2);
    EXPECT_EQ(TodayInFile(), (notes::TNotes{Meeting, Call}));
    EXPECT_TRUE(frmNoteList->NotesText().startsWith(QStringLiteral("1.开会")));
    EXPECT_TRUE(frmNoteList->NotesText().contains(QStringLiteral("2.Call Anna")));

    Editor->advClose->click();
    EXPECT_EQ(frmNoteAdd, nullptr);
    EXPECT_EQ(TodayInFile(), (notes::TNotes{Meeting, Call}));
}

TEST_F(EditorTest, DeletingTheLastNoteBringsBackThePopupsEmptyDayText) {
    SaveToday({Meeting});
    frmNoteList = new TfrmNoteList();
    TfrmNoteAdd* Editor = OpenEditor();
    Select(Editor, 0);
    Editor->N1->trigger();
    EXPECT_EQ(frmNoteList->NotesText(), NoNotesToday);
    Editor->N1->trigger();
    EXPECT_EQ(Editor->alvNotes->RowCount(), 0) << "nothing selected: nothing happens";
}

TEST_F(EditorTest, OkMergesTheRowsWithCellsEditedInPlaceAndShowsThePopup) {
    notes::NoteAlarmOn = 1;
    SaveToday({Meeting});
    TfrmNoteAdd* Editor = OpenEditor();
    Editor->alvNotes->topLevelItem(0)->setText(3, QStringLiteral("改过的内容"));
    Enter(Editor, QStringLiteral("买菜"), QString(), false, QStringLiteral("西红柿"));
    Editor->advOK->click();

    EXPECT_EQ(TodayInFile(),
              (notes::TNotes{{"开会", "2024-05-01 09:00", true, "改过的内容"}, Shopping}));
    EXPECT_EQ(frmNoteAdd, nullptr);
    ASSERT_NE(frmNoteList, nullptr);
    EXPECT_TRUE(frmNoteList->isVisible());
    EXPECT_TRUE(frmNoteList->NotesText().contains(QStringLiteral("2.买菜 |  | 否")));

    TfrmNoteAdd* Again = OpenEditor();
    Enter(Again, QStringLiteral("Call Anna"), QStringLiteral("2024-05-01 18:00"), true,
          QStringLiteral("weekend"));
    Again->advOK->click();
    EXPECT_TRUE(frmNoteList->NotesText().contains(QStringLiteral("3.Call Anna")))
        << "the open popup reads the merged notes again";
}

TEST_F(EditorTest, OkWithAnEmptyListAddsAnEmptyDayAndKeepsAnOpenPopupsText) {
    notes::WriteSampleNotes(NotesFile());
    OpenEditor()->advOK->click();
    const notes::TNotesRead Today = notes::ReadTodayNotes(NotesFile());
    EXPECT_TRUE(Today.DayFound);
    EXPECT_TRUE(Today.Notes.empty());
    ASSERT_NE(frmNoteList, nullptr);
    EXPECT_EQ(frmNoteList->NotesText(), QString()) << "a new popup shows an empty note";

    SetNow(2024, 5, 2);
    frmNoteList->LoadTodayNotes(NotesFile());
    ASSERT_EQ(frmNoteList->NotesText(), NoNotesToday);
    OpenEditor()->advOK->click();
    EXPECT_EQ(frmNoteList->NotesText(), NoNotesToday);
}

TEST_F(EditorTest, AFailedMergeIsReportedAndTheEditorStaysOpen) {
    SaveToday({Meeting});
    TfrmNoteAdd* Editor = OpenEditor();
    const std::string Broken = "<?xml version=\"1.0\"?><便签列表><Date2024-05-01>";
    WriteNotesFile(Broken);
    Enter(Editor, QStringLiteral("买菜"), QString(), false, QStringLiteral("西红柿"));
    Editor->advOK->click();
    EXPECT_EQ(Errors.size(), 1);
    EXPECT_EQ(frmNoteAdd, Editor);
    EXPECT_TRUE(Editor->isVisible());
    EXPECT_EQ(frmNoteList, nullptr);
}

TEST_F(EditorTest, ALockHeldByAnotherProcessIsReportedAsBusyAndTheRowsStay) {
    SaveToday({Meeting});
    TfrmNoteAdd* Editor = OpenEditor();
    Enter(Editor, QStringLiteral("买菜"), QString(), false, QStringLiteral("西红柿"));
    const std::string Before = ReadNotesFile();
    // Another process's hold on the lock: an open file description of its own.
    const int Held = ::open((NotesFile() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(Held, LOCK_EX | LOCK_NB), 0);
    Editor->advOK->click();
    Select(Editor, 0);
    Editor->N1->trigger();
    ::close(Held);
    ASSERT_EQ(Errors.size(), 2);
    for (const QString& Error : Errors)
        EXPECT_TRUE(Error.contains(QStringLiteral("正被另一个程序使用"))) << Error.toStdString();
    EXPECT_TRUE(Editor->isVisible());
    EXPECT_EQ(Editor->alvNotes->RowCount(), 2);
    EXPECT_EQ(ReadNotesFile(), Before);
}

TEST_F(EditorTest, AFailedDeleteIsReportedAndKeepsTheRow) {
    SaveToday({Meeting, Shopping});
    const std::string Before = ReadNotesFile();
    std::filesystem::permissions(NotesFile(), std::filesystem::perms::owner_read);
    TfrmNoteAdd* Editor = OpenEditor();
    Select(Editor, 1);
    Editor->N1->trigger();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors[0].startsWith(QStringLiteral("无法删除便签：")));
    EXPECT_TRUE(Errors[0].contains(QString::fromStdString(NotesFile()))) << Errors[0].toStdString();
    EXPECT_EQ(Editor->alvNotes->RowCount(), 2);
    EXPECT_EQ(ReadNotesFile(), Before);
}

// Control characters and the non-characters U+FFFE and U+FFFF, typed, pasted or edited into a
// cell, are dropped; the day saves and reads back.
TEST_F(EditorTest, CharactersThatXmlCannotHoldAreDropped) {
    notes::NoteAlarmOn = 1;
    TfrmNoteAdd* Editor = OpenEditor();
    Enter(Editor, QStringLiteral("a\u0001b"), QStringLiteral("2024-05-01 09:00\u000B"), true,
          QStringLiteral("x\uFFFFy\uFFFEz\u001F😀"));
    Editor->alvNotes->topLevelItem(0)->setText(0, QStringLiteral("a\u0002b"));
    Editor->advOK->click();
    EXPECT_TRUE(Errors.isEmpty()) << Errors.join('\n').toStdString();
    EXPECT_EQ(TodayInFile(), (notes::TNotes{{"ab", "2024-05-01 09:00", true, "xyz😀"}}));
}

// A file that reads but could never be saved back is told as the editor opens, with its
// line; OK then fails with the same report and the file is kept.
TEST_F(EditorTest, AFileThatCannotBeSavedBackIsReportedOnShow) {
    const std::string Bytes =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>\n"
        "<Date2024-05-01><标题>开会</标题></Date2024-05-01><附龘/></便签列表>";
    WriteNotesFile(Bytes);
    TfrmNoteAdd* Editor = OpenEditor();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors[0].contains(QStringLiteral("第 2 行的“附龘”"))) << Errors[0].toStdString();
    EXPECT_EQ(Editor->alvNotes->RowCount(), 1);
    Editor->advOK->click();
    ASSERT_EQ(Errors.size(), 2);
    EXPECT_EQ(Errors[1], Errors[0]);
    EXPECT_EQ(ReadNotesFile(), Bytes);
}

TEST_F(EditorTest, KeysAloneAddANoteAndSaveItWithEnter) {
    TfrmNoteAdd* Editor = OpenEditor();
    Editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Editor));
    Editor->cmContent->setFocus();
    QTest::keyClick(Editor->cmContent, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Editor->Image1) << "Tab leaves the content";
    EXPECT_TRUE(Editor->cmContent->toPlainText().isEmpty());

    Editor->ceTitle->setText(QStringLiteral("开会"));
    QTest::keyClick(Editor->Image1, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Editor->alvNotes->RowCount() == 1; }));

    // Enter where the focused control has no use for it presses 确定.
    Editor->ceTitle->setFocus();
    QTest::keyClick(Editor->ceTitle, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frmNoteAdd == nullptr; }));
    ASSERT_EQ(TodayInFile().size(), 1U);
    EXPECT_EQ(TodayInFile()[0].Title, "开会");
}

TEST_F(EditorTest, LeavingWithUnsavedRowsAsksAndDeleteAsksBeforeDeleting) {
    SaveToday({Meeting});
    TfrmNoteAdd* Editor = OpenEditor();
    const auto Answer = [](QMessageBox::StandardButton Button, QString* Text) {
        QTimer::singleShot(0, [=] {
            auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(Box, nullptr);
            *Text = Box->text();
            Box->button(Button)->click();
        });
    };
    QString Asked;
    // A row added and not saved: Escape asks before throwing it away.
    Enter(Editor, QStringLiteral("买菜"), QString(), false, QStringLiteral("西红柿"));
    Answer(QMessageBox::No, &Asked);
    QTest::keyClick(Editor, Qt::Key_Escape);
    EXPECT_TRUE(Asked.contains(QStringLiteral("未保存")));
    ASSERT_NE(frmNoteAdd, nullptr) << "No keeps the editor open";

    Select(Editor, 0);
    Editor->alvNotes->setFocus();
    Answer(QMessageBox::No, &Asked);
    QTest::keyClick(Editor->alvNotes, Qt::Key_Delete);
    EXPECT_EQ(Asked, QStringLiteral("删除便签“开会”吗？"));
    EXPECT_EQ(Editor->alvNotes->RowCount(), 2);
    Answer(QMessageBox::Yes, &Asked);
    QTest::keyClick(Editor->alvNotes, Qt::Key_Delete);
    EXPECT_EQ(Editor->alvNotes->RowCount(), 1);
    EXPECT_TRUE(TodayInFile().empty());

    Answer(QMessageBox::Yes, &Asked);
    Editor->advClose->click();
    EXPECT_EQ(frmNoteAdd, nullptr);
    EXPECT_TRUE(TodayInFile().empty()) << "the added row is thrown away";
}

// A time is any minute of the editor's day; another text is refused with a warning and the
// list is left as it was.
TEST_F(EditorTest, TakesAnyMinuteOfItsDayAndRefusesOtherTimes) {
    TfrmNoteAdd* Editor = OpenEditor();
    Enter(Editor, QStringLiteral("开会"), QStringLiteral("9:30"), true, QString());
    ASSERT_EQ(Editor->alvNotes->RowCount(), 1);
    EXPECT_EQ(Editor->alvNotes->Row(0)[1], QStringLiteral("2024-05-01 09:30"));

    QString Warning;
    QTimer::singleShot(0, [&] {
        auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(Box, nullptr);
        Warning = Box->text();
        Box->accept();
    });
    Enter(Editor, QStringLiteral("开会"), QStringLiteral("2024-05-02 09:30"), true, QString());
    EXPECT_TRUE(Warning.contains(QStringLiteral("09:30"))) << Warning.toStdString();
    EXPECT_EQ(Editor->alvNotes->Row(0)[1], QStringLiteral("2024-05-01 09:30"));
}

// Ticking 提醒 while reminders are off asks at OK whether to turn them on; yes saves Alarm=1
// as the settings window does. Without a ticked reminder, or with reminders on, nothing asks.
TEST_F(EditorTest, ATickedReminderWhileRemindersAreOffAsksToTurnThemOn) {
    struct Case {
        const char* Name;
        bool Ticked;
        int AlarmBefore;
        std::optional<QMessageBox::StandardButton> Answer; // none: no question expected
        int AlarmAfter;
    };
    const Case Cases[] = {
        {"yes turns them on", true, 0, QMessageBox::Yes, 1},
        {"no leaves them off", true, 0, QMessageBox::No, 0},
        {"nothing ticked asks nothing", false, 0, std::nullopt, 0},
        {"reminders on ask nothing", true, 1, std::nullopt, 1},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::filesystem::remove(notes::SettingsFileName());
        notes::NoteAlarmOn = C.AlarmBefore;
        TfrmNoteAdd* Editor = OpenEditor();
        Enter(Editor, QStringLiteral("开会"), QStringLiteral("09:30"), C.Ticked, QString());
        bool Asked = false;
        QTimer::singleShot(0, [&] {
            auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (Box == nullptr) {
                return;
            }
            Asked = true;
            Box->done(C.Answer.value_or(QMessageBox::No));
        });
        Editor->advOK->click();
        QCoreApplication::processEvents(); // the look at the screen when nothing was asked
        EXPECT_EQ(Asked, C.Answer.has_value());
        EXPECT_EQ(notes::NoteAlarmOn, C.AlarmAfter);
        EXPECT_EQ(notes::ReadNoteSettings().Alarm, C.Answer == QMessageBox::Yes ? 1 : 0);
        EXPECT_EQ(frmNoteAdd, nullptr);
        RunDeferredDeletes();
    }
}

// The editor of another day shows and saves that day's notes, with the repeat and advance
// chosen beside the time; a note read back keeps its identity through a change.
TEST_F(EditorTest, AnotherDaysEditorSavesIntoThatDayWithRepeatAndAdvance) {
    notes::NoteAlarmOn = 1;
    SaveToday({Meeting});
    TfrmNoteAdd* Editor = new TfrmNoteAdd();
    frmNoteAdd = Editor;
    Editor->SetDay(EncodeDate(2024, 2, 10));
    Editor->show();
    EXPECT_EQ(Editor->windowTitle(), QStringLiteral("便签维护 - 2024年2月10日"));
    EXPECT_EQ(Editor->ccTime->itemText(0), QStringLiteral("2024-02-10 00:00"));
    EXPECT_EQ(Editor->alvNotes->RowCount(), 0) << "today's notes are not that day's";
    Editor->ccRepeat->setCurrentText(QStringLiteral("每年农历"));
    Editor->ccAdvance->setCurrentIndex(Editor->ccAdvance->findText(QStringLiteral("1天")));
    Enter(Editor, QStringLiteral("拜年"), QStringLiteral("9:30"), true, QStringLiteral("给外婆"));
    Editor->advOK->click();

    const auto Day = [&] {
        return notes::ReadNotesOf(NotesFile(), {"Date2024-02-10", false}).Notes;
    };
    ASSERT_EQ(Day().size(), 1U);
    const notes::TNote Saved = Day()[0];
    EXPECT_EQ(Saved.When, "2024-02-10 09:30");
    EXPECT_EQ(Saved.Repeat.Text(), "每年农历");
    EXPECT_EQ(Saved.Advance.Minutes(), 1440);
    EXPECT_EQ(Saved.Id.size(), 32U);
    EXPECT_EQ(TodayInFile(), (notes::TNotes{Meeting})) << "today's notes as they were";
    RunDeferredDeletes();

    Editor = new TfrmNoteAdd();
    frmNoteAdd = Editor;
    Editor->SetDay(EncodeDate(2024, 2, 10));
    Editor->show();
    Select(Editor, 0);
    EXPECT_EQ(Editor->ccRepeat->currentText(), QStringLiteral("每年农历"));
    EXPECT_EQ(Editor->ccAdvance->currentText(), QStringLiteral("1天"));
    Editor->ccRepeat->setCurrentText(QStringLiteral("每月农历"));
    Editor->Image1->click();
    Editor->advOK->click();
    ASSERT_EQ(Day().size(), 1U);
    EXPECT_EQ(Day()[0].Repeat.Text(), "每月农历");
    EXPECT_EQ(Day()[0].Id, Saved.Id);
    RunDeferredDeletes();

    Editor = new TfrmNoteAdd();
    frmNoteAdd = Editor;
    Editor->SetDay(EncodeDate(2024, 2, 10));
    Editor->show();
    Select(Editor, 0);
    Editor->N1->trigger();
    EXPECT_TRUE(Day().empty());
    EXPECT_EQ(TodayInFile(), (notes::TNotes{Meeting}));
}
