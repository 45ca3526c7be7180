#pragma once

// Today's notes popup "便签列表": a frameless, always-on-top window in the shape of a green
// sticky note that lists the notes of the current day, scrolling when they do not fit. At
// most one exists (frmNoteList).

#include "notes/UNotesFile.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QScrollArea;
class TFormShape;

class TfrmNoteList : public QWidget {
    Q_OBJECT

public:
    // Runs FormCreate: opacity from NoteBlend, the sample file when the notes file is
    // missing, today's notes, the corner of NotePosition.
    explicit TfrmNoteList(QWidget* Parent = nullptr);
    ~TfrmNoteList() override;

    TFormShape* RzFormShape1 = nullptr;
    QScrollArea* sbNotes = nullptr;
    QLabel* lblNotes = nullptr;

    // Rebuilds the text from today's notes with today's repeating ones; the notes named by
    // DueKeys (those a reminder brings: identities, or titles where there is none) come first
    // and stand out, and the text is shown from its top. False when the reading failed.
    bool LoadTodayNotes(const std::string& FileName, const std::vector<std::string>& DueKeys = {});

    // The label's text exactly as built, carriage returns included.
    const QString& NotesText() const { return FNotesText; }

protected:
    void closeEvent(QCloseEvent* Event) override;
    // The text's surface passes presses and drags on to the picture, so the popup is dragged
    // by its text too; the wheel and the scroll bar scroll the text.
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void FormCreate();
    void FormClose();
    void SetNotesText(const QString& Text, int DueEntries);

    QString FNotesText;
};
