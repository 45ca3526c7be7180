#include "NotesWindowsFixture.h"

#include "common/WindowReferences.h"
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
#include <QTimer>

#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

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
