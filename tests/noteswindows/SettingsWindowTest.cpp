#include "NotesWindowsFixture.h"

#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/UNoteList.h"
#include "notes/windows/UNoteset.h"
#include "platform/DataFolder.h"
#include "widgets/GlassButton.h"
#include "widgets/OnOffSwitch.h"
#include "widgets/OptionGroup.h"
#include "widgets/TrackBar.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>

#include <fstream>

namespace {

class SettingsWindowTest : public TNotesWindowsTest {
protected:
    TfrmNoteSet* OpenSettings() {
        frmNoteSet = new TfrmNoteSet();
        frmNoteSet->show();
        return frmNoteSet;
    }

    static QPoint BottomRight(const QWidget* Window) {
        const QRect Screen = QGuiApplication::primaryScreen()->geometry();
        return Screen.bottomRight() + QPoint(1, 1) - QPoint(Window->width(), Window->height());
    }
};

} // namespace

TEST_F(SettingsWindowTest, WithoutAFileShowsTheDefaultsAndMakesAnOpenPopupOpaque) {
    notes::NotePosition = 7;
    frmNoteList = new TfrmNoteList();
    SetWindowAlpha(frmNoteList, 100);
    ASSERT_EQ(frmNoteList->pos(), QPoint(749, 453));

    TfrmNoteSet* Settings = OpenSettings();
    EXPECT_EQ(Settings->aorgPos->ItemIndex(), 0);
    EXPECT_TRUE(Settings->aorgPos->Button(0)->isChecked());
    EXPECT_EQ(Settings->aorgPos->Button(0)->text(), QStringLiteral("左上"));
    EXPECT_EQ(Settings->assAlarm->StateText(), QStringLiteral("关"));
    EXPECT_EQ(Settings->AdvTrackBar1->value(), 10);
    EXPECT_EQ(WindowAlpha(frmNoteList), 255);
    EXPECT_EQ(frmNoteList->pos(), QPoint(0, 0));
    EXPECT_EQ(notes::NotePosition, 0);
    EXPECT_EQ(notes::NoteAlarmOn, 0);
    EXPECT_EQ(notes::NoteBlend, 10);
}

TEST_F(SettingsWindowTest, ShowsStoredValuesWithinTheControlsRangesAndSavesWhatItShows) {
    struct Case {
        const char* File;
        int Index;
        const char* Switch;
        int Slider;
        notes::TNoteSettings Saved;
    };
    const Case Cases[] = {
        {"[NoteSet]\nPosition=2\nAlarm=2\nblend=4\n", 2, "开", 4, {2, 1, 4}},
        {"[NoteSet]\nPosition=-5\nAlarm=1\nblend=0\n", -1, "开", 1, {-1, 1, 1}},
        {"[NoteSet]\nPosition=9\nAlarm=0\nblend=12\n", 3, "关", 10, {3, 0, 10}},
    };
    for (const Case& C : Cases) {
        WriteSettingsFile(C.File);
        TfrmNoteSet* Settings = OpenSettings();
        EXPECT_EQ(Settings->aorgPos->ItemIndex(), C.Index) << C.File;
        EXPECT_EQ(Settings->assAlarm->StateText(), QString::fromUtf8(C.Switch)) << C.File;
        EXPECT_EQ(Settings->AdvTrackBar1->value(), C.Slider) << C.File;
        Settings->AdvGlassButton2->click();
        EXPECT_EQ(frmNoteSet, nullptr) << C.File;
        EXPECT_EQ(notes::ReadNoteSettings(), C.Saved) << C.File;
        EXPECT_EQ(notes::NotePosition, C.Saved.Position) << C.File;
        EXPECT_EQ(notes::NoteAlarmOn, C.Saved.Alarm) << C.File;
        EXPECT_EQ(notes::NoteBlend, C.Saved.Blend) << C.File;
        RunDeferredDeletes();
    }
}

