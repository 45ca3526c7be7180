#include "notes/windows/NotesReport.h"

#include "widgets/ReportList.h"

TReportList* NotesReportList(QWidget* Parent, int TitleWidth, int ContentWidth) {
    return new TReportList({{QStringLiteral("标题"), TitleWidth},
                            {QStringLiteral("时间"), 96},
                            {QStringLiteral("提醒"), 40},
                            {QStringLiteral("内容"), ContentWidth}},
                           QColor(0xF0, 0xFB, 0xFF), Parent);
}

void ShowNotes(TReportList* List, const notes::TNotes& Notes) {
    List->clear();
    for (const notes::TNote& Note : Notes) {
        List->AddRow({QString::fromStdString(Note.Title), QString::fromStdString(Note.When),
                      QString::fromStdString(Note.Remind.Text()),
                      QString::fromStdString(Note.Content)});
    }
}
