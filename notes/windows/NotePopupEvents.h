#pragma once

// What the note windows tell the window that opened them: today's popup was shown by one
// of them (the editor's OK). The main window turns it into its "隐藏便签" caption.

#include <QObject>

class TNotePopupEvents : public QObject {
    Q_OBJECT

signals:
    void PopupShown();
};

// The one object that carries these signals for the whole program.
TNotePopupEvents& NotePopupEvents();
