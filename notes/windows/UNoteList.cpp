#include "notes/windows/UNoteList.h"

#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"
#include "notes/UNoteSettings.h"
#include "notes/UNotesFile.h"
#include "notes/windows/EnsureNotesFile.h"
#include "notes/windows/MissedToday.h"
#include "notes/windows/NoteCorner.h"
#include "notes/windows/NotesText.h"
#include "notes/windows/StickyNotePicture.h"
#include "platform/Clock.h"
#include "widgets/FormShape.h"
#include "widgets/WindowFonts.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

// The popup as designed, before the corner rule moves it.
constexpr QRect DesignedPlace(749, 453, 246, 271);

} // namespace

TfrmNoteList::TfrmNoteList(QWidget* Parent)
    : QWidget(Parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("便签列表"));
    setGeometry(DesignedPlace);

    RzFormShape1 = new TFormShape(StickyNotePicture(), this);

    lblNotes = new QLabel(this);
    lblNotes->setGeometry(7, 32, 226, 177);
    lblNotes->setWordWrap(true);
    lblNotes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblNotes->setTextFormat(Qt::PlainText);
    lblNotes->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblNotes->setStyleSheet(QStringLiteral("background: transparent; color: #1F3A12;"));
    lblNotes->setFont(NotesFont(9));

    FormCreate();
}

TfrmNoteList::~TfrmNoteList() {
    FormClose();
}

void TfrmNoteList::FormCreate() {
    // The stored step taken as the settings window's slider takes it: 1 to 10.
    SetWindowAlpha(this, notes::BlendOpacity(qBound(1, notes::NoteBlend, 10)));
    const std::string FileName = notes::NotesFileName();
    EnsureNotesFile(FileName);
    LoadTodayNotes(FileName);
    PlaceByCorner(this, notes::NotePosition);
}

bool TfrmNoteList::LoadTodayNotes(const std::string& FileName) {
    const notes::TNotesRead Reading = notes::ReadTodayNotes(FileName);
    SetNotesText(TodayNotesText(Reading, FNotesText));
    return Reading.Ok;
}

void TfrmNoteList::SetNotesText(const QString& Text) {
    FNotesText = Text;
    // The label breaks lines at line feeds; the carriage returns of the text stand for them.
    QString Shown = Text + MissedTodayText(FormatDateTime("yyyy-mm-dd", platform::Now()));
    Shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lblNotes->setText(Shown);
}

void TfrmNoteList::closeEvent(QCloseEvent* Event) {
    FormClose();
    QWidget::closeEvent(Event);
}

void TfrmNoteList::FormClose() {
    ClearReference(frmNoteList, this);
}
