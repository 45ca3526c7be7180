#pragma once

// The note editor "便签维护": lists the current day's notes, adds and changes them in its
// list, deletes a note from the file at once, and on OK merges the list into the notes file
// and shows today's notes popup.

#include "common/SecondaryDialog.h"

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

    TGradientPanel* W7Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* ceTitle = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ccTime = nullptr;
    QCheckBox* aockHint = nullptr;
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

    bool FUnsaved = false;
};
