#pragma once

// What the month grid tells about a day beyond its three lines: the 休 (red) or 班 (dark
// grey) mark of public holidays and adjusted working days, and the tooltip of each day cell.

#include "calendar/HolidayTable.h"
#include "calendar/UDateTime.h"

class QString;
class TMonthGrid;

// The public holidays as the program's files give them, read when first needed.
const THolidayTable& ProgramHolidays();

// Marks the day cells of the month laid out in the grid, and takes every other mark off.
void MarkHolidays(TMonthGrid& Grid, int Year, int Month);

// The tooltip of the cell (Col, Row) while the month is shown, as rich text holding the plain
// lines of the day's description; empty for a cell without a day.
QString DayCellToolTip(int Year, int Month, int Col, int Row);

// The name a screen reader gives the cell (Col, Row): the day said in one line with the
// number of its notes; empty for a cell without a day.
QString DayCellName(int Year, int Month, int Col, int Row);

// The tray icon's tooltip: today said in one line.
QString TodayToolTip(TDateTime Today);
