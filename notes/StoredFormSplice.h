#pragma once

// Changing today's notes in a file that is in the stored form (as NotesFileBytes writes it)
// without a document tree: only today's day elements are read and written anew, every other
// byte is copied as it stands. A large file is saved so in little more than twice its size
// of memory.

#include "notes/UNotesFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace notes {

// What becomes of today's day element after a change: kept (holding the changed notes), or
// removed.
enum class TDayFate { Keep, Remove };

// Changes today's notes, gathered by the reading rule from every day element named Today
// (none when Today is empty), and returns the file's new bytes: the first of those elements
// holds the changed notes in the stored form (a kept day that was missing is appended at the
// end of the root) and the others are gone. Nothing when Bytes is not in the stored form.
std::optional<std::string> SpliceToday(std::string_view Bytes, std::string_view Today,
                                       const std::function<TDayFate(TNotes&)>& Change);

} // namespace notes