TEST_F(SettingsWindowTest, TryingOutActsOnThePopupAndLeavingSavesNothing) {
    frmNoteList = new TfrmNoteList();
    TfrmNoteSet* Settings = OpenSettings();
    Settings->AdvTrackBar1->setValue(1);
    EXPECT_EQ(WindowAlpha(frmNoteList), 25);
    Settings->aorgPos->Button(3)->click();
    EXPECT_EQ(frmNoteList->pos(), BottomRight(frmNoteList));
    Settings->AdvGlassButton1->click();

    EXPECT_EQ(frmNoteSet, nullptr);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(notes::SettingsFileName())));
    EXPECT_EQ(WindowAlpha(frmNoteList), 25);
    EXPECT_EQ(frmNoteList->pos(), BottomRight(frmNoteList));
    EXPECT_EQ(notes::NotePosition, 0);
    EXPECT_EQ(notes::NoteBlend, 10);
}

TEST_F(SettingsWindowTest, SavingMovesAnOpenPopupToTheSavedCorner) {
    frmNoteList = new TfrmNoteList();
    TfrmNoteSet* Settings = OpenSettings();
    Settings->aorgPos->SetItemIndex(1);
    frmNoteList->move(300, 300);
    Settings->assAlarm->click();
    Settings->AdvGlassButton2->click();
    EXPECT_EQ(notes::ReadNoteSettings(), (notes::TNoteSettings{1, 1, 10}));
    const QRect Screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(frmNoteList->pos(), QPoint(0, Screen.height() - frmNoteList->height()));
}

TEST_F(SettingsWindowTest, AFailedSaveIsReportedAndTheWindowStaysOpen) {
    const std::string Blocker = Folder.filePath(QStringLiteral("blocker")).toStdString();
    std::ofstream(Blocker) << "a file where the data folder should be";
    platform::SetDataFolder(Blocker + "/data");
    TfrmNoteSet* Settings = OpenSettings();
    Settings->aorgPos->SetItemIndex(3);
    Settings->assAlarm->SetOn(true);
    Settings->AdvTrackBar1->setValue(5);
    Settings->AdvGlassButton2->click();

    EXPECT_EQ(Errors, QStringList({QStringLiteral("Unable to write to %1")
                                       .arg(QString::fromStdString(notes::SettingsFileName()))}));
    EXPECT_EQ(frmNoteSet, Settings);
    EXPECT_TRUE(Settings->isVisible());
    // A save is whole or nothing, in the file and in the shared settings alike.
    EXPECT_EQ(notes::NotePosition, 0);
    EXPECT_EQ(notes::NoteAlarmOn, 0);
    EXPECT_EQ(notes::NoteBlend, 10);
}

TEST_F(SettingsWindowTest, TheSessionStartSwitchWritesAndRemovesTheAutostartEntryOnSave) {
    const QByteArray KeptConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Folder.filePath(QStringLiteral("config")).toUtf8());
    const QString Entry = Folder.filePath(QStringLiteral("config/autostart/ruxa-calendar.desktop"));

    TfrmNoteSet* Settings = OpenSettings();
    EXPECT_FALSE(Settings->assSessionStart->IsOn()) << "off until the user turns it on";
    Settings->assSessionStart->click();
    EXPECT_FALSE(QFileInfo::exists(Entry)) << "only Save stores it";
    Settings->AdvGlassButton2->click();
    EXPECT_TRUE(QFileInfo::exists(Entry));

    Settings = OpenSettings();
    EXPECT_TRUE(Settings->assSessionStart->IsOn());
    Settings->assSessionStart->click();
    Settings->AdvGlassButton1->click();
    EXPECT_TRUE(QFileInfo::exists(Entry)) << "leaving without saving changes nothing";

    Settings = OpenSettings();
    Settings->assSessionStart->click();
    Settings->AdvGlassButton2->click();
    EXPECT_FALSE(QFileInfo::exists(Entry));
    EXPECT_TRUE(Errors.isEmpty());
    KeptConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", KeptConfig);
}
