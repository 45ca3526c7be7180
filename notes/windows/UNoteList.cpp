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

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

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

    sbNotes = new QScrollArea(this);
    sbNotes->setGeometry(7, 32, 226, 177);
    sbNotes->setFrameShape(QFrame::NoFrame);
    sbNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sbNotes->setWidgetResizable(true);
    sbNotes->setFocusPolicy(Qt::NoFocus);
    sbNotes->setStyleSheet(QStringLiteral(
        "QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"
        "QScrollBar:vertical { background: transparent; width: 8px; margin: 0; }"
        "QScrollBar::handle:vertical { background: rgba(31, 58, 18, 90); border-radius: 4px;"
        " min-height: 20px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"));
    sbNotes->viewport()->setAutoFillBackground(false);
    sbNotes->viewport()->installEventFilter(this);

    lblNotes = new QLabel(sbNotes);
    lblNotes->setWordWrap(true);
    lblNotes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblNotes->setTextFormat(Qt::PlainText);
    lblNotes->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblNotes->setStyleSheet(QStringLiteral("background: transparent; color: #1F3A12;"));
    lblNotes->setFont(NotesFont(9));
    sbNotes->setWidget(lblNotes);

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

bool TfrmNoteList::LoadTodayNotes(const std::string& FileName,
                                  const std::vector<std::string>& DueKeys) {
    notes::TNotesRead Reading = TodaysNotesWithRepeats(FileName);
    const int DueEntries = PutDueFirst(Reading.Notes, DueKeys);
    SetNotesText(TodayNotesText(Reading, FNotesText), DueEntries);
    return Reading.Ok;
}

void TfrmNoteList::SetNotesText(const QString& Text, int DueEntries) {
    FNotesText = Text;
    // What a reminder missed today left behind follows the notes.
    const QString Whole = Text + MissedTodayText(FormatDateTime("yyyy-mm-dd", platform::Now()));
    if (DueEntries > 0) {
        lblNotes->setTextFormat(Qt::RichText);
        lblNotes->setText(NotesTextMarkup(Whole, DueEntries));
    } else {
        // The label breaks lines at line feeds; the carriage returns of the text stand for them.
        QString Shown = Whole;
        Shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        lblNotes->setTextFormat(Qt::PlainText);
        lblNotes->setText(Shown);
    }
    sbNotes->verticalScrollBar()->setValue(0);
}

bool TfrmNoteList::eventFilter(QObject* Watched, QEvent* Event) {
    const QEvent::Type Type = Event->type();
    if (Watched == sbNotes->viewport() &&
        (Type == QEvent::MouseButtonPress || Type == QEvent::MouseMove ||
         Type == QEvent::MouseButtonRelease)) {
        const auto* Mouse = static_cast<QMouseEvent*>(Event);
        const QPointF At = RzFormShape1->mapFromGlobal(Mouse->globalPosition());
        QMouseEvent Passed(Type, At, Mouse->globalPosition(), Mouse->button(), Mouse->buttons(),
                           Mouse->modifiers());
        QApplication::sendEvent(RzFormShape1, &Passed);
        return true;
    }
    return QWidget::eventFilter(Watched, Event);
}

void TfrmNoteList::closeEvent(QCloseEvent* Event) {
    FormClose();
    QWidget::closeEvent(Event);
}

void TfrmNoteList::FormClose() {
    ClearReference(frmNoteList, this);
}
