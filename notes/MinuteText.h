#pragma once

// Minutes written "yyyy-mm-dd hh:nn", as the notes file and the alarm write them. Such texts
// sort as the minutes they name.

#include <optional>
#include <string>

namespace notes {

// Whether Text is a valid minute "yyyy-mm-dd hh:nn".
bool IsMinuteText(const std::string& Text);

// The minute Minutes after (before, when negative) the minute Text; none when Text is not a
// valid minute or the result leaves the years 1..9999.
std::optional<std::string> AddMinutes(const std::string& Text, long long Minutes);

} // namespace notes
