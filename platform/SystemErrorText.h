#pragma once

// The reason of a failed system call, as the user reads it: in Chinese.

#include <string>

namespace platform {

// A short Chinese description of the errno value Code; an unusual code gives its number.
std::string SystemErrorText(int Code);

} // namespace platform
