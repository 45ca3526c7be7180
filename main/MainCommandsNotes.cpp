#include "main/UMain.h"

#include "common/WindowReferences.h"
#include "main/MonthLayout.h"
#include "notes/windows/TodayPopup.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteHis.h"
#include "notes/windows/UNoteList.h"
#include "notes/windows/UNoteset.h"
#include "platform/Clock.h"
#include "widgets/Spinner.h"

#include <QAction>

namespace {

// Shows a note window modally over the main window, its parent; it frees itself and clears
// its reference when it closes.
template <typename TWindow> void ShowModally(TWindow*& Reference, QWidget* Parent) {
    if (Reference == nullptr) {
        Reference = new TWindow(Parent);
    }
    Reference->exec();
}

} // namespace

void TfrmManyYear::N4Click() {
    OpenNoteEditor(this, platform::Now());
    FollowToday();
}

void TfrmManyYear::advDaysCellActivated(int Col, int Row) {
    const int Year = rsYear->Value();
    const int Month = rsMonth->Value();
    const int Day = DayInCell(Year, Month, Col, Row);
    if (Day > 0) {
        OpenNoteEditor(this, EncodeDate(Year, Month, Day));
        FollowToday();
    }
}

void TfrmManyYear::N5Click() {
    if (N5->text() == QStringLiteral("显示便签")) {
        ShowTodayPopup();
        N5->setText(QStringLiteral("隐藏便签"));
    } else if (N5->text() == QStringLiteral("隐藏便签")) {
        if (frmNoteList != nullptr) {
            frmNoteList->hide();
        }
        N5->setText(QStringLiteral("显示便签"));
    }
}

void TfrmManyYear::N6Click() {
    ShowModally(frmNoteSet, this);
}

void TfrmManyYear::N7Click() {
    ShowModally(frmNoteHis, this);
}
