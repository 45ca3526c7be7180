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

void Write(const std::string& FileName, const char* Key, std::int32_t Value) {
    if (!platform::WriteProfileString(FileName, Section, Key, std::to_string(Value))) {
        throw ENotesError("Unable to write to " + FileName);
    }
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
    NotePosition = Corner;
    Write(FileName, "Position", NotePosition);
    const std::int32_t Alarm = AlarmOn ? 1 : 0;
    Write(FileName, "Alarm", Alarm);
    NoteAlarmOn = Alarm;
    NoteBlend = SliderPosition;
    Write(FileName, "blend", NoteBlend);
}

int BlendOpacity(std::int32_t Blend) {
    // Blend x 25.5 is Blend x 51 / 2, exact in integers; division cuts towards zero.
    const std::int64_t Product = static_cast<std::int64_t>(Blend) * 51 / 2;
    return static_cast<int>(Product & 0xFF);
}

} // namespace notes
