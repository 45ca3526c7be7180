#include "NotesWindowsFixture.h"

#include "common/WindowReferences.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteHis.h"
#include "widgets/GlassButton.h"
#include "widgets/ReportList.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

using HistoryTest = TNotesWindowsTest;

QStringList Titles(const TfrmNoteHis& History) {
    QStringList Result;
    for (int Row = 0; Row < History.alvNotes->RowCount(); ++Row) {
        if (!History.alvNotes->topLevelItem(Row)->isHidden()) {
            Result << History.alvNotes->Row(Row)[1];
        }
    }
    return Result;
}

} // namespace

TEST_F(HistoryTest, ListsAllDaysAndNarrowsToTodayByTheCheckBox) {
    SetNow(2024, 4, 30);
    SaveToday({{"早会", "2024-04-30 09:00", true, "a"}, {"买菜", "", false, "b"}});
    SetNow(2024, 5, 1);
    SaveToday({{"开会", "2024-05-01 14:00", true, "c"}});

    TfrmNoteHis History;
    EXPECT_FALSE(History.advCheckToday->isChecked());
    EXPECT_EQ(Titles(History), QStringList({"买菜", "早会", "开会"}));
    EXPECT_EQ(History.alvNotes->Row(0), QStringList({"2024-04-30", "买菜", "", "否", "b"}));

    History.advCheckToday->click();
    EXPECT_EQ(Titles(History), QStringList({"开会"}));
    SetNow(2024, 5, 2);
    History.advCheckToday->click();
    EXPECT_EQ(Titles(History).size(), 3);
    History.advCheckToday->click();
    EXPECT_TRUE(Titles(History).isEmpty()) << "a day without notes lists nothing";
}

TEST_F(HistoryTest, LongCellsAreCut) {
    SaveToday({{std::string(1000000, 'T'), "", false, std::string(1000000, 'C')}});
    TfrmNoteHis History;
    const QStringList Row = History.alvNotes->Row(History.alvNotes->RowCount() - 1);
    EXPECT_EQ(Row[1], QString(199, QLatin1Char('T')) + QStringLiteral("…"));
    EXPECT_EQ(Row[4], QString(199, QLatin1Char('C')) + QStringLiteral("…"));
}

TEST_F(HistoryTest, TheSampleAloneListsNothingCheckedOrNot) {
    SetNow(2000, 1, 1);
    TfrmNoteHis History;
    EXPECT_TRUE(Titles(History).isEmpty());
    History.advCheckToday->click();
    EXPECT_TRUE(Titles(History).isEmpty());
}

// Each note's day stands in a column of its own; the rows go by day, then time (notes without
// a time first), whatever the order of the file.
TEST_F(HistoryTest, SortsByDayThenTime) {
    SetNow(2024, 5, 2);
    SaveToday({{"午饭", "2024-05-02 12:00", false, ""}, {"早会", "2024-05-02 09:00", true, ""}});
    SetNow(2024, 5, 1);
    SaveToday({{"晚会", "2024-05-01 19:30", false, ""},
               {"全天", "", false, ""},
               {"早饭", "2024-05-01 07:05", false, ""}});
    TfrmNoteHis History;
    EXPECT_EQ(Titles(History), QStringList({"全天", "早饭", "晚会", "早会", "午饭"}));
    EXPECT_EQ(History.alvNotes->headerItem()->text(0), QStringLiteral("日期"));
    EXPECT_EQ(History.alvNotes->Row(4)[0], QStringLiteral("2024-05-02"));
}

// The box narrows the rows to those whose title or content holds its text, letter case
// aside, as one types; emptied, it shows every row again, and it keeps working after the
// check box refills the list.
TEST_F(HistoryTest, FiltersByTitleAndContentAsOneTypes) {
    SetNow(2024, 4, 30);
    SaveToday({{"Meeting", "", false, "room 3"}, {"买菜", "", false, "西红柿 and eggs"}});
    SetNow(2024, 5, 1);
    SaveToday({{"电话", "", false, "call ANNA"}});
    TfrmNoteHis History;
    struct Case {
        const char* Typed;
        QStringList Shown;
    };
    const Case Cases[] = {
        {"A", {"买菜", "电话"}},
        {"ROOM", {"Meeting"}},
        {"西红柿", {"买菜"}},
        {"anna", {"电话"}},
        {"nothing", {}},
        {"", {"Meeting", "买菜", "电话"}},
        {"  ", {"Meeting", "买菜", "电话"}},
    };
    for (const Case& C : Cases) {
        History.ceFilter->setText(QString::fromUtf8(C.Typed));
        EXPECT_EQ(Titles(History), C.Shown) << C.Typed;
    }
    History.ceFilter->setText(QStringLiteral("a"));
    History.advCheckToday->click();
    EXPECT_EQ(Titles(History), QStringList({"电话"}));
}

// A double click (or Enter) on a row opens the editor of that row's day; what it saves shows
// in the history at once.
TEST_F(HistoryTest, ARowOpensItsDaysEditor) {
    SetNow(2024, 4, 30);
    SaveToday({{"早会", "2024-04-30 09:00", true, "a"}});
    SetNow(2024, 5, 1);
    TfrmNoteHis History;
    QString Caption;
    QStringList Times;
    QTimer::singleShot(0, [&] {
        auto* Editor = qobject_cast<TfrmNoteAdd*>(QApplication::activeModalWidget());
        ASSERT_NE(Editor, nullptr);
        Caption = Editor->windowTitle();
        Times << Editor->ccTime->itemText(0) << Editor->alvNotes->Row(0)[1];
        Editor->reject();
    });
    emit History.alvNotes->itemActivated(History.alvNotes->topLevelItem(0), 0);
    EXPECT_EQ(Caption, QStringLiteral("便签维护 - 2024年4月30日"));
    EXPECT_EQ(Times, QStringList({"2024-04-30 00:00", "2024-04-30 09:00"}));
    EXPECT_EQ(frmNoteAdd, nullptr);
}
