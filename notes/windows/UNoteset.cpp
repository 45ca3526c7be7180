#include "notes/windows/UNoteset.h"

#include "common/ErrorReport.h"
#include "common/SecondaryWindow.h"
#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"
#include "notes/NotesError.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/DialogLook.h"
#include "notes/windows/NoteCorner.h"
#include "notes/windows/UNoteList.h"
#include "platform/ProgramFolder.h"
#include "platform/SessionStart.h"
#include "widgets/GlassButton.h"
#include "widgets/GradientPanel.h"
#include "widgets/OnOffSwitch.h"
#include "widgets/OptionGroup.h"
#include "widgets/TrackBar.h"

TfrmNoteSet::TfrmNoteSet(QWidget* Parent) : TSecondaryDialog(Parent, DialogFlags) {
    W7Panel1 = SetUpDialog(this, QStringLiteral("便签设置"), QSize(312, 166));

    aorgPos = new TOptionGroup(QStringLiteral("显示位置设置"),
                               {QStringLiteral("左上"), QStringLiteral("左下"),
                                QStringLiteral("右上"), QStringLiteral("右下")},
                               2, W7Panel1);
    aorgPos->setGeometry(8, 8, 209, 81);
    connect(aorgPos, &TOptionGroup::Changed, this, &TfrmNoteSet::aorgPosClick);

    AdvGroupBox2 = new TRoundedGroupBox(QStringLiteral("闹钟提醒及透明度设置"), W7Panel1);
    AdvGroupBox2->setGeometry(8, 96, 209, 65);

    assAlarm = new TOnOffSwitch(AdvGroupBox2);
    assAlarm->setGeometry(8, 24, 81, 30);
    assAlarm->setAccessibleName(QStringLiteral("闹钟提醒"));

    AdvTrackBar1 = new TTrackBar(1, 10, AdvGroupBox2);
    AdvTrackBar1->setGeometry(99, 24, 105, 26);
    AdvTrackBar1->setValue(1);
    AdvTrackBar1->setAccessibleName(QStringLiteral("便签透明度"));
    connect(AdvTrackBar1, &QSlider::valueChanged, this, &TfrmNoteSet::AdvTrackBar1Change);

    grpSessionStart = new TRoundedGroupBox(QStringLiteral("登录时启动"), W7Panel1);
    grpSessionStart->setGeometry(223, 8, 81, 81);
    assSessionStart = new TOnOffSwitch(grpSessionStart);
    assSessionStart->setGeometry(4, 34, 73, 30);

    AdvGlassButton2 = new TGlassButton(QStringLiteral("保   存"), W7Panel1);
    AdvGlassButton2->setGeometry(223, 104, 81, 28);
    connect(AdvGlassButton2, &QAbstractButton::clicked, this, &TfrmNoteSet::AdvGlassButton2Click);
    AdvGlassButton1 = new TGlassButton(QStringLiteral("退   出"), W7Panel1);
    AdvGlassButton1->setGeometry(223, 133, 81, 28);
    connect(AdvGlassButton1, &QAbstractButton::clicked, this, &TfrmNoteSet::AdvGlassButton1Click);

    setTabOrder(AdvTrackBar1, assSessionStart);
    setTabOrder(assSessionStart, AdvGlassButton2);
    setTabOrder(AdvGlassButton2, AdvGlassButton1);
}

TfrmNoteSet::~TfrmNoteSet() {
    FormClose();
}

void TfrmNoteSet::FormShow() {
    TakeMainWindowOpacity(this);
    CentreOnMainWindow(this);
    LoadSettings();
}

void TfrmNoteSet::LoadSettings() {
    const notes::TNoteSettings Stored = notes::LoadSettings();
    // A changed choice or slider position acts on an open popup as a user's change would.
    aorgPos->SetItemIndex(qBound(-1, Stored.Position, 3));
    if (Stored.Alarm == 0) {
        assAlarm->SetOn(false);
    } else if (Stored.Alarm == 1) {
        assAlarm->SetOn(true);
    }
    AdvTrackBar1->setValue(qBound(1, Stored.Blend, 10));
    FStartsWithSession = platform::StartsWithSession();
    assSessionStart->SetOn(FStartsWithSession);
}

void TfrmNoteSet::aorgPosClick() {
    if (frmNoteList != nullptr) {
        PlaceByCorner(frmNoteList, aorgPos->ItemIndex());
    }
}

void TfrmNoteSet::AdvTrackBar1Change() {
    if (frmNoteList != nullptr) {
        SetWindowAlpha(frmNoteList, notes::BlendOpacity(AdvTrackBar1->value()));
    }
}

void TfrmNoteSet::AdvGlassButton2Click() {
    try {
        notes::SaveSettings(aorgPos->ItemIndex(), assAlarm->IsOn(), AdvTrackBar1->value());
    } catch (const notes::ENotesError& Failure) {
        ReportError(Failure);
        return;
    }
    if (!SaveSessionStart()) {
        return;
    }
    if (frmNoteList != nullptr) {
        PlaceByCorner(frmNoteList, notes::NotePosition);
    }
    accept();
}

bool TfrmNoteSet::SaveSessionStart() {
    const bool On = assSessionStart->IsOn();
    if (On == FStartsWithSession) {
        return true;
    }
    std::string Error;
    const bool Done = On ? platform::WriteSessionStartEntry(platform::ProgramPath(), Error)
                         : platform::RemoveSessionStartEntry(Error);
    if (!Done) {
        ReportError(QString::fromStdString(Error));
        return false;
    }
    FStartsWithSession = On;
    return true;
}

void TfrmNoteSet::AdvGlassButton1Click() {
    reject();
}

void TfrmNoteSet::FormClose() {
    ClearReference(frmNoteSet, this);
}
