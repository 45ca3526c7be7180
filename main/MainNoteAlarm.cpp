#include "main/UMain.h"

void TfrmManyYear::tNoteAlarmTimer() {}

bool TfrmManyYear::LoadTodayAlarms(const std::string&) {
    return false;
}

void TfrmManyYear::ShakeForm(QWidget*) {}
