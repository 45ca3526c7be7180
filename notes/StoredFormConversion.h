#pragma once

// A notes file that is not in the stored form (written by hand or by another program)
// brought into it without a document tree: the same bytes NotesFileBytes would write for
// it, in little more memory than the file and its new form take.

#include <optional>
#include <string>
#include <string_view>

namespace notes {

// Whether a conversion gives every note that lacks an identity one (written after the note's
// last element), or keeps the notes as they are.
enum class TIdentities { Keep, Give };

// The file in the stored form, when it holds only elements without attributes and text
// (CDATA sections inside notes count as text); nothing for any other file, which then needs a
// document tree.
std::optional<std::string> ConvertToStoredForm(std::string_view Bytes,
                                               TIdentities Identities = TIdentities::Keep);

} // namespace notes
