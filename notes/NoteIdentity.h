#pragma once

// The identity a note gets when it is first written.

#include <string>

namespace notes {

// A random 128-bit value as 32 lowercase hexadecimal digits.
std::string NewNoteId();

} // namespace notes
