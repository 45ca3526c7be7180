// The 休/班 marks of the month grid and the tooltip of a day cell in the main window.

#include "main/DayCellHints.h"
#include "main/UMain.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "widgets/MonthGrid.h"
#include "widgets/Spinner.h"
#include "widgets/WindowFonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QColor Red(0xFF, 0x00, 0x00);
const QColor DarkGrey(0x50, 0x50, 0x50);

class DayCellHintsTest : public testing::Test {
protected:
    void SetUp() override {
        platform::SetDataFolder(Data.path().toStdString() + "/");
        platform::SetClock([] { return EncodeDateTime(2024, 2, 10, 10, 0, 0); });
        Window = std::make_unique<TfrmManyYear>();
        Window->FormActivate();
    }
    void TearDown() override {
        Window.reset();
        platform::SetClock({});
        platform::SetDataFolder({});
    }

    TMonthGrid& Grid() const { return *Window->advDays; }

    QTemporaryDir Data;
    std::unique_ptr<TfrmManyYear> Window;
};

} // namespace

TEST_F(DayCellHintsTest, HolidaysAndWorkDaysOfTheMonthShownAreMarked) {
    // February 2024 begins on a Thursday: the 4th is (0, 2), the 10th (6, 2), the 18th (0, 4).
    struct Case {
        int Col, Row;
        const char* Mark;
        QColor Color;
    };
    for (const Case& C : {Case{0, 2, "班", DarkGrey}, Case{6, 2, "休", Red},
                          Case{0, 4, "班", DarkGrey}, Case{1, 2, "", QColor()}}) {
        EXPECT_EQ(Grid().CellMark(C.Col, C.Row), QString::fromUtf8(C.Mark)) << C.Col << C.Row;
        if (!QString::fromUtf8(C.Mark).isEmpty()) {
            EXPECT_EQ(Grid().CellMarkColor(C.Col, C.Row), C.Color);
        }
    }
    Window->rsMonth->SetValue(3); // March 2024 has no holiday
    for (int Row = 1; Row < Grid().RowCount(); ++Row)
        for (int Col = 0; Col < Grid().ColCount(); ++Col)
            EXPECT_EQ(Grid().CellMark(Col, Row), "") << Col << Row;
}

TEST_F(DayCellHintsTest, MarkStaysClearOfTheThreeLines) {
    // The widest lines a cell holds are three characters (十一月, 十二月); they are centred.
    const QFontMetricsF Metrics(SansFont(11));
    const QRect Cell = Grid().CellRect(0, 1);
    const qreal Widest = Metrics.horizontalAdvance(QString::fromUtf8("十二月"));
    const qreal TextRight = Cell.left() + (Cell.width() + Widest) / 2;
    const QRect Mark = Grid().MarkRect(0, 1);
    EXPECT_GT(Mark.left(), TextRight);
    EXPECT_TRUE(Cell.contains(Mark));
}

// The sign marks the days on which notes fall, their own or repeating ones, and follows the
// notes file at the next tick.
TEST_F(DayCellHintsTest, DaysWithNotesCarryTheNoteSign) {
    const auto Signed = [this] {
        std::vector<QPoint> Cells;
        for (int Row = 1; Row < Grid().RowCount(); ++Row)
            for (int Col = 0; Col < Grid().ColCount(); ++Col)
                if (Grid().CellSign(Col, Row))
                    Cells.emplace_back(Col, Row);
        return Cells;
    };
    EXPECT_TRUE(Signed().empty());
    QFile Notes(Data.filePath(QStringLiteral("Notes.xml")));
    ASSERT_TRUE(Notes.open(QIODevice::WriteOnly));
    Notes.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>"
                "<Date2024-01-31><标题>交房租</标题><日期/><提醒>否</提醒><内容/><重复>每月</重复>"
                "</Date2024-01-31><Date2024-02-14><标题>情人节</标题><日期/><提醒>否</提醒>"
                "<内容/></Date2024-02-14></便签列表>");
    Notes.close();
    Window->FollowToday();
    // February 2024 begins on a Thursday: the 14th is (3, 3), the 29th (4, 5).
    EXPECT_EQ(Signed(), (std::vector<QPoint>{QPoint(3, 3), QPoint(4, 5)}));
    Window->rsMonth->SetValue(3); // March: the 31st, (0, 6)
    EXPECT_EQ(Signed(), (std::vector<QPoint>{QPoint(0, 6)}));
    Window->rsYear->SetValue(2023); // before the anchor
    EXPECT_TRUE(Signed().empty());
}

