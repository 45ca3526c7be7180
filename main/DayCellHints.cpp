#include "main/DayCellHints.h"

#include "calendar/HolidayFiles.h"
#include "main/DayToolTip.h"
#include "main/MonthLayout.h"
#include "notes/NoteOccurrences.h"
#include "notes/UNotesFile.h"
#include "widgets/MonthGrid.h"

#include <QColor>
#include <QString>
#include <QTextDocument>

namespace {

const QColor DayOffMark(0xFF, 0x00, 0x00);
const QColor WorkDayMark(0x50, 0x50, 0x50);

// The holiday table, read from its files when first needed.
const THolidayTable& Holidays() {
    static const THolidaysRead Read = ReadHolidayFiles();
    return Read.Table;
}

} // namespace

void MarkHolidays(TMonthGrid& Grid, int Year, int Month) {
    for (int Row = 1; Row <= MonthWeeks; ++Row) {
        for (int Col = 0; Col < WeekDays; ++Col) {
            const int Day = DayInCell(Year, Month, Col, Row);
            const THolidayKind Kind =
                Day > 0 ? Holidays().Find(Year, Month, Day).Kind : THolidayKind::None;
            Grid.SetCellMark(Col, Row, QString::fromUtf8(HolidayKindText(Kind)),
                             Kind == THolidayKind::DayOff ? DayOffMark : WorkDayMark);
        }
    }
}

bool MarkNoteDays(TMonthGrid& Grid, int Year, int Month, const std::string& NotesFile) {
    const notes::TNotesIndex& Index = notes::SharedNotesIndex(NotesFile);
    bool Changed = false;
    for (int Row = 1; Row <= MonthWeeks; ++Row) {
        for (int Col = 0; Col < WeekDays; ++Col) {
            const int Day = DayInCell(Year, Month, Col, Row);
            const bool Sign =
                Day > 0 && Index.AnyOn(notes::TNoteDay{std::chrono::year{Year},
                                                       std::chrono::month{unsigned(Month)},
                                                       std::chrono::day{unsigned(Day)}});
            if (Sign != Grid.CellSign(Col, Row)) {
                Grid.SetCellSign(Col, Row, Sign);
                Changed = true;
            }
        }
    }
    return Changed;
}

QString DayCellToolTip(int Year, int Month, int Col, int Row) {
    const int Day = DayInCell(Year, Month, Col, Row);
    if (Day == 0) {
        return {};
    }
    // As plain text, so that a note's title is shown as it is written, never as markup.
    return Qt::convertFromPlainText(QString::fromStdString(DayToolTipText(
                                        Year, Month, Day, Holidays(), notes::NotesFileName())),
                                    Qt::WhiteSpacePre);
}
