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
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <string>
#include <vector>

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

// Notes that do not fit scroll: none is cut off, and the wheel scrolls them.
TEST_F(PopupTest, NotesThatDoNotFitScroll) {
    std::vector<notes::TNote> Many;
    for (int Number = 1; Number <= 12; ++Number) {
        Many.push_back({"便签" + std::to_string(Number), "", false, "内容"});
    }
    SaveToday(Many);
    frmNoteList = new TfrmNoteList();
    frmNoteList->show();
    QApplication::processEvents();
    QScrollBar* Bar = frmNoteList->sbNotes->verticalScrollBar();
    EXPECT_TRUE(Bar->isVisible());
    ASSERT_GT(Bar->maximum(), 0);
    EXPECT_TRUE(frmNoteList->lblNotes->text().contains(QStringLiteral("12.便签12")));
    QWheelEvent Wheel(QPointF(50, 50), QPointF(frmNoteList->sbNotes->mapToGlobal(QPoint(50, 50))),
                      QPoint(), QPoint(0, -120 * 20), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(frmNoteList->sbNotes->viewport(), &Wheel);
    EXPECT_GT(Bar->value(), 0);
}

TEST_F(PopupTest, IsDraggedByItsTextToo) {
    frmNoteList = new TfrmNoteList();
    frmNoteList->move(300, 200);
    frmNoteList->show();
    QWidget* Text = frmNoteList->sbNotes->viewport();
    const auto Send = [&](QEvent::Type Type, QPoint Local, Qt::MouseButtons Buttons) {
        QMouseEvent Event(Type, QPointF(Local), QPointF(Text->mapToGlobal(Local)), Qt::LeftButton,
                          Buttons, Qt::NoModifier);
        QApplication::sendEvent(Text, &Event);
    };
    Send(QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
    Send(QEvent::MouseMove, QPoint(45, 10), Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(45, 10), Qt::NoButton);
    EXPECT_EQ(frmNoteList->pos(), QPoint(325, 190));
}

TEST(NotesText, PutsTheDueNotesFirstAndMarksThemUp) {
    const notes::TNote Meeting{"开会", "2024-05-01 09:00", true, "带上报表"};
    notes::TNote Birthday{"生日", "2024-05-01 09:30", true, "蛋糕"};
    Birthday.Id = "0123456789abcdef0123456789abcdef";
    const notes::TNote Shopping{"买菜", "", false, "西红柿"};
    notes::TNotes Notes{Meeting, Shopping, Birthday};
    EXPECT_EQ(PutDueFirst(Notes, {Birthday.Id}), 1) << "a note with an identity by it";
    EXPECT_EQ(Notes, (notes::TNotes{Birthday, Meeting, Shopping}));
    EXPECT_EQ(PutDueFirst(Notes, {}), 0);
    EXPECT_EQ(PutDueFirst(Notes, {"生日", "买菜", "开会"}), 2) << "one without, by its title";
    EXPECT_EQ(Notes, (notes::TNotes{Meeting, Shopping, Birthday}));

    const QString Markup = NotesTextMarkup(
        QStringLiteral("1.<b> | | 是\r内容\r") + Hyphens + QStringLiteral("\r2.b | | 否\r"), 1);
    EXPECT_EQ(Markup.count(QStringLiteral("#FFE08A")), 1);
    EXPECT_TRUE(Markup.contains(QStringLiteral("1.&lt;b&gt; | | 是<br>内容"))) << "as written";
    EXPECT_TRUE(Markup.indexOf(QStringLiteral("#FFE08A")) < Markup.indexOf(QStringLiteral("1.")));
    EXPECT_TRUE(Markup.indexOf(QStringLiteral("2.b")) > Markup.indexOf(Hyphens));
}

// Today's popup lists today's own notes, then the repeating notes of earlier days that fall
// on today, with today's time.
TEST_F(PopupTest, ShowsTodaysRepeatingNotesAfterTodaysOwn) {
    SetNow(2024, 4, 3);
    notes::TNote Weekly{"周会", "2024-04-03 10:00", true, "三楼"};
    Weekly.Repeat = notes::TRepeat(notes::TRepeat::TRule::Weekly);
    notes::TNote Daily{"吃药", "", false, ""};
    Daily.Repeat = notes::TRepeat(notes::TRepeat::TRule::Daily);
    SaveToday({Weekly, Daily});
    SetNow(2024, 5, 1); // a Wednesday, as 2024-04-03
    SaveToday({{"买菜", "", false, "西红柿"}});
    SetNow(2024, 5, 1, 8);
    TfrmNoteList Popup;
    EXPECT_TRUE(Popup.NotesText().startsWith(QStringLiteral("1.买菜 |  | 否\r西红柿\r")));
    EXPECT_TRUE(Popup.NotesText().contains(QStringLiteral("2.周会 | 2024-05-01 10:00 | 是\r三楼")));
    EXPECT_TRUE(Popup.NotesText().contains(QStringLiteral("3.吃药 |  | 否")));
    SetNow(2024, 5, 2);
    Popup.LoadTodayNotes(NotesFile());
    EXPECT_EQ(Popup.NotesText(), QStringLiteral("1.吃药 |  | 否\r")) << "no day element of its own";
}
