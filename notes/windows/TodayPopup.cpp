#include "notes/windows/TodayPopup.h"

#include "common/WindowReferences.h"
#include "notes/windows/UNoteList.h"

TfrmNoteList& ShowTodayPopup() {
    if (frmNoteList == nullptr) {
        frmNoteList = new TfrmNoteList();
    }
    frmNoteList->show();
    return *frmNoteList;
}
