#pragma once

// The text of today's notes popup, built from a reading of today's notes: each note gives
// "n.title | time | reminder", a carriage return and its content; entries are separated by
// a carriage return, a line of 71 hyphens and another carriage return. A title longer than
// 60 characters, and a line of content longer than 200, are cut (see calendar/CappedLine.h).

#include "notes/UNotesFile.h"

#include <QString>

#include <string>
#include <vector>

// Shown when there is no day element for today at all.
inline const QString NoNotesToday = QStringLiteral("你今天还没有添加便签信息哦~，赶快去添加吧");

// The label's new text. A day element without notes, and a reading that failed before any
// note, keep Current; a reading that failed after some notes shows those notes.
QString TodayNotesText(const notes::TNotesRead& Reading, const QString& Current);

// Today's notes for the popup: the notes of today's day elements as ReadTodayNotes reads
// them, then the repeating notes of earlier days that fall on today (notes/NoteOccurrences.h),
// each with today's time.
notes::TNotesRead TodaysNotesWithRepeats(const std::string& FileName);

// Moves the notes named by DueKeys (identities, or titles for notes without one, as the
// reminders name them) to the front, keeping the order within both parts; returns how many
// moved.
int PutDueFirst(notes::TNotes& Notes, const std::vector<std::string>& DueKeys);

// The text as the popup shows it, in rich text: the first DueEntries entries stand out on a
// warm ground; line breaks and blanks are kept.
QString NotesTextMarkup(const QString& Text, int DueEntries);
