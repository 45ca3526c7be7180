#pragma once

// Starting the program with the user's session: the XDG autostart entry
// $XDG_CONFIG_HOME/autostart/ruxa-calendar.desktop (~/.config/autostart/ when the variable
// is unset, empty or not an absolute path). The entry starts the program with
// SessionStartArgument, so that it can tell a start with the session from the user's.

#include <string>

namespace platform {

inline constexpr const char* SessionStartArgument = "--autostart";

// The entry's full path.
std::string SessionStartEntryPath();

// Whether the entry exists.
bool StartsWithSession();

// Writes the entry (crash-safely, making the folder when missing) for the program at the
// absolute path Program; false with the reason (in Chinese, naming the file) in Error.
bool WriteSessionStartEntry(const std::string& Program, std::string& Error);

// Removes the entry; true when it is gone (also when there was none), else false with the
// reason in Error.
bool RemoveSessionStartEntry(std::string& Error);

// The entry's text for the program at Program: its Exec line quotes the path as desktop
// entries require, so any path starts the right program.
std::string SessionStartEntryText(const std::string& Program);

} // namespace platform
