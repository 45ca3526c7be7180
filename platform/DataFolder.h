#pragma once

// The one folder that holds the notes file, the settings file and the weather snapshots:
// $XDG_DATA_HOME/RuxaCalendar/ (~/.local/share/RuxaCalendar/ when the variable is unset
// or empty).

#include <string>

namespace platform {

// The data folder's path, always ending in "/".
std::string DataFolder();

// Makes the data folder, with missing parents. False when it cannot be made.
bool EnsureDataFolder();

// Points the data folder elsewhere (tests use a temporary folder); empty restores the default.
void SetDataFolder(const std::string& Folder);

} // namespace platform
