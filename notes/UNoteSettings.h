#pragma once

// The settings file Config.ini, section "NoteSet", keys "Position", "Alarm" and "blend", and
// the three process-wide shared settings that hold their values while the program runs.

#include <cstdint>
#include <string>

namespace notes {

// The shared settings, 0, 0 and 10 until the start-up read:
// NotePosition is the popup's corner (0 top left, 1 bottom left, 2 top right, 3 bottom right),
// NoteAlarmOn raises reminders when not 0, NoteBlend is the popup's opacity step (1 to 10).
extern std::int32_t NotePosition;
extern std::int32_t NoteAlarmOn;
extern std::int32_t NoteBlend;

struct TNoteSettings {
    std::int32_t Position = 0;
    std::int32_t Alarm = 0;
    std::int32_t Blend = 10;

    friend bool operator==(const TNoteSettings&, const TNoteSettings&) = default;
};

// The settings file's full path in the data folder.
std::string SettingsFileName();

// The three keys as the file holds them, with the defaults for what is missing or not a
// whole number. Writes nothing.
TNoteSettings ReadNoteSettings();

// Start-up: creates the data folder when missing (a failure is ignored), then reads the three
// keys into NotePosition, NoteAlarmOn and NoteBlend. Writes nothing.
void LoadNoteSettings();

// The settings window's read: the three keys into the shared settings; returns them for the
// window's controls.
TNoteSettings LoadSettings();

// The settings window's write: makes sure the data folder exists, then writes Position
// (Corner: 0 to 3, or -1 for none), Alarm (1 or 0) and blend (SliderPosition) in one save
// and sets NotePosition, NoteAlarmOn and NoteBlend to them. A failed write throws
// ENotesError at once, leaving the file and the shared settings as they were: with the
// reason in Chinese when another process held the file's lock for too long, else
// "Unable to write to <full path>".
void SaveSettings(std::int32_t Corner, bool AlarmOn, std::int32_t SliderPosition);

// The popup's opacity (0 to 255) for a blend step: trunc(Blend x 25.5), kept to its lowest
// eight bits. Steps 1 to 10 give 25, 51, 76, 102, 127, 153, 178, 204, 229, 255; 0 gives 0.
int BlendOpacity(std::int32_t Blend);

} // namespace notes
