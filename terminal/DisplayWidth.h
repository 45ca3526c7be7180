#pragma once

// Column widths of UTF-8 text on a terminal: the Chinese characters (and the other wide
// East Asian ones) take two columns, everything else one.

#include <string>
#include <string_view>

int DisplayWidth(std::string_view Text);

// Text centred in Width columns, the odd column on the right; text wider than that as it is.
std::string Centred(std::string_view Text, int Width);
