#include "NotesWindowsFixture.h"

#include "common/WindowReferences.h"
#include "notes/windows/UNoteHis.h"
#include "widgets/GlassButton.h"
#include "widgets/ReportList.h"

#include <QCheckBox>

namespace {

using HistoryTest = TNotesWindowsTest;

QStringList Titles(const TfrmNoteHis& History) {
    QStringList Result;
    for (int Row = 0; Row < History.alvNotes->RowCount(); ++Row) {
        Result << History.alvNotes->Row(Row).first();
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
    EXPECT_EQ(Titles(History), QStringList({"早会", "买菜", "开会"}));
    EXPECT_EQ(History.alvNotes->Row(1), QStringList({"买菜", "", "否", "b"}));

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
    EXPECT_EQ(Row[0], QString(199, QLatin1Char('T')) + QStringLiteral("…"));
    EXPECT_EQ(Row[3], QString(199, QLatin1Char('C')) + QStringLiteral("…"));
}

TEST_F(HistoryTest, TheSampleAloneListsNothingCheckedOrNot) {
    SetNow(2000, 1, 1);
    TfrmNoteHis History;
    EXPECT_TRUE(Titles(History).isEmpty());
    History.advCheckToday->click();
    EXPECT_TRUE(Titles(History).isEmpty());
}
