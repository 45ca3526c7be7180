#include "calendar/ControlCharacters.h"

namespace {

// The length in bytes of the control character at the start of Text; 0 for none.
std::size_t ControlLength(std::string_view Text) {
    const auto Byte = static_cast<unsigned char>(Text[0]);
    if (Byte < 0x20 || Byte == 0x7F)
        return 1;
    if (Byte == 0xC2 && Text.size() > 1) {
        const auto Next = static_cast<unsigned char>(Text[1]);
        if (Next >= 0x80 && Next <= 0x9F)
            return 2;
    }
    return 0;
}

} // namespace

bool HasControlCharacter(std::string_view Text) {
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (ControlLength(Text.substr(I)) > 0)
            return true;
    }
    return false;
}

std::string WithControlsShown(std::string_view Text) {
    std::string Shown;
    Shown.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size();) {
        const std::size_t Control = Text[I] == '\t' ? 0 : ControlLength(Text.substr(I));
        if (Control > 0) {
            Shown += '?';
            I += Control;
        } else {
            Shown += Text[I];
            ++I;
        }
    }
    return Shown;
}
