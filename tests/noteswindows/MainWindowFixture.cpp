#include "MainWindowFixture.h"

#include "main/UMain.h"
#include "notes/windows/NoteAlarmClock.h"

#include <QMoveEvent>
#include <QTimer>

bool TMoveRecorder::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::Move) {
        Places.push_back(static_cast<QMoveEvent*>(Event)->pos());
    }
    return QObject::eventFilter(Watched, Event);
}

void TMainWindowTest::SetUp() {
    TNotesWindowsTest::SetUp();
    Main = new TfrmManyYear();
    Main->tNoteAlarm->Stop();
}

void TMainWindowTest::TearDown() {
    TNotesWindowsTest::TearDown();
    delete Main;
    RunDeferredDeletes();
}
