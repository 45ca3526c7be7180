#pragma once

// The small rules of the note editor that need no window.

#include "calendar/UDateTime.h"

#include <QString>
#include <QStringList>

// The 24 time entries of a day: "yyyy-mm-dd 00:00" to "yyyy-mm-dd 23:00".
QStringList HourEntries(TDateTime Day);

// A note's content is one line: the lines of the text joined with nothing between them.
QString JoinLines(const QString& Text);

// Whether two titles are the same note's title: equal as a whole, letter case aside.
bool SameTitle(const QString& Left, const QString& Right);

// The text without the characters an XML file cannot hold at all, not even as a character
// reference: control characters other than tab, line feed and carriage return, U+FFFE and
// U+FFFF, and halves of surrogate pairs that stand alone. They are dropped, so that what the
// editor saves always reads back; every other character is kept.
QString WithoutNonXmlCharacters(const QString& Text);
