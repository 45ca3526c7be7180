#include "calendar/CappedLine.h"

namespace {

constexpr std::string_view Ellipsis = "…";

bool StartsCharacter(unsigned char Byte) {
    return (Byte & 0xC0) != 0x80;
}

} // namespace

std::string CappedLine(std::string_view Text, std::size_t MaxCharacters) {
    if (MaxCharacters == 0)
        return {};
    std::size_t Characters = 0;
    std::size_t KeptEnd = 0;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (!StartsCharacter(static_cast<unsigned char>(Text[I])))
            continue;
        ++Characters;
        if (Characters == MaxCharacters)
            KeptEnd = I;
        if (Characters > MaxCharacters)
            return std::string(Text.substr(0, KeptEnd)) + std::string(Ellipsis);
    }
    return std::string(Text);
}
