#include "platform/SavedFormWriter.h"

#include <cstdint>
#include <iconv.h>
#include <vector>

namespace platform {
namespace {

// One character of UTF-8 at the start of Bytes: its length (0 when the bytes there are not
// UTF-8) and its code point.
struct TUtf8Char {
    std::size_t Length = 0;
    char32_t Code = 0;
};

TUtf8Char Utf8CharAt(std::string_view Bytes) {
    const auto B = [&](std::size_t I) { return static_cast<unsigned char>(Bytes[I]); };
    const unsigned char Lead = B(0);
    std::size_t Length = 0;
    char32_t Code = 0;
    char32_t Least = 0;
    if (Lead < 0x80) {
        return {1, Lead};
    }
    if (Lead >= 0xC2 && Lead <= 0xDF) {
        Length = 2;
        Code = Lead & 0x1F;
        Least = 0x80;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
        Length = 3;
        Code = Lead & 0x0F;
        Least = 0x800;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
        Length = 4;
        Code = Lead & 0x07;
        Least = 0x10000;
    } else {
        return {};
    }
    if (Bytes.size() < Length) {
        return {};
    }
    for (std::size_t I = 1; I < Length; ++I) {
        if ((B(I) & 0xC0) != 0x80) {
            return {};
        }
        Code = (Code << 6) | (B(I) & 0x3F);
    }
    if (Code < Least || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) {
        return {};
    }
    return {Length, Code};
}

bool IsXmlChar(char32_t C) {
    return C == 0x9 || C == 0xA || C == 0xD || (C >= 0x20 && C <= 0xD7FF) ||
           (C >= 0xE000 && C <= 0xFFFD) || (C >= 0x10000 && C <= 0x10FFFF);
}

// The GB2312 bytes (lead byte high) of every character of the basic plane that GB2312 has,
// 0 for the others: the system's converter asked once for each of GB2312's two-byte codes.
const std::vector<std::uint16_t>& Gb2312Codes() {
    static const std::vector<std::uint16_t> Codes = [] {
        std::vector<std::uint16_t> Table(0x10000, 0);
        const iconv_t Converter = iconv_open("UTF-8", "GB2312");
        if (Converter == reinterpret_cast<iconv_t>(-1)) {
            return Table;
        }
        for (unsigned Lead = 0xA1; Lead <= 0xF7; ++Lead) {
            for (unsigned Trail = 0xA1; Trail <= 0xFE; ++Trail) {
                char In[2] = {static_cast<char>(Lead), static_cast<char>(Trail)};
                char Made[8];
                char* From = In;
                std::size_t FromLeft = sizeof In;
                char* To = Made;
                std::size_t ToLeft = sizeof Made;
                iconv(Converter, nullptr, nullptr, nullptr, nullptr);
                if (iconv(Converter, &From, &FromLeft, &To, &ToLeft) ==
                    static_cast<std::size_t>(-1)) {
                    continue;
                }
                const TUtf8Char Char = Utf8CharAt(std::string_view(Made, sizeof Made - ToLeft));
                if (Char.Length != 0 && Char.Code < Table.size()) {
                    Table[Char.Code] = static_cast<std::uint16_t>(Lead << 8 | Trail);
                }
            }
        }
        iconv_close(Converter);
        return Table;
    }();
    return Codes;
}

// Appends the GB2312 bytes of a character from U+0080 up; false when GB2312 lacks it.
bool AppendGb2312(std::string& Out, char32_t Code) {
    const std::vector<std::uint16_t>& Codes = Gb2312Codes();
    if (Code >= Codes.size() || Codes[Code] == 0) {
        return false;
    }
    Out += static_cast<char>(Codes[Code] >> 8);
    Out += static_cast<char>(Codes[Code] & 0xFF);
    return true;
}

// Appends UTF-8 Text in GB2312; with References, markup characters and what GB2312 lacks
// become references, without, such a character fails.
bool AppendEncoded(std::string& Out, std::string_view Text, bool References) {
    for (std::size_t I = 0; I < Text.size();) {
        const TUtf8Char Char = Utf8CharAt(Text.substr(I));
        if (Char.Length == 0 || !IsXmlChar(Char.Code)) {
            return false;
        }
        const char C = Text[I];
        I += Char.Length;
        if (Char.Code >= 0x80) {
            if (!AppendGb2312(Out, Char.Code)) {
                if (!References) {
                    return false;
                }
                Out += "&#" + std::to_string(static_cast<std::uint32_t>(Char.Code)) + ";";
            }
            continue;
        }
        const char* Reference = C == '<'    ? "&lt;"
                                : C == '>'  ? "&gt;"
                                : C == '&'  ? "&amp;"
                                : C == '\r' ? "&#13;"
                                            : nullptr;
        if (Reference != nullptr && !References) {
            return false;
        }
        if (Reference != nullptr) {
            Out += Reference;
        } else {
            Out += C;
        }
    }
    return true;
}

} // namespace

bool AppendSavedFormName(std::string& Out, std::string_view Name) {
    return AppendEncoded(Out, Name, false);
}

bool AppendSavedFormText(std::string& Out, std::string_view Text) {
    return AppendEncoded(Out, Text, true);
}

bool AppendSavedFormStartTag(std::string& Out, std::string_view Name) {
    Out += '<';
    if (!AppendEncoded(Out, Name, false)) {
        return false;
    }
    Out += '>';
    return true;
}

bool AppendSavedFormEndTag(std::string& Out, std::string_view Name) {
    Out += "</";
    if (!AppendEncoded(Out, Name, false)) {
        return false;
    }
    Out += '>';
    return true;
}

bool AppendSavedFormElement(std::string& Out, std::string_view Name, std::string_view Text) {
    if (Text.empty()) {
        Out += '<';
        if (!AppendEncoded(Out, Name, false)) {
            return false;
        }
        Out += "/>";
        return true;
    }
    return AppendSavedFormStartTag(Out, Name) && AppendEncoded(Out, Text, true) &&
           AppendSavedFormEndTag(Out, Name);
}

} // namespace platform
