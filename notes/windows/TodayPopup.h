#pragma once

// The one way today's notes popup comes up, whoever asks for it: the menu, the note alarm,
// the editor's OK and a click on a reminder's desktop notification.

class TfrmNoteList;

// Creates today's popup when none exists (a new popup reads today's notes as it is made) and
// shows it.
TfrmNoteList& ShowTodayPopup();
