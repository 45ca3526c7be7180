#include "common/WindowReferences.h"

QWidget* frmManyYear = nullptr;
TfrmNoteAdd* frmNoteAdd = nullptr;
TfrmNoteHis* frmNoteHis = nullptr;
TfrmNoteList* frmNoteList = nullptr;
TfrmNoteSet* frmNoteSet = nullptr;
TfrmWeather* frmWeather = nullptr;
TfrmAbout* frmAbout = nullptr;
