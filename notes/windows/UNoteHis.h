#pragma once

// The notes history "便签历史记录": every note of every day with its day, read-only, by day
// then time; a box that filters by title and content as one types, a check box that narrows
// the list to the current day, and a double click (or Enter) on a row that opens that day's
// editor.

#include "common/SecondaryDialog.h"
#include "notes/windows/NotesHistory.h"

#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTreeWidgetItem;
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
    QLabel* lblFilter = nullptr;
    QLineEdit* ceFilter = nullptr;
    TGlassButton* advClose = nullptr;

    void FormShow() override;
    void advCheckTodayClick();
    void ceFilterChange();
    void alvNotesActivated(QTreeWidgetItem* Item);
    void advCloseClick();

private:
    void FormCreate();
    void FormClose() override;
    void FillList(bool OnlyToday);

    std::vector<THistoryRow> FRows;
};
