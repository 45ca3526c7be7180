#pragma once

// A fast reader for documents in exactly the form that XmlDocument::Save writes in GB2312:
// the declaration, elements without attributes, text with character references, nothing
// else. Such documents are large and read often; this reader checks and walks them without
// the general parser. Whatever it does not accept goes to the general parser, which then
// decides, so both give the same events for every document this reader accepts.

#include "platform/Xml.h"

#include <string_view>

namespace platform {

// True when the whole document is in the saved form (and therefore well-formed).
bool IsSavedForm(std::string_view Bytes);

// Hands the content of a document in the saved form to Handler.
void ReadSavedForm(std::string_view Bytes, XmlEventHandler& Handler);

} // namespace platform
