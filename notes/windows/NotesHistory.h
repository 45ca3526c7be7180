#pragma once

// The rows of the notes history: every note of the file with its day, by day then time, and
// the filter that narrows them as one types.

#include "notes/UNotesFile.h"

#include <QString>

#include <string>
#include <vector>

struct THistoryRow {
    std::string Day; // "yyyy-mm-dd", or the day element's name when it names no date
    notes::TNote Note;
};

// Every note of the file but the sample day's, sorted by day and, within a day, by time
// (notes without a time first); notes of the same day and time keep the file's order. Empty
// when the file cannot be read or does not parse.
std::vector<THistoryRow> HistoryRows(const std::string& FileName);

// Whether the note's title or content holds Filter, letter case aside; an empty or blank
// filter passes every note.
bool PassesFilter(const notes::TNote& Note, const QString& Filter);
