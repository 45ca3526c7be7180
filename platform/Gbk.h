#pragma once

// GBK (code page 936, a superset of GB2312) to UTF-8.

#include <string>
#include <string_view>

namespace platform {

// Appends the conversion of the whole text to Utf8. False at the first byte sequence that is
// not GBK, with its offset in ErrorOffset; Utf8 then ends with the text converted before it.
bool GbkToUtf8(std::string_view Gbk, std::string& Utf8, std::size_t& ErrorOffset);

} // namespace platform
