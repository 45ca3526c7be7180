#include "MainWindowFixture.h"

#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteHis.h"
#include "notes/windows/UNoteList.h"
#include "notes/windows/UNoteset.h"
#include "widgets/MonthGrid.h"
#include "widgets/Spinner.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using MenuCommandsTest = TMainWindowTest;

struct TModalSeen {
    QPointer<QDialog> Window;
    QString Caption;
    int Alpha = -1;
    QPoint Centre;
    bool ReferenceSet = false;
};

} // namespace

TEST_F(MenuCommandsTest, NoteWindowsOpenModallyOnTheMainWindowAndFreeThemselves) {
    Main->setGeometry(200, 150, 631, 386);
    Main->show();
    Main->SetAlphaLevel(185);
    struct Case {
        void (TfrmManyYear::*Command)();
        QString Caption;
        std::function<QWidget*()> Reference;
    };
    const Case Cases[] = {
        {&TfrmManyYear::N4Click, QStringLiteral("便签维护 - 2024年5月1日"),
         []() -> QWidget* { return frmNoteAdd; }},
        {&TfrmManyYear::N6Click, QStringLiteral("便签设置"),
         []() -> QWidget* { return frmNoteSet; }},
        {&TfrmManyYear::N7Click, QStringLiteral("便签历史记录"),
         []() -> QWidget* { return frmNoteHis; }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Caption.toStdString());
        for (int Opening = 0; Opening < 2; ++Opening) {
            TModalSeen Seen;
            QTimer::singleShot(0, [&] {
                auto* Window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                ASSERT_NE(Window, nullptr);
                Seen = {Window, Window->windowTitle(), WindowAlpha(Window),
                        Window->frameGeometry().center(), C.Reference() == Window};
                Window->reject();
            });
            (Main->*C.Command)();
            EXPECT_EQ(Seen.Caption, C.Caption);
            EXPECT_EQ(Seen.Alpha, 185);
            EXPECT_LE((Seen.Centre - Main->frameGeometry().center()).manhattanLength(), 2);
            EXPECT_TRUE(Seen.ReferenceSet);
            EXPECT_EQ(C.Reference(), nullptr);
            RunDeferredDeletes();
            EXPECT_TRUE(Seen.Window.isNull()) << "freed on close, opening " << Opening;
        }
    }
}

TEST_F(MenuCommandsTest, ShowNotesTogglesThePopupByTheCaptionAlone) {
    notes::NoteBlend = 4;
    Main->SetAlphaLevel(185);
    ASSERT_EQ(Main->N5->text(), QStringLiteral("显示便签"));
    Main->N5Click();
    ASSERT_NE(frmNoteList, nullptr);
    EXPECT_TRUE(frmNoteList->isVisible());
    EXPECT_EQ(WindowAlpha(frmNoteList), 102) << "a shown popup keeps its own opacity";
    EXPECT_EQ(Main->N5->text(), QStringLiteral("隐藏便签"));

    Main->N5Click();
    EXPECT_FALSE(frmNoteList->isVisible());
    EXPECT_EQ(Main->N5->text(), QStringLiteral("显示便签"));

    Main->N5Click();
    frmNoteList->close();
    RunDeferredDeletes();
    ASSERT_EQ(frmNoteList, nullptr);
    Main->N5Click();
    EXPECT_EQ(frmNoteList, nullptr) << "the click after the popup closed only resets the caption";
    EXPECT_EQ(Main->N5->text(), QStringLiteral("显示便签"));
    Main->N5Click();
    ASSERT_NE(frmNoteList, nullptr);
    EXPECT_TRUE(frmNoteList->isVisible());
}

// A double click on a day cell, or Enter on the selected one, opens the editor for that day;
// a cell without a day opens nothing.
TEST_F(MenuCommandsTest, ADayCellOpensTheEditorOfItsDay) {
    Main->show();
    Main->rsMonth->Step(+1); // June 2024: the 1st is a Saturday, (6, 1); the 10th is (1, 3)
    TMonthGrid* Grid = Main->advDays;
    QStringList Captions;
    const auto Open = [&](const std::function<void()>& Act) {
        QTimer::singleShot(0, [&] {
            if (auto* Editor = qobject_cast<TfrmNoteAdd*>(QApplication::activeModalWidget())) {
                Captions << Editor->windowTitle() + " " + Editor->ccTime->itemText(23);
                Editor->reject();
            }
        });
        Act();
        QCoreApplication::processEvents();
        RunDeferredDeletes();
    };
    Open([&] { QTest::mouseDClick(Grid, Qt::LeftButton, {}, Grid->CellRect(1, 3).center()); });
    Grid->SetSelected(6, 1);
    Open([&] { QTest::keyClick(Grid, Qt::Key_Return); });
    Open([&] { QTest::keyClick(Grid, Qt::Key_Enter); });
    Open([&] { QTest::mouseDClick(Grid, Qt::LeftButton, {}, Grid->CellRect(0, 1).center()); });
    Open([&] { Main->N4->trigger(); });
    EXPECT_EQ(Captions, QStringList({"便签维护 - 2024年6月10日 2024-06-10 23:00",
                                     "便签维护 - 2024年6月1日 2024-06-01 23:00",
                                     "便签维护 - 2024年6月1日 2024-06-01 23:00",
                                     "便签维护 - 2024年5月1日 2024-05-01 23:00"}));
}
