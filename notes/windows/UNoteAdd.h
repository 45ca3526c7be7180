#pragma once

// The note editor "便签维护": lists one day's notes, adds and changes them in its list,
// deletes a note from the file at once, and on OK merges the list into that day's notes in
// the file and shows today's notes popup. The day is today unless another is set.

#include "calendar/UDateTime.h"
#include "common/SecondaryDialog.h"
#include "notes/UNotesFile.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QAbstractButton;
class QPlainTextEdit;
class TGlassButton;
class TGradientPanel;
class TReportList;

class TfrmNoteAdd : public TSecondaryDialog {
    Q_OBJECT

public:
    explicit TfrmNoteAdd(QWidget* Parent = nullptr);
    ~TfrmNoteAdd() override;

    // The day whose notes the editor shows and saves, and its caption; read again on show.
    void SetDay(TDateTime Day);
    TDateTime Day() const { return FDay; }

    TGradientPanel* W7Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* ceTitle = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ccTime = nullptr;
    QCheckBox* aockHint = nullptr;
    QLabel* lblRepeat = nullptr;
    QComboBox* ccRepeat = nullptr;
    QLabel* lblAdvance = nullptr;
    QComboBox* ccAdvance = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* cmContent = nullptr;
    QAbstractButton* Image1 = nullptr;
    QFrame* Bevel2 = nullptr;
    TReportList* alvNotes = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;
    QFrame* Bevel1 = nullptr;
    TGlassButton* advOK = nullptr;
    TGlassButton* advClose = nullptr;

    void FormShow() override;
    void alvNotesSelectItem();
    void Image1Click();
    void N1Click();
    void advOKClick();
    void advCloseClick();
    // Escape, 退出 and closing: with rows added or changed and not saved, asks first.
    void reject() override;
    // The Delete key on the list: deletes the selected note after asking.
    void DeleteAsking();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void FormClose() override;
    void SetAdvance(int Minutes);
    // The note a row of the list stands for, with what it carries unseen.
    notes::TNote NoteOfRow(int Row) const;
    notes::TNoteDay NoteDay() const;
    // Asks whether to turn reminders on when a reminder was ticked while they are off.
    void OfferToTurnRemindersOn();

    TDateTime FDay;
    bool FReminderTicked = false;
    bool FUnsaved = false;
};

// Opens the editor for Day modally over Parent (creating it when none exists) and returns
// when it has closed.
void OpenNoteEditor(QWidget* Parent, TDateTime Day);