TEST_F(DayCellHintsTest, NoteSignStaysClearOfTheLinesAndOfTheMark) {
    const QFontMetricsF Metrics(SansFont(11));
    const QRect Cell = Grid().CellRect(3, 2);
    const qreal Widest = Metrics.horizontalAdvance(QString::fromUtf8("十二月"));
    const qreal TextLeft = Cell.left() + (Cell.width() - Widest) / 2;
    const QRect Sign = Grid().SignRect(3, 2);
    EXPECT_LT(Sign.right() + 1, TextLeft);
    EXPECT_TRUE(Cell.contains(Sign));
    EXPECT_FALSE(Sign.intersects(Grid().MarkRect(3, 2)));
}

TEST_F(DayCellHintsTest, TooltipOfADayCellAndNoneForAnEmptyCell) {
    Window->show();
    QApplication::processEvents();
    // The tooltip shown on hovering over a cell; empty when the grid turns the event down.
    const auto Hover = [this](int Col, int Row) {
        const QPoint At = Grid().CellRect(Col, Row).center();
        QHelpEvent Event(QEvent::ToolTip, At, Grid().mapToGlobal(At));
        QApplication::sendEvent(&Grid(), &Event);
        return Event.isAccepted() ? QToolTip::text() : QString();
    };
    const auto Plain = [](const QString& Tip) {
        QTextDocument Document;
        Document.setHtml(Tip);
        return Document.toPlainText();
    };
    const QString Tip = Plain(Hover(6, 2));
    EXPECT_TRUE(Tip.startsWith(QString::fromUtf8("2024年2月10日 星期六\n农历甲辰年正月初一\n")))
        << Tip.toStdString();
    EXPECT_TRUE(Tip.contains(QString::fromUtf8("休：春节")));

    // A note's title that looks like markup is shown as written.
    QFile Notes(Data.filePath(QStringLiteral("Notes.xml")));
    ASSERT_TRUE(Notes.open(QIODevice::WriteOnly));
    Notes.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表><Date2024-02-10>"
                "<标题>&lt;b&gt;拜年&lt;/b&gt;</标题><日期/><提醒>否</提醒><内容/>"
                "</Date2024-02-10></便签列表>");
    Notes.close();
    EXPECT_TRUE(Plain(Hover(6, 2)).endsWith(QString::fromUtf8("便签：\n  <b>拜年</b>")))
        << Plain(Hover(6, 2)).toStdString();
    EXPECT_EQ(Hover(0, 1), "") << "the 1st is a Thursday: Sunday of week 1 is empty";
    EXPECT_EQ(DayCellToolTip(2024, 2, 0, 6), "");
}

namespace {

// The holiday files are read once, when the first month is marked: a program run of its own
// (as each test is) with a folder in the data folder's holidays.csv from the start.
class HolidayFaultHintsTest : public DayCellHintsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(Data.path()).mkdir(QStringLiteral("holidays.csv")));
        DayCellHintsTest::SetUp();
    }
};

} // namespace

TEST_F(HolidayFaultHintsTest, AHolidayFileLeftOutIsToldOnTheTooltip) {
    const QString Tip = DayCellToolTip(2024, 2, 6, 2);
    EXPECT_TRUE(Tip.contains(QString::fromUtf8("节假日文件未能采用"))) << Tip.toStdString();
    EXPECT_TRUE(Tip.contains(QString::fromUtf8("休：春节"))) << "the shipped table stands";
}
