#pragma once

// The notes history "便签历史记录": every note of every day, read-only, with a check box that
// narrows the list to the current day.

#include <QDialog>

class QCheckBox;
class QFrame;
class TGlassButton;
class TGradientPanel;
class TReportList;

class TfrmNoteHis : public QDialog {
    Q_OBJECT

public:
    // Runs FormCreate: the sample file when the notes file is missing, then all notes.
    explicit TfrmNoteHis(QWidget* Parent = nullptr);
    ~TfrmNoteHis() override;

    TGradientPanel* W7Panel1 = nullptr;
    TReportList* alvNotes = nullptr;
    QFrame* Bevel1 = nullptr;
    QCheckBox* advCheckToday = nullptr;
    TGlassButton* advClose = nullptr;

    void FormShow();
    void advCheckTodayClick();
    void advCloseClick();

    void done(int Result) override;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void FormCreate();
    void FormClose();
    void FillList(bool OnlyToday);
};
