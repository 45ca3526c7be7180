#include "NotesWindowsFixture.h"

#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/NoteCorner.h"
#include "notes/windows/NotesText.h"
#include "notes/windows/UNoteList.h"
#include "widgets/FormShape.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

const QString Hyphens(71, QLatin1Char('-'));

notes::TNotesRead Reading(notes::TNotes Notes, bool Ok, bool DayFound) {
    return notes::TNotesRead{std::move(Notes), Ok, DayFound};
}

} // namespace

TEST(NotesText, BuildsTheEntriesOrKeepsTheOldText) {
    const notes::TNote Meeting{"开会", "2024-05-01 09:00", true, "带上报表"};
    const notes::TNote Shopping{"买菜", "", false, "西红柿"};
    const notes::TNote Odd{"Call", "later", notes::TReminder::FromText("也许"), ""};
    const QString Old = QStringLiteral("old text");
    struct Case {
        const char* Name;
        notes::TNotesRead Read;
        QString Expected;
    };
    const Case Cases[] = {
        {"three notes, numbered and separated", Reading({Meeting, Shopping, Odd}, true, true),
         QStringLiteral("1.开会 | 2024-05-01 09:00 | 是\r带上报表\r") + Hyphens +
             QStringLiteral("\r2.买菜 |  | 否\r西红柿\r") + Hyphens +
             QStringLiteral("\r3.Call | later | 也许\r")},
        {"no day element for today", Reading({}, true, false), NoNotesToday},
        {"a day element without notes keeps the text", Reading({}, true, true), Old},
        {"a failed reading keeps the text", Reading({}, false, false), Old},
        {"a reading failing after a note shows that note", Reading({Shopping}, false, true),
         QStringLiteral("1.买菜 |  | 否\r西红柿")},
        {"a long title and long lines of content are cut",
         Reading({{std::string(1000000, 'T'), "", false, "短\r" + std::string(1000, 'C')}}, true,
                 true),
         QStringLiteral("1.") + QString(59, QLatin1Char('T')) + QStringLiteral("… |  | 否\r短\r") +
             QString(199, QLatin1Char('C')) + QStringLiteral("…")},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(TodayNotesText(C.Read, Old), C.Expected) << C.Name;
    }
}

TEST(NoteCorner, PlacesThePopupOnA1920x1080Screen) {
    const QSize Screen(1920, 1080);
    const QSize Popup(246, 271);
    EXPECT_EQ(CornerPlace(0, Screen, Popup), QPoint(0, 0));
    EXPECT_EQ(CornerPlace(1, Screen, Popup), QPoint(0, 809));
    EXPECT_EQ(CornerPlace(2, Screen, Popup), QPoint(1674, 0));
    EXPECT_EQ(CornerPlace(3, Screen, Popup), QPoint(1674, 809));
    for (int Outside : {-1, 4, 7}) {
        EXPECT_EQ(CornerPlace(Outside, Screen, Popup), std::nullopt) << Outside;
    }
}

using PopupTest = TNotesWindowsTest;

TEST_F(PopupTest, WithoutANotesFileWritesTheSampleAndShowsTheEmptyDayText) {
    ASSERT_FALSE(QFileInfo::exists(QString::fromStdString(NotesFile())));
    frmNoteList = new TfrmNoteList();
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(NotesFile())));
    EXPECT_EQ(frmNoteList->NotesText(), NoNotesToday);
    EXPECT_EQ(frmNoteList->windowTitle(), QStringLiteral("便签列表"));
}

TEST_F(PopupTest, OnTheSampleDayTheSampleNoteIsTodaysNote) {
    SetNow(2000, 1, 1);
    frmNoteList = new TfrmNoteList();
    EXPECT_EQ(frmNoteList->NotesText(), QStringLiteral("1.测试 | 2000-01-01 | 是\r千禧年"));
}

TEST_F(PopupTest, AMalformedFileLeavesTheTextAsItWas) {
    SaveToday({{"开会", "2024-05-01 09:00", true, "带上报表"}});
    frmNoteList = new TfrmNoteList();
    const QString Before = frmNoteList->NotesText();
    WriteNotesFile("<?xml version=\"1.0\"?><便签列表><Date2024-05-01><标题>");
    EXPECT_FALSE(frmNoteList->LoadTodayNotes(NotesFile()));
    EXPECT_EQ(frmNoteList->NotesText(), Before);
    EXPECT_TRUE(Errors.isEmpty());
}

// A stored step outside 1 to 10 is taken as the slider takes it, so the popup is never made
// invisible (0) or faint (11 would wrap to 24).
TEST_F(PopupTest, IsCreatedWithTheOpacityOfTheStoredBlendStep) {
    struct Case {
        int Blend;
        int Alpha;
    };
    for (const Case C : {Case{10, 255}, Case{1, 25}, Case{5, 127}, Case{0, 25}, Case{-3, 25},
                         Case{11, 255}, Case{12, 255}}) {
        notes::NoteBlend = C.Blend;
        TfrmNoteList Popup;
        EXPECT_EQ(WindowAlpha(&Popup), C.Alpha) << "blend " << C.Blend;
        EXPECT_EQ(qRound(Popup.windowOpacity() * 255), C.Alpha) << "blend " << C.Blend;
    }
}

TEST_F(PopupTest, StandsInTheStoredCornerOrWhereItWasDesigned) {
    const QRect Screen = QGuiApplication::primaryScreen()->geometry();
    notes::NotePosition = 3;
    TfrmNoteList Corner;
    EXPECT_EQ(Corner.pos(), Screen.bottomRight() - QPoint(246, 271) + QPoint(1, 1));
    notes::NotePosition = 7;
    TfrmNoteList Designed;
    EXPECT_EQ(Designed.pos(), QPoint(749, 453));
    EXPECT_EQ(Designed.size(), QSize(246, 271));
}

TEST_F(PopupTest, IsDraggedByItsPicture) {
    frmNoteList = new TfrmNoteList();
    frmNoteList->move(300, 200);
    frmNoteList->show();
    QWidget* Picture = frmNoteList->RzFormShape1;
    const auto Send = [&](QEvent::Type Type, QPoint Local, Qt::MouseButtons Buttons) {
        QMouseEvent Event(Type, QPointF(Local), QPointF(Picture->mapToGlobal(Local)),
                          Qt::LeftButton, Buttons, Qt::NoModifier);
        QApplication::sendEvent(Picture, &Event);
    };
    Send(QEvent::MouseButtonPress, QPoint(60, 80), Qt::LeftButton);
    Send(QEvent::MouseMove, QPoint(90, 100), Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(90, 100), Qt::NoButton);
    EXPECT_EQ(frmNoteList->pos(), QPoint(330, 220));
}
