#include "calendar/DayDetails.h"
#include "calendar/UCalendar.h"
#include "common/KeyedPicture.h"
#include "common/WindowReferences.h"
#include "main/ProgramTray.h"
#include "main/UMain.h"
#include "notes/UNoteSettings.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/dbus/StatusNotifierItem.h"
#include "widgets/GradientDigitLabel.h"
#include "widgets/GradientPanel.h"
#include "widgets/MenuButton.h"
#include "widgets/MonthGrid.h"
#include "widgets/PictureMenu.h"
#include "widgets/Spinner.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor Red(0xFF, 0x00, 0x00);
const QColor Plum(0xDD, 0xA0, 0xDD);

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Data.isValid());
        platform::SetDataFolder(Data.path().toStdString() + "/");
        SetToday(2012, 10, 8);
    }

    void TearDown() override {
        delete Window.data();
        platform::SetClock({});
        platform::SetDataFolder({});
    }

    void SetToday(int Year, int Month, int Day) {
        platform::SetClock([=] { return EncodeDateTime(Year, Month, Day, 10, 0, 0); });
    }

    TfrmManyYear& Create() {
        Window = new TfrmManyYear;
        return *Window;
    }

    // Creates the window and lets it leave the creating state, as its first activation does.
    TfrmManyYear& CreateRunning() {
        TfrmManyYear& Form = Create();
        Form.FormActivate();
        return Form;
    }

    static std::vector<QPoint> RedCells(const TfrmManyYear& Form) {
        std::vector<QPoint> Cells;
        for (int Row = 0; Row < Form.advDays->RowCount(); ++Row)
            for (int Col = 0; Col < Form.advDays->ColCount(); ++Col)
                if (Form.advDays->CellColor(Col, Row) == Red)
                    Cells.emplace_back(Col, Row);
        return Cells;
    }

    QString DataFile(const char* Name) const { return Data.filePath(QString::fromUtf8(Name)); }

    QTemporaryDir Data;
    QPointer<TfrmManyYear> Window;
};

