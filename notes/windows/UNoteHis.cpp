#include "notes/windows/UNoteHis.h"

#include "calendar/CappedLine.h"
#include "calendar/UDateTime.h"
#include "common/SecondaryWindow.h"
#include "common/WindowReferences.h"
#include "notes/UNotesFile.h"
#include "notes/windows/DialogLook.h"
#include "notes/windows/EnsureNotesFile.h"
#include "notes/windows/NotesReport.h"
#include "notes/windows/UNoteAdd.h"
#include "platform/Clock.h"
#include "widgets/GlassButton.h"
#include "widgets/GradientPanel.h"
#include "widgets/ReportList.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// The row's index in FRows, kept with the row as it is shown.
constexpr int RowIndexRole = Qt::UserRole;

// The history's cells are only read: a title or a content of megabytes is cut.
constexpr std::size_t HistoryCellCharacters = 200;

QString Cell(const std::string& Text) {
    return QString::fromStdString(CappedLine(Text, HistoryCellCharacters));
}

} // namespace

TfrmNoteHis::TfrmNoteHis(QWidget* Parent) : TSecondaryDialog(Parent, DialogFlags) {
    W7Panel1 = SetUpDialog(this, QStringLiteral("便签历史记录"), QSize(512, 377));

    alvNotes = new TReportList({{QStringLiteral("日期"), 80},
                                {QStringLiteral("标题"), 100},
                                {QStringLiteral("时间"), 96},
                                {QStringLiteral("提醒"), 40},
                                {QStringLiteral("内容"), 160}},
                               QColor(0xF0, 0xFB, 0xFF), W7Panel1);
    alvNotes->setAccessibleName(QStringLiteral("便签历史记录"));
    alvNotes->setGeometry(8, 16, 497, 308);
    alvNotes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(alvNotes, &QTreeWidget::itemActivated, this, &TfrmNoteHis::alvNotesActivated);

    Bevel1 = Bevel(W7Panel1, QFrame::HLine, QRect(8, 330, 497, 2));

    advCheckToday = new QCheckBox(QStringLiteral("只显示今天的便签"), W7Panel1);
    advCheckToday->setGeometry(8, 344, 121, 20);
    connect(advCheckToday, &QCheckBox::clicked, this, &TfrmNoteHis::advCheckTodayClick);

    lblFilter = new QLabel(QStringLiteral("查找"), W7Panel1);
    lblFilter->setGeometry(150, 345, 28, 18);
    ceFilter = new QLineEdit(W7Panel1);
    ceFilter->setGeometry(180, 341, 200, 24);
    ceFilter->setPlaceholderText(QStringLiteral("标题或内容中的文字"));
    ceFilter->setClearButtonEnabled(true);
    lblFilter->setBuddy(ceFilter);
    ceFilter->setAccessibleName(QStringLiteral("查找"));
    connect(ceFilter, &QLineEdit::textChanged, this, &TfrmNoteHis::ceFilterChange);

    advClose = new TGlassButton(QStringLiteral("退   出"), W7Panel1);
    advClose->setGeometry(423, 339, 81, 28);
    connect(advClose, &QAbstractButton::clicked, this, &TfrmNoteHis::advCloseClick);

    setTabOrder(ceFilter, alvNotes);
    setTabOrder(alvNotes, advClose);
    setTabOrder(advClose, advCheckToday);

    FormCreate();
}

TfrmNoteHis::~TfrmNoteHis() {
    FormClose();
}

void TfrmNoteHis::FormCreate() {
    EnsureNotesFile(notes::NotesFileName());
    FillList(false);
}

void TfrmNoteHis::FormShow() {
    TakeMainWindowOpacity(this);
    CentreOnMainWindow(this);
    ceFilter->setFocus();
}

void TfrmNoteHis::advCheckTodayClick() {
    FillList(advCheckToday->isChecked());
}

void TfrmNoteHis::FillList(bool OnlyToday) {
    const std::string Today = FormatDateTime("yyyy-mm-dd", platform::Now());
    FRows = HistoryRows(notes::NotesFileName());
    alvNotes->clear();
    for (std::size_t Index = 0; Index < FRows.size(); ++Index) {
        const THistoryRow& Row = FRows[Index];
        if (OnlyToday && Row.Day != Today) {
            continue;
        }
        const notes::TNote& Note = Row.Note;
        QTreeWidgetItem* Item =
            alvNotes->AddRow({QString::fromStdString(Row.Day), Cell(Note.Title), Cell(Note.When),
                              Cell(Note.Remind.Text()), Cell(Note.Content)});
        Item->setData(0, RowIndexRole, static_cast<qulonglong>(Index));
    }
    ceFilterChange();
}

void TfrmNoteHis::ceFilterChange() {
    for (int Row = 0; Row < alvNotes->RowCount(); ++Row) {
        QTreeWidgetItem* Item = alvNotes->topLevelItem(Row);
        const auto Index = Item->data(0, RowIndexRole).toULongLong();
        Item->setHidden(!PassesFilter(FRows[Index].Note, ceFilter->text()));
    }
}

void TfrmNoteHis::alvNotesActivated(QTreeWidgetItem* Item) {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    if (Item == nullptr || !ReadIsoDate(Item->text(0).toStdString(), Year, Month, Day)) {
        return;
    }
    OpenNoteEditor(this, EncodeDate(Year, Month, Day));
    // What the editor saved or deleted shows at once.
    FillList(advCheckToday->isChecked());
}

void TfrmNoteHis::advCloseClick() {
    reject();
}

void TfrmNoteHis::FormClose() {
    ClearReference(frmNoteHis, this);
}
