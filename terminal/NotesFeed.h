#pragma once

// The feed of the desk notes, each note as notes/ical/NoteEvents.h maps it. The sample day
// and day elements that name no supported day are left out, as the note lists leave them out.

#include "terminal/DayFeed.h"

#include <ostream>
#include <string>

// Reads the notes file whole and then writes its feed to Out as it is made, an event at a
// time, so the memory stays within a few times the file's size. Nothing is written when the
// file cannot be read or parsed: the reason comes back instead (empty on success).
std::string WriteNotesFeed(const std::string& NotesFile, const TFeedSetting& Setting,
                           std::ostream& Out);
