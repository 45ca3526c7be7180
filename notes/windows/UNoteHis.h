#pragma once

// The notes history "便签历史记录": every note of every day, read-only, with a check box that
// narrows the list to the current day.

#include "common/SecondaryDialog.h"

class QCheckBox;
class QFrame;
class TGlassButton;
class TGradientPanel;
class TReportList;

class TfrmNoteHis : public TSecondaryDialog {
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

    void FormShow() override;
    void advCheckTodayClick();
    void advCloseClick();

private:
    void FormCreate();
    void FormClose() override;
    void FillList(bool OnlyToday);
};
