#pragma once

// The few lines of an event the sync reads or changes itself, whatever made the event: its UID
// and when it was last changed.

#include <cstdint>
#include <string>

namespace notesync {

// The UID of the first component that has one; empty when none.
std::string UidOf(const std::string& Ical);

// The text with every UID line holding Uid instead.
std::string WithUid(const std::string& Ical, const std::string& Uid);

// LAST-MODIFIED, else DTSTAMP, of the event as seconds since 1970 (UTC forms only); 0 when it
// has neither.
std::int64_t ModifiedOf(const std::string& Ical);

} // namespace notesync
