#pragma once

// The feed of the desk notes: a note whose time is "yyyy-mm-dd hh:nn" becomes an event of an
// hour at that local time, with a display alarm when its reminder is 是; any other note an
// all-day event on its day. The sample day is left out, as the note lists leave it out.

#include "terminal/DayFeed.h"

#include <string>

struct TNotesFeed {
    std::string Text;
    std::string Fault; // empty when the notes file was read whole
};

TNotesFeed NotesFeed(const std::string& NotesFile, const TFeedSetting& Setting);
