#include "notes/windows/UNoteHis.h"

#include "common/SecondaryWindow.h"
#include "common/WindowReferences.h"
#include "notes/UNotesFile.h"
#include "notes/windows/DialogLook.h"
#include "notes/windows/EnsureNotesFile.h"
#include "notes/windows/NotesReport.h"
#include "widgets/GlassButton.h"
#include "widgets/GradientPanel.h"
#include "widgets/ReportList.h"

#include <QCheckBox>

namespace {

// The history's cells are only read: a title or a content of megabytes is cut.
constexpr std::size_t HistoryCellCharacters = 200;

} // namespace

TfrmNoteHis::TfrmNoteHis(QWidget* Parent) : TSecondaryDialog(Parent, DialogFlags) {
    W7Panel1 = SetUpDialog(this, QStringLiteral("便签历史记录"), QSize(512, 377));

    alvNotes = NotesReportList(W7Panel1, 120, 236);
    alvNotes->setAccessibleName(QStringLiteral("便签历史记录"));
    alvNotes->setGeometry(8, 16, 497, 308);
    alvNotes->setEditTriggers(QAbstractItemView::NoEditTriggers);

    Bevel1 = Bevel(W7Panel1, QFrame::HLine, QRect(8, 330, 497, 2));

    advCheckToday = new QCheckBox(QStringLiteral("只显示今天的便签"), W7Panel1);
    advCheckToday->setGeometry(8, 344, 121, 20);
    connect(advCheckToday, &QCheckBox::clicked, this, &TfrmNoteHis::advCheckTodayClick);

    advClose = new TGlassButton(QStringLiteral("退   出"), W7Panel1);
    advClose->setGeometry(423, 339, 81, 28);
    connect(advClose, &QAbstractButton::clicked, this, &TfrmNoteHis::advCloseClick);

    setTabOrder(alvNotes, advClose);
    setTabOrder(advClose, advCheckToday);

    FormCreate();
}

TfrmNoteHis::~TfrmNoteHis() {
    FormClose();
}

void TfrmNoteHis::FormCreate() {
    EnsureNotesFile(notes::NotesFileName());
    FillList(false);
}

void TfrmNoteHis::FormShow() {
    TakeMainWindowOpacity(this);
    CentreOnMainWindow(this);
}

void TfrmNoteHis::advCheckTodayClick() {
    FillList(advCheckToday->isChecked());
}

void TfrmNoteHis::FillList(bool OnlyToday) {
    ShowNotes(alvNotes, notes::LoadNotes(notes::NotesFileName(), OnlyToday).Notes,
              HistoryCellCharacters);
}

void TfrmNoteHis::advCloseClick() {
    reject();
}

void TfrmNoteHis::FormClose() {
    ClearReference(frmNoteHis, this);
}
