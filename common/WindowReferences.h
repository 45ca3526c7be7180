#pragma once

// The process-wide references to the program's windows. Each is empty until its window
// exists; the note windows and the About window clear theirs when they close. The main
// window is reached as a plain window: the others read only its opacity level
// (WindowAlpha) and where it stands.

class QWidget;
class TfrmNoteAdd;
class TfrmNoteHis;
class TfrmNoteList;
class TfrmNoteSet;
class TfrmWeather;
class TfrmAbout;

extern QWidget* frmManyYear;
extern TfrmNoteAdd* frmNoteAdd;
extern TfrmNoteHis* frmNoteHis;
extern TfrmNoteList* frmNoteList;
extern TfrmNoteSet* frmNoteSet;
extern TfrmWeather* frmWeather;
extern TfrmAbout* frmAbout;

// Empties Reference when it still names Window: a closing window clears its own
// reference, never one that already names a newer window.
template <typename TWindow> void ClearReference(TWindow*& Reference, const TWindow* Window) {
    if (Reference == Window) {
        Reference = nullptr;
    }
}
