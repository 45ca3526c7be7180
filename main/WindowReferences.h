#pragma once

// The process-wide references to the program's windows. Each is empty until its window
// exists; the note windows and the About window clear theirs when they close.

class TfrmManyYear;
class TfrmNoteAdd;
class TfrmNoteHis;
class TfrmNoteList;
class TfrmNoteSet;
class TfrmWeather;
class TfrmAbout;

extern TfrmManyYear* frmManyYear;
extern TfrmNoteAdd* frmNoteAdd;
extern TfrmNoteHis* frmNoteHis;
extern TfrmNoteList* frmNoteList;
extern TfrmNoteSet* frmNoteSet;
extern TfrmWeather* frmWeather;
extern TfrmAbout* frmAbout;
