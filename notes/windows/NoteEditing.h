#pragma once

// The small rules of the note editor that need no window.

#include "calendar/UDateTime.h"

#include <QString>
#include <QStringList>

#include <optional>

// The editor's caption for a day: "便签维护 - 2024年2月10日".
QString EditorCaption(TDateTime Day);

// The 24 time entries of a day: "yyyy-mm-dd 00:00" to "yyyy-mm-dd 23:00".
QStringList HourEntries(TDateTime Day);

// A time typed for a note of Day, in the form the file stores: empty for no time, the date
// alone, or the date and the minute "yyyy-mm-dd hh:nn". The minute may be typed alone
// ("9:30", "09:30") or after the day's date, with or without leading zeros; white space
// around it is ignored. None for any other text, the minute of another day included.
std::optional<QString> StoredTime(TDateTime Day, const QString& Typed);

// The repeat choices in the order the editor offers them; the first, "不重复", is no repeat.
QStringList RepeatChoices();
// The stored text of a repeat choice ("" for "不重复") and the choice of a stored text.
QString RepeatOfChoice(const QString& Choice);
QString ChoiceOfRepeat(const QString& Repeat);

// The advance choices in minutes, the first (0) being none.
QList<int> AdvanceChoices();
// An advance as the editor names it: "不提前", "15分钟", "2小时", "1天", "1周"; minutes that are
// no whole hour are named in minutes, whole hours that are no whole day in hours.
QString AdvanceName(int Minutes);

// A note's content is one line: the lines of the text joined with nothing between them.
QString JoinLines(const QString& Text);

// Whether two titles are the same note's title: equal as a whole, letter case aside.
bool SameTitle(const QString& Left, const QString& Right);

// The text without the characters an XML file cannot hold at all, not even as a character
// reference: control characters other than tab, line feed and carriage return, U+FFFE and
// U+FFFF, and halves of surrogate pairs that stand alone. They are dropped, so that what the
// editor saves always reads back; every other character is kept.
QString WithoutNonXmlCharacters(const QString& Text);
