#include "notes/windows/NotesReport.h"

#include "calendar/CappedLine.h"
#include "widgets/ReportList.h"

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
        List->AddRow(
            {Cell(Note.Title), Cell(Note.When), Cell(Note.Remind.Text()), Cell(Note.Content)});
    }
}