TEST_F(MainWindowTest, OpensOnTodaysMonthWithTodaysLines) {
    const TfrmManyYear& Form = Create();
    EXPECT_EQ(frmManyYear, &Form);
    EXPECT_EQ(Form.windowTitle(), "万年历");
    EXPECT_EQ(Form.size(), QSize(631, 386));
    EXPECT_TRUE(Form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(Form.AlphaLevel(), 255);
    EXPECT_TRUE(Form.Creating());
    EXPECT_EQ(Form.rsYear->Value(), 2012);
    EXPECT_EQ(Form.rsMonth->Value(), 10);
    EXPECT_EQ(Form.advDays->Cell(0, 0), "星期日");
    EXPECT_EQ(Form.advDays->Cell(6, 0), "星期六");
    EXPECT_EQ(Form.advDays->RowHeight(0), 27);
    EXPECT_EQ(Form.advDays->RowHeight(6), 50);
    EXPECT_EQ(Form.advDays->Cell(1, 2), "8\r廿三\r寒露");
    EXPECT_EQ(RedCells(Form), std::vector<QPoint>{QPoint(1, 2)});
    EXPECT_EQ(QPoint(Form.advDays->SelectedCol(), Form.advDays->SelectedRow()), QPoint(1, 2));
    EXPECT_EQ(Form.AdvSLDate->Text(), "08");
    EXPECT_EQ(Form.lblHolday->text(), "公历：2012-10-08 ");
    EXPECT_EQ(Form.lblJieQi->text(), "农历：二零一二年八月廿三 寒露");
    EXPECT_EQ(Form.lblNLYear->text(), "壬辰龙年");
}

TEST_F(MainWindowTest, TodaysMarkShowsOnlyInTodaysMonth) {
    const TfrmManyYear& Form = CreateRunning();
    Form.rsMonth->Step(+1);
    EXPECT_EQ(Form.advDays->Cell(4, 1).left(2), "1\r");
    EXPECT_TRUE(RedCells(Form).empty());
    // The selection stays where it was while another month is shown.
    EXPECT_EQ(QPoint(Form.advDays->SelectedCol(), Form.advDays->SelectedRow()), QPoint(1, 2));
    Form.rsYear->Step(-1);
    EXPECT_TRUE(RedCells(Form).empty());
    Form.rsYear->Step(+1);
    Form.rsMonth->Step(-1);
    EXPECT_EQ(RedCells(Form), std::vector<QPoint>{QPoint(1, 2)});
}

TEST_F(MainWindowTest, SpinnersLayNothingOutWhileTheWindowIsCreated) {
    TfrmManyYear& Form = Create();
    Form.rsYear->Step(+1);
    Form.rsMonth->Step(+1);
    EXPECT_EQ(Form.lblNLYear->text(), "壬辰龙年");
    EXPECT_EQ(Form.advDays->Cell(1, 2).left(2), "8\r");
    Form.FormActivate();
    Form.rsYear->Step(+1);
    EXPECT_EQ(Form.lblNLYear->text(), "甲午马年");
    EXPECT_EQ(Form.advDays->Cell(6, 1).left(2), "1\r"); // November 2014 starts on a Saturday
}

TEST_F(MainWindowTest, SpinnersLayTheGridOutOnceTheWindowIsShownEvenIfNeverActivated) {
    TfrmManyYear& Form = Create();
    Form.show();
    EXPECT_FALSE(Form.Creating());
    Form.rsYear->Step(+1);
    EXPECT_EQ(Form.lblNLYear->text(), "癸巳蛇年");
    EXPECT_EQ(Form.advDays->Cell(2, 1).left(2), "1\r"); // October 2013 starts on a Tuesday
}

TEST_F(MainWindowTest, AStepAgainstALimitLaysNothingOut) {
    const TfrmManyYear& Form = CreateRunning();
    struct {
        TSpinner* Spinner;
        int Limit;
        int Delta;
    } const Cases[] = {{Form.rsYear, LastSupportedYear, +1},
                       {Form.rsYear, FirstSupportedYear, -1},
                       {Form.rsMonth, 12, +1},
                       {Form.rsMonth, 1, -1}};
    for (const auto& Case : Cases) {
        Case.Spinner->SetValue(Case.Limit);
        const int Year = Form.rsYear->Value();
        Form.advDays->SetCell(3, 3, QStringLiteral("untouched"));
        Case.Spinner->Step(Case.Delta);
        EXPECT_EQ(Case.Spinner->Value(), Case.Limit);
        EXPECT_EQ(Form.rsYear->Value(), Year); // the month does not carry into the year
        EXPECT_EQ(Form.advDays->Cell(3, 3), "untouched");
        Case.Spinner->Step(-Case.Delta);
        EXPECT_NE(Form.advDays->Cell(3, 3), "untouched");
    }
}

TEST_F(MainWindowTest, YearNameAndPicturesFollowTheMonthShown) {
    const TfrmManyYear& Form = CreateRunning();
    struct {
        int Year, Month;
        const char* Name;
        int Zodiac;
    } const Cases[] = {{2012, 10, "壬辰龙年", 17},
                       {2013, 10, "癸巳蛇年", 18},
                       {2013, 3, "癸巳蛇年", 18},
                       {2015, 1, "乙未羊年", 20},
                       {2012, 6, "壬辰龙年", 17}};
    for (const auto& Case : Cases) {
        Form.rsYear->SetValue(Case.Year);
        Form.rsMonth->SetValue(Case.Month);
        EXPECT_EQ(Form.lblNLYear->text(), Case.Name);
        const QImage Zodiac(QStringLiteral(":/BITMAP_%1").arg(Case.Zodiac));
        EXPECT_EQ(Form.ImgLunar->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                  KeyedOutPicture(Zodiac))
            << Case.Zodiac;
        EXPECT_EQ(Form.advDays->Background().toImage(),
                  QImage(QStringLiteral(":/BITMAP_%1").arg(Case.Month))
                      .convertToFormat(Form.advDays->Background().toImage().format()))
            << Case.Month;
    }
}

TEST_F(MainWindowTest, WeekendHeadersAreColouredByTheFirstPaintOnly) {
    TfrmManyYear& Form = CreateRunning();
    for (int Col = 0; Col < 7; ++Col)
        EXPECT_FALSE(Form.advDays->CellColor(Col, 0).isValid());
    Form.advDays->grab();
    for (int Col = 0; Col < 7; ++Col)
        EXPECT_EQ(Form.advDays->CellColor(Col, 0), Col == 0 || Col == 6 ? Plum : QColor()) << Col;
    // Once both are coloured the handler leaves every later paint alone.
    Form.advDays->SetCellColor(0, 0, QColor());
    Form.rsMonth->Step(-1);
    Form.advDays->grab();
    EXPECT_FALSE(Form.advDays->CellColor(0, 0).isValid());
    EXPECT_EQ(Form.advDays->CellColor(6, 0), Plum);
}

TEST_F(MainWindowTest, XAndZStepTheOpacityThroughFourteenLevels) {
    TfrmManyYear& Form = CreateRunning();
    for (int Press = 1; Press <= 13; ++Press) {
        QTest::keyClick(&Form, Qt::Key_X);
        EXPECT_EQ(Form.AlphaLevel(), 255 - 10 * Press);
    }
    QTest::keyClick(&Form, Qt::Key_X);
    EXPECT_EQ(Form.AlphaLevel(), 125);
    for (int Press = 1; Press <= 13; ++Press)
        QTest::keyClick(&Form, Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(Form.AlphaLevel(), 255);
    QTest::keyClick(&Form, Qt::Key_Z);
    EXPECT_EQ(Form.AlphaLevel(), 255);
    // The keys reach the window while one of its controls has the focus.
    QTest::keyClick(Form.rsYear, Qt::Key_X);
    EXPECT_EQ(Form.AlphaLevel(), 245);
    EXPECT_EQ(Form.rsYear->Value(), 2012);
}

TEST_F(MainWindowTest, DraggingThePanelMovesTheWindowOnRelease) {
    TfrmManyYear& Form = CreateRunning();
    struct {
        Qt::MouseButton Button;
        QPoint Press, Release, Travel;
    } const Cases[] = {
        {Qt::LeftButton, {200, 60}, {230, 100}, {30, 40}},
        {Qt::RightButton, {200, 60}, {150, 40}, {-50, -20}},
        // A press on one of the panel's controls is no drag.
        {Qt::LeftButton, {80, 196}, {120, 230}, {0, 0}},
    };
    for (const auto& Case : Cases) {
        Form.move(400, 300);
        QWidget* Panel = Form.W7Panel1;
        QWidget* Target = Panel->childAt(Case.Press) ? Panel->childAt(Case.Press) : Panel;
        QTest::mousePress(Target, Case.Button, {}, Target->mapFrom(Panel, Case.Press));
        EXPECT_EQ(Form.pos(), QPoint(400, 300)) << "the window waits for the release";
        QTest::mouseRelease(Target, Case.Button, {}, Target->mapFrom(Panel, Case.Release));
        EXPECT_EQ(Form.pos(), QPoint(400, 300) + Case.Travel);
    }
}

TEST_F(MainWindowTest, N12HidesAndShowsTheGrid) {
    TfrmManyYear& Form = CreateRunning();
    Form.N12->trigger();
    EXPECT_EQ(Form.width(), 221);
    EXPECT_EQ(Form.N12->text(), "显示月历");
    Form.N12->trigger();
    EXPECT_EQ(Form.width(), 631);
    EXPECT_EQ(Form.N12->text(), "隐藏月历");
}

TEST_F(MainWindowTest, MenuHoldsEveryItemInOrder) {
    const TfrmManyYear& Form = Create();
    QStringList Captions;
    for (const QAction* Item : {Form.N12, Form.N1, Form.N3, Form.N4, Form.N5, Form.N6, Form.N7,
                                Form.N8, Form.N9, Form.N2, Form.N10, Form.N11})
        Captions << (Item->isSeparator() ? QStringLiteral("-") : Item->text());
    EXPECT_EQ(Captions.join('|'), "隐藏月历|显示天气预报|-|便签维护|显示便签|便签设置|便签历史|-|"
                                  "最小化到托盘|退出程序|-|关于...");
    for (const QAction* Item :
         {Form.N12, Form.N1, Form.N4, Form.N5, Form.N6, Form.N7, Form.N9, Form.N2})
        EXPECT_FALSE(Item->icon().isNull()) << Item->text().toStdString();
    EXPECT_TRUE(Form.N11->icon().isNull());
}

TEST_F(MainWindowTest, ClosingDeletesTodaysSnapshotOnly) {
    for (const char* Name : {"20121008.bmp", "20121007.bmp"}) {
        QFile File(DataFile(Name));
        ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    }
    TfrmManyYear& Form = CreateRunning();
    // The snapshot is named after the day of closing, not the day of start-up.
    SetToday(2012, 10, 8);
    Form.N2->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Window.isNull());
    EXPECT_EQ(frmManyYear, nullptr);
    EXPECT_FALSE(QFile::exists(DataFile("20121008.bmp")));
    EXPECT_TRUE(QFile::exists(DataFile("20121007.bmp")));
}

TEST_F(MainWindowTest, ClosingAfterMidnightDeletesTheNewDaysSnapshot) {
    for (const char* Name : {"20121008.bmp", "20121009.bmp"}) {
        QFile File(DataFile(Name));
        ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    }
    TfrmManyYear& Form = CreateRunning();
    SetToday(2012, 10, 9);
    Form.close();
    EXPECT_TRUE(QFile::exists(DataFile("20121008.bmp")));
    EXPECT_FALSE(QFile::exists(DataFile("20121009.bmp")));
    EXPECT_EQ(Form.AdvSLDate->Text(), "08");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(MainWindowTest, NoSettingsFileGivesTheDefaults) {
    notes::NotePosition = 3;
    notes::NoteAlarmOn = 1;
    notes::NoteBlend = 4;
    Create();
    EXPECT_EQ(notes::NotePosition, 0);
    EXPECT_EQ(notes::NoteAlarmOn, 0);
    EXPECT_EQ(notes::NoteBlend, 10);
}

TEST_F(MainWindowTest, AClockOutsideTheTablesShowsTheNearestYear) {
    struct {
        int Year, Month, Day, ShownYear;
    } const Cases[] = {{2401, 3, 5, 2400}, {1599, 7, 20, 1600}, {3000, 12, 31, 2400}};
    for (const auto& Case : Cases) {
        SetToday(Case.Year, Case.Month, Case.Day);
        const TfrmManyYear& Form = Create();
        EXPECT_EQ(Form.rsYear->Value(), Case.ShownYear);
        EXPECT_EQ(Form.rsMonth->Value(), Case.Month);
        EXPECT_EQ(Form.lblNLYear->text(), QString::fromStdString(CyclicYearName(Case.ShownYear)));
        const int FirstCol = GetWeekDay(Case.ShownYear, Case.Month, 1) - 1;
        EXPECT_EQ(Form.advDays->Cell(FirstCol, 1).left(2), "1\r");
        EXPECT_TRUE(RedCells(Form).empty());
        EXPECT_EQ(Form.lblJieQi->text(), "农历： ");
        EXPECT_EQ(Form.AdvSLDate->Text(), QStringLiteral("%1").arg(Case.Day, 2, 10, QChar('0')));
        delete Window.data();
    }
}

TEST_F(MainWindowTest, WithoutATrayMinimisingKeepsTheWindowReachable) {
    TfrmManyYear& Form = CreateRunning();
    Form.show();
    ASSERT_FALSE(Form.RzTrayIcon1->Shown());
    // The caption tells where the window goes before the item is chosen.
    emit Form.AdvPopupMenu1->aboutToShow();
    EXPECT_EQ(Form.N9->text(), QStringLiteral("最小化（没有托盘）"));
    Form.N9->trigger();
    EXPECT_TRUE(Form.isVisible());
    EXPECT_TRUE(Form.windowState().testFlag(Qt::WindowMinimized));
    Form.RestoreApplication();
    EXPECT_FALSE(Form.windowState().testFlag(Qt::WindowMinimized));
}

TEST_F(MainWindowTest, TrayIconRestoresOnDoubleClickAndOpensTheMenuOnRightClick) {
    TfrmManyYear& Form = CreateRunning();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form.RzTrayIcon1->XEmbedIcon() != nullptr; }));
    QSystemTrayIcon* Icon = Form.RzTrayIcon1->XEmbedIcon();
    Form.showMinimized();
    // A single click on the XEmbed icon does nothing, as it always did.
    emit Icon->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(Form.windowState().testFlag(Qt::WindowMinimized));
    emit Icon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(Form.isVisible());
    EXPECT_FALSE(Form.windowState().testFlag(Qt::WindowMinimized));
    emit Icon->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(Form.AdvPopupMenu1->isVisible());
    Form.AdvPopupMenu1->hide();
}

