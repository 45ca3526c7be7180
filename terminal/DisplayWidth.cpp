#include "terminal/DisplayWidth.h"

namespace {

// The wide ranges that calendar texts use: CJK symbols and punctuation, ideographs and
// their extensions, compatibility ideographs and full-width forms.
bool IsWide(char32_t C) {
    return (C >= 0x1100 && C <= 0x115F) || (C >= 0x2E80 && C <= 0xA4CF) ||
           (C >= 0xAC00 && C <= 0xD7A3) || (C >= 0xF900 && C <= 0xFAFF) ||
           (C >= 0xFE30 && C <= 0xFE4F) || (C >= 0xFF00 && C <= 0xFF60) ||
           (C >= 0xFFE0 && C <= 0xFFE6) || (C >= 0x20000 && C <= 0x3FFFD);
}

} // namespace

int DisplayWidth(std::string_view Text) {
    int Width = 0;
    for (std::size_t I = 0; I < Text.size();) {
        const auto Lead = static_cast<unsigned char>(Text[I]);
        std::size_t Length = 1;
        char32_t C = Lead;
        if (Lead >= 0xF0) {
            Length = 4;
            C = Lead & 0x07;
        } else if (Lead >= 0xE0) {
            Length = 3;
            C = Lead & 0x0F;
        } else if (Lead >= 0xC0) {
            Length = 2;
            C = Lead & 0x1F;
        }
        for (std::size_t K = 1; K < Length && I + K < Text.size(); ++K) {
            C = C << 6 | (static_cast<unsigned char>(Text[I + K]) & 0x3F);
        }
        Width += IsWide(C) ? 2 : 1;
        I += Length;
    }
    return Width;
}

std::string Centred(std::string_view Text, int Width) {
    const int Spare = Width - DisplayWidth(Text);
    if (Spare <= 0) {
        return std::string(Text);
    }
    const int Left = Spare / 2;
    return std::string(static_cast<std::size_t>(Left), ' ') + std::string(Text) +
           std::string(static_cast<std::size_t>(Spare - Left), ' ');
}
