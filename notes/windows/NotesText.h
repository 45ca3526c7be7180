#pragma once

// The text of today's notes popup, built from a reading of today's notes: each note gives
// "n.title | time | reminder", a carriage return and its content; entries are separated by
// a carriage return, a line of 71 hyphens and another carriage return. A title longer than
// 60 characters, and a line of content longer than 200, are cut (see calendar/CappedLine.h).

#include "notes/UNotesFile.h"

#include <QString>

// Shown when there is no day element for today at all.
inline const QString NoNotesToday = QStringLiteral("你今天还没有添加便签信息哦~，赶快去添加吧");

// The label's new text. A day element without notes, and a reading that failed before any
// note, keep Current; a reading that failed after some notes shows those notes.
QString TodayNotesText(const notes::TNotesRead& Reading, const QString& Current);
