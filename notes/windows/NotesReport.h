#pragma once

// The list of notes in the editor and the history: one row a note, columns "标题", "时间",
// "提醒" and "内容" on a light blue ground.

#include "notes/UNotesFile.h"

#include <QString>

#include <cstddef>

class QTreeWidgetItem;
class QWidget;
class TReportList;

// What a row carries unseen beyond its four cells: the note's repeat, advance and identity,
// as the file holds them.
struct TRowExtras {
    QString Repeat;
    QString Advance;
    QString Identity;
};

void SetRowExtras(QTreeWidgetItem* Row, const TRowExtras& Extras);
TRowExtras RowExtras(const QTreeWidgetItem* Row);

// A list with these columns; the time and reminder columns have the same width everywhere.
TReportList* NotesReportList(QWidget* Parent, int TitleWidth, int ContentWidth);

// Replaces the list's rows with Notes, each row carrying the note's extras. With
// MaxCellCharacters, a list only to be read cuts longer cells (see calendar/CappedLine.h); the
// editor's list keeps them whole, to save them.
void ShowNotes(TReportList* List, const notes::TNotes& Notes, std::size_t MaxCellCharacters = 0);
