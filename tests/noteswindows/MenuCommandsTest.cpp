#include "MainWindowFixture.h"

#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteHis.h"
#include "notes/windows/UNoteList.h"
#include "notes/windows/UNoteset.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
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
        {&TfrmManyYear::N4Click, QStringLiteral("便签维护"),
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
