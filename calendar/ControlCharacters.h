#pragma once

// Control characters in text read from files: C0 (NUL to US), DEL and C1 (U+0080 to U+009F,
// C2 80 to C2 9F in UTF-8). A terminal acts on them instead of showing them (ESC and CSI start
// commands, BEL rings), and many consumers of text stop at NUL.

#include <string>
#include <string_view>

bool HasControlCharacter(std::string_view Text);

// Text with every control character but the tab (which only moves on) shown as "?".
std::string WithControlsShown(std::string_view Text);
