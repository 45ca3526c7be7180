#pragma once

// Splits a notes file into one small document per day, so that the notes reader can take
// the days one at a time without reading the whole file again for each. A day's document
// holds every element of that name, in file order, with the same children, texts and
// comments, so the notes reader finds in it what it finds in the whole file.

#include <string>
#include <string_view>
#include <vector>

struct TDayDocument {
    std::string Name;     // "Date" + "yyyy-mm-dd"
    std::string Document; // UTF-8
};

// The days in the order of their first element; elements whose name is no "Date" +
// "yyyy-mm-dd" are left out. False with the parser's message when the file is not
// well-formed.
bool SplitNotesByDay(std::string_view Bytes, std::vector<TDayDocument>& Days, std::string& Error);