TEST_F(MainWindowTest, AStatusNotifierHostsClickRestoresAndItsMenuRequestOpensTheMenu) {
    TfrmManyYear& Form = CreateRunning();
    Form.show();
    Form.N9->trigger();
    emit Form.RzTrayIcon1->Item()->Activated(10, 10);
    EXPECT_TRUE(Form.isVisible());
    EXPECT_FALSE(Form.windowState().testFlag(Qt::WindowMinimized));
    emit Form.RzTrayIcon1->Item()->ContextMenuRequested(40, 50);
    EXPECT_TRUE(Form.AdvPopupMenu1->isVisible());
    Form.AdvPopupMenu1->hide();
}

TEST_F(MainWindowTest, TheTraysToolTipNamesToday) {
    SetToday(2024, 2, 10);
    const TfrmManyYear& Form = Create();
    EXPECT_EQ(Form.RzTrayIcon1->ToolTip(), QStringLiteral("2024年2月10日 星期六 农历正月初一"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form.RzTrayIcon1->XEmbedIcon() != nullptr; }));
    EXPECT_EQ(Form.RzTrayIcon1->XEmbedIcon()->toolTip(), Form.RzTrayIcon1->ToolTip());
}

TEST_F(MainWindowTest, KeysMoveTheSelectedDayAcrossMonthsAndHomeGoesToToday) {
    TfrmManyYear& Form = CreateRunning();
    Form.show();
    Form.advDays->setFocus();
    ASSERT_EQ(Form.SelectedDay(), (TGridDay{2012, 10, 8}));
    struct {
        Qt::Key Key;
        TGridDay Selected;
    } const Steps[] = {
        {Qt::Key_Up, {2012, 10, 1}},       {Qt::Key_Left, {2012, 9, 30}},
        {Qt::Key_Right, {2012, 10, 1}},    {Qt::Key_PageUp, {2012, 9, 1}},
        {Qt::Key_Up, {2012, 8, 25}},       {Qt::Key_Down, {2012, 9, 1}},
        {Qt::Key_PageDown, {2012, 10, 1}}, {Qt::Key_Home, {2012, 10, 8}},
    };
    for (const auto& Step : Steps) {
        QTest::keyClick(Form.advDays, Step.Key);
        EXPECT_EQ(Form.SelectedDay(), Step.Selected) << Step.Key;
        EXPECT_EQ(Form.rsYear->Value(), Step.Selected.Year);
        EXPECT_EQ(Form.rsMonth->Value(), Step.Selected.Month);
        const int FirstCol = GetWeekDay(Step.Selected.Year, Step.Selected.Month, 1) - 1;
        EXPECT_EQ(Form.advDays->Cell(FirstCol, 1).left(2), "1\r");
    }
    EXPECT_EQ(RedCells(Form), std::vector<QPoint>{QPoint(1, 2)});
}

