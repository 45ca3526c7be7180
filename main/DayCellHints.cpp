#include "main/DayCellHints.h"

#include "calendar/CappedLine.h"
#include "main/DaySpokenName.h"
#include "main/DayToolTip.h"
#include "main/MonthLayout.h"
#include "notes/DayNoteHeadings.h"
#include "notes/NoteOccurrences.h"
#include "notes/UNotesFile.h"
#include "platform/HolidayFiles.h"
#include "widgets/MonthGrid.h"

#include <QColor>
#include <QString>
#include <QTextDocument>

namespace {

const QColor DayOffMark(0xFF, 0x00, 0x00);
const QColor WorkDayMark(0x50, 0x50, 0x50);

// The holiday table, read from its files when first needed, and why a file was left out.
const THolidaysRead& HolidaysRead() {
    static const THolidaysRead Read = ReadHolidayFiles();
    return Read;
}

// A holiday file left out is told on the tooltip's last line, where the 休 and 班 it would
// have given are looked for: without a box to close, and for as long as it holds.
std::string HolidayFaultLine() {
    const std::vector<std::string>& Faults = HolidaysRead().Faults;
    return Faults.empty() ? std::string()
                          : "\n" + CappedLine("节假日文件未能采用：" + Faults.front(),
                                              MaxToolTipLineCharacters);
}

} // namespace

const THolidayTable& ProgramHolidays() {
    return HolidaysRead().Table;
}

void MarkHolidays(TMonthGrid& Grid, int Year, int Month) {
    for (int Row = 1; Row <= MonthWeeks; ++Row) {
        for (int Col = 0; Col < WeekDays; ++Col) {
            const int Day = DayInCell(Year, Month, Col, Row);
            const THolidayKind Kind =
                Day > 0 ? ProgramHolidays().Find(Year, Month, Day).Kind : THolidayKind::None;
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
    return Qt::convertFromPlainText(
        QString::fromStdString(
            DayToolTipText(Year, Month, Day, ProgramHolidays(), notes::NotesFileName()) +
            HolidayFaultLine()),
        Qt::WhiteSpacePre);
}

QString DayCellName(int Year, int Month, int Col, int Row) {
    const int Day = DayInCell(Year, Month, Col, Row);
    const auto Details = Day > 0 ? DayDetailsOf(Year, Month, Day, ProgramHolidays()) : std::nullopt;
    if (!Details) {
        return {};
    }
    const auto Notes = notes::DayNoteHeadings(notes::NotesFileName(), Year, Month, Day);
    return QString::fromStdString(DaySpokenName(*Details, static_cast<int>(Notes.size())));
}

QString TodayToolTip(TDateTime Today) {
    const TDateParts Parts = DecodeDateTime(Today);
    const auto Details = DayDetailsOf(Parts.Year, Parts.Month, Parts.Day, ProgramHolidays());
    return Details ? QString::fromStdString(DayShortName(*Details)) : QString();
}
