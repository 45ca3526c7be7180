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
