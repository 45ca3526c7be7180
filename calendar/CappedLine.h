#pragma once

// One line of text for a narrow place (a tooltip line, a list cell): a text of any length
// (a holiday name or a note title may be megabytes) is cut to a fixed number of characters,
// its end shown by an ellipsis, so that laying it out costs a bounded amount of time and
// memory. Characters are code points of UTF-8; a cut never splits one.

#include <cstddef>
#include <string>
#include <string_view>

// Text when it has at most MaxCharacters characters; else its first MaxCharacters - 1
// characters and "…".
std::string CappedLine(std::string_view Text, std::size_t MaxCharacters);
