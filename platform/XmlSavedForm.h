#pragma once

// A fast reader for documents in exactly the form that XmlDocument::Save writes in GB2312:
// the declaration, elements without attributes, text with character references, nothing
// else. Such documents are large and read often; this reader checks and walks them without
// the general parser. Whatever it does not accept goes to the general parser, which then
// decides, so both give the same events for every document this reader accepts.

#include "platform/Xml.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// True when the whole document is in the saved form (and therefore well-formed).
bool IsSavedForm(std::string_view Bytes);

// Where things stand in a document in the saved form, as byte offsets: the root's child
// elements of one name, each from its "<" to the end of its end tag, in file order, and
// the start of the root's end tag.
struct TSavedFormPlaces {
    std::vector<std::pair<std::size_t, std::size_t>> Elements;
    std::size_t RootEnd = 0;
};

// The places of the root's children named Name (UTF-8) when the whole document is in the
// saved form and its root has an end tag; nothing otherwise.
std::optional<TSavedFormPlaces> LocateInSavedForm(std::string_view Bytes, std::string_view Name);

// Hands the content of a document in the saved form to Handler.
void ReadSavedForm(std::string_view Bytes, XmlEventHandler& Handler);

} // namespace platform
