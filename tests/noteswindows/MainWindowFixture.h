#pragma once

// The note window fixture with a main window (its alarm timer stopped, so only the test
// ticks) and a recorder of the places a window is moved to.

#include "NotesWindowsFixture.h"

#include <QObject>
#include <QPoint>

#include <vector>

class TfrmManyYear;

class TMoveRecorder : public QObject {
public:
    explicit TMoveRecorder(QObject* Watched) { Watched->installEventFilter(this); }
    std::vector<QPoint> Places;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
};

class TMainWindowTest : public TNotesWindowsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    TfrmManyYear* Main = nullptr;
};
