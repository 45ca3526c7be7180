#include "notes/UNoteSettings.h"

#include "notes/NotesError.h"
#include "platform/DataFolder.h"
#include "platform/ProfileFile.h"

namespace notes {

std::int32_t NotePosition = 0;
std::int32_t NoteAlarmOn = 0;
std::int32_t NoteBlend = 10;

namespace {

constexpr const char* Section = "NoteSet";

void Store(const TNoteSettings& Settings) {
    NotePosition = Settings.Position;
    NoteAlarmOn = Settings.Alarm;
    NoteBlend = Settings.Blend;
}

} // namespace

std::string SettingsFileName() {
    return platform::DataFolder() + "Config.ini";
}

TNoteSettings ReadNoteSettings() {
    const std::string FileName = SettingsFileName();
    TNoteSettings Settings;
    Settings.Position = platform::ReadProfileInteger(FileName, Section, "Position", 0);
    Settings.Alarm = platform::ReadProfileInteger(FileName, Section, "Alarm", 0);
    Settings.Blend = platform::ReadProfileInteger(FileName, Section, "blend", 10);
    return Settings;
}

void LoadNoteSettings() {
    platform::EnsureDataFolder();
    Store(ReadNoteSettings());
}

TNoteSettings LoadSettings() {
    const TNoteSettings Settings = ReadNoteSettings();
    Store(Settings);
    return Settings;
}

void SaveSettings(std::int32_t Corner, bool AlarmOn, std::int32_t SliderPosition) {
    platform::EnsureDataFolder();
    const std::string FileName = SettingsFileName();
    const std::int32_t Alarm = AlarmOn ? 1 : 0;
    // One save: a save cut short leaves the three keys of one save or of the other.
    std::string BusyError;
    if (!platform::WriteProfileStrings(FileName, Section,
                                       {{"Position", std::to_string(Corner)},
                                        {"Alarm", std::to_string(Alarm)},
                                        {"blend", std::to_string(SliderPosition)}},
                                       BusyError)) {
        throw ENotesError(BusyError.empty() ? "Unable to write to " + FileName : BusyError);
    }
    Store({Corner, Alarm, SliderPosition});
}

int BlendOpacity(std::int32_t Blend) {
    // Blend x 25.5 is Blend x 51 / 2, exact in integers; division cuts towards zero.
    const std::int64_t Product = static_cast<std::int64_t>(Blend) * 51 / 2;
    return static_cast<int>(Product & 0xFF);
}

} // namespace notes
