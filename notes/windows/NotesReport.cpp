#include "notes/windows/NotesReport.h"

#include "calendar/CappedLine.h"
#include "widgets/ReportList.h"

namespace {

constexpr int RepeatRole = Qt::UserRole;
constexpr int AdvanceRole = Qt::UserRole + 1;
constexpr int IdentityRole = Qt::UserRole + 2;

} // namespace

void SetRowExtras(QTreeWidgetItem* Row, const TRowExtras& Extras) {
    Row->setData(0, RepeatRole, Extras.Repeat);
    Row->setData(0, AdvanceRole, Extras.Advance);
    Row->setData(0, IdentityRole, Extras.Identity);
}

TRowExtras RowExtras(const QTreeWidgetItem* Row) {
    return {Row->data(0, RepeatRole).toString(), Row->data(0, AdvanceRole).toString(),
            Row->data(0, IdentityRole).toString()};
}

TReportList* NotesReportList(QWidget* Parent, int TitleWidth, int ContentWidth) {
    return new TReportList({{QStringLiteral("标题"), TitleWidth},
                            {QStringLiteral("时间"), 96},
                            {QStringLiteral("提醒"), 40},
                            {QStringLiteral("内容"), ContentWidth}},
                           QColor(0xF0, 0xFB, 0xFF), Parent);
}

void ShowNotes(TReportList* List, const notes::TNotes& Notes, std::size_t MaxCellCharacters) {
    const auto Cell = [&](const std::string& Text) {
        return QString::fromStdString(MaxCellCharacters > 0 ? CappedLine(Text, MaxCellCharacters)
                                                            : Text);
    };
    List->clear();
    for (const notes::TNote& Note : Notes) {
        QTreeWidgetItem* Row = List->AddRow(
            {Cell(Note.Title), Cell(Note.When), Cell(Note.Remind.Text()), Cell(Note.Content)});
        SetRowExtras(Row, {QString::fromStdString(Note.Repeat.Text()),
                           QString::fromStdString(Note.Advance.Text()),
                           QString::fromStdString(Note.Id)});
    }
}
