#pragma once

// GBK (code page 936, a superset of GB2312) to UTF-8.

#include <string>
#include <string_view>

namespace platform {

// Appends the conversion of the whole text to Utf8. False at the first byte sequence that is
// not GBK, with its offset in ErrorOffset; Utf8 then ends with the text converted before it.
bool GbkToUtf8(std::string_view Gbk, std::string& Utf8, std::size_t& ErrorOffset);

// The GBK character at the start of Bytes: how many bytes it takes (1 or 2) and its UTF-8
// form. Length 0 when the bytes there are not a GBK character. ASCII is not looked up here.
struct TGbkChar {
    std::size_t Length = 0;
    std::string_view Utf8;
};
TGbkChar GbkCharAt(std::string_view Bytes);

// How many bytes at the start of Bytes are GBK characters made of bytes from 0x80 up: the
// count stops at an ASCII byte or at a byte that does not begin a GBK character.
std::size_t GbkRunLength(std::string_view Bytes);

} // namespace platform