TEST_F(MainWindowTest, KeysStopAtTheEndsOfTheCalendarAndLeaveAnEmptyCellForTheNearestDay) {
    SetToday(FirstSupportedYear, 1, 1);
    TfrmManyYear& Form = CreateRunning();
    Form.show();
    Form.advDays->setFocus();
    QTest::keyClick(Form.advDays, Qt::Key_Left);
    QTest::keyClick(Form.advDays, Qt::Key_PageUp);
    EXPECT_EQ(Form.SelectedDay(), (TGridDay{FirstSupportedYear, 1, 1}));
    // The first day of the range is no Sunday: the cell before it holds no day, and a step
    // from there starts at day 1.
    Form.advDays->SetSelected(0, 1);
    EXPECT_EQ(Form.SelectedDay().Day, 0);
    QTest::keyClick(Form.advDays, Qt::Key_Right);
    EXPECT_EQ(Form.SelectedDay(), (TGridDay{FirstSupportedYear, 1, 2}));
}

TEST_F(MainWindowTest, TheMenuKeyAndShiftF10OpenTheMenuFromAnyControl) {
    TfrmManyYear& Form = CreateRunning();
    Form.show();
    Form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    for (QWidget* Control :
         {static_cast<QWidget*>(Form.rsYear), static_cast<QWidget*>(Form.advDays),
          static_cast<QWidget*>(Form.RzMenuToolbarButton1)}) {
        for (const QKeyCombination Keys :
             {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
            Control->setFocus();
            QTest::keyClick(Control, Keys.key(), Keys.keyboardModifiers());
            EXPECT_TRUE(Form.AdvPopupMenu1->isVisible()) << Control->metaObject()->className();
            Form.AdvPopupMenu1->hide();
        }
    }
    Form.RzMenuToolbarButton1->setFocus();
    QTest::keyClick(Form.RzMenuToolbarButton1, Qt::Key_Return);
    EXPECT_TRUE(Form.AdvPopupMenu1->isVisible());
    Form.AdvPopupMenu1->hide();
}

TEST_F(MainWindowTest, ControlsHaveChineseNamesForScreenReaders) {
    SetToday(2024, 2, 10);
    TfrmManyYear& Form = CreateRunning();
    Form.show();
    QAccessibleInterface* Year = QAccessible::queryAccessibleInterface(Form.rsYear);
    ASSERT_NE(Year, nullptr);
    EXPECT_EQ(Year->role(), QAccessible::SpinBox);
    EXPECT_EQ(Year->text(QAccessible::Name), QStringLiteral("年份"));
    EXPECT_EQ(Year->valueInterface()->currentValue().toInt(), 2024);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Form.rsMonth)->text(QAccessible::Name),
              QStringLiteral("月份"));
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(Form.RzMenuToolbarButton1)->text(QAccessible::Name),
        QStringLiteral("命令菜单"));

    QAccessibleInterface* Grid = QAccessible::queryAccessibleInterface(Form.advDays);
    ASSERT_NE(Grid, nullptr);
    QAccessibleTableInterface* Table = Grid->tableInterface();
    ASSERT_NE(Table, nullptr);
    EXPECT_EQ(Table->columnCount(), 7);
    EXPECT_EQ(Table->rowCount(), 6);
    // February 2024 starts on a Thursday: the 10th is in week row 2, column 6.
    QAccessibleInterface* Cell = Table->cellAt(1, 6);
    ASSERT_NE(Cell, nullptr);
    EXPECT_EQ(Cell->text(QAccessible::Name),
              QStringLiteral("2024年2月10日 星期六 农历正月初一 国际气象节 春节 休"));
    EXPECT_TRUE(Cell->state().selected);
    const QList<QAccessibleInterface*> Header = Cell->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(Header.size(), 1);
    EXPECT_EQ(Header[0]->text(QAccessible::Name), QStringLiteral("星期六"));
    EXPECT_EQ(Header[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(Table->cellAt(0, 0)->text(QAccessible::Name), QString());
}

} // namespace
