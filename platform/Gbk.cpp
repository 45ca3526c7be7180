#include "platform/Gbk.h"

#include <array>
#include <cstring>
#include <iconv.h>

namespace platform {
namespace {

// The UTF-8 form of every GBK character of one or two bytes, looked up by its bytes. Built
// once from the system's converter, so that converting a large file is a table walk.
struct TCode {
    std::array<char, 4> Bytes{};
    unsigned char Length = 0; // 0: not a character
};

class TGbkTable {
public:
    TGbkTable() {
        iconv_t Converter = iconv_open("UTF-8", "GBK");
        if (Converter == reinterpret_cast<iconv_t>(-1)) {
            return;
        }
        for (unsigned Byte = 0x80; Byte <= 0xFF; ++Byte) {
            const char In[1] = {static_cast<char>(Byte)};
            Convert(Converter, In, 1, FSingle[Byte - 0x80]);
        }
        for (unsigned Lead = 0x81; Lead <= 0xFE; ++Lead) {
            for (unsigned Trail = 0x40; Trail <= 0xFE; ++Trail) {
                const char In[2] = {static_cast<char>(Lead), static_cast<char>(Trail)};
                Convert(Converter, In, 2, FDouble[(Lead - 0x81) * TrailCount + (Trail - 0x40)]);
            }
        }
        iconv_close(Converter);
    }

    const TCode& Single(unsigned char Byte) const { return FSingle[Byte - 0x80]; }

    const TCode* Double(unsigned char Lead, unsigned char Trail) const {
        if (Lead < 0x81 || Lead > 0xFE || Trail < 0x40 || Trail > 0xFE) {
            return nullptr;
        }
        return &FDouble[(Lead - 0x81) * TrailCount + (Trail - 0x40)];
    }

private:
    static constexpr unsigned TrailCount = 0xFE - 0x40 + 1;

    static void Convert(iconv_t Converter, const char* In, std::size_t Size, TCode& Code) {
        iconv(Converter, nullptr, nullptr, nullptr, nullptr);
        char* Input = const_cast<char*>(In);
        std::size_t InputLeft = Size;
        char* Output = Code.Bytes.data();
        std::size_t OutputLeft = Code.Bytes.size();
        if (iconv(Converter, &Input, &InputLeft, &Output, &OutputLeft) !=
                static_cast<std::size_t>(-1) &&
            InputLeft == 0) {
            Code.Length = static_cast<unsigned char>(Code.Bytes.size() - OutputLeft);
        }
    }

    std::array<TCode, 0x80> FSingle{};
    std::array<TCode, (0xFE - 0x81 + 1) * TrailCount> FDouble{};
};

const TGbkTable& Table() {
    static const TGbkTable Instance;
    return Instance;
}

} // namespace

TGbkChar GbkCharAt(std::string_view Bytes) {
    const TGbkTable& Codes = Table();
    if (Bytes.empty() || static_cast<unsigned char>(Bytes[0]) < 0x80) {
        return {};
    }
    const auto Lead = static_cast<unsigned char>(Bytes[0]);
    const TCode* Code =
        Bytes.size() > 1 ? Codes.Double(Lead, static_cast<unsigned char>(Bytes[1])) : nullptr;
    std::size_t Length = 2;
    if (Code == nullptr || Code->Length == 0) {
        Code = &Codes.Single(Lead);
        Length = 1;
    }
    if (Code->Length == 0) {
        return {};
    }
    return {Length, std::string_view(Code->Bytes.data(), Code->Length)};
}

std::size_t GbkRunLength(std::string_view Bytes) {
    const TGbkTable& Codes = Table();
    const auto* In = reinterpret_cast<const unsigned char*>(Bytes.data());
    const std::size_t Size = Bytes.size();
    std::size_t I = 0;
    while (I < Size && In[I] >= 0x80) {
        const TCode* Code = I + 1 < Size ? Codes.Double(In[I], In[I + 1]) : nullptr;
        if (Code != nullptr && Code->Length != 0) {
            I += 2;
        } else if (Codes.Single(In[I]).Length != 0) {
            ++I;
        } else {
            break;
        }
    }
    return I;
}

bool GbkToUtf8(std::string_view Gbk, std::string& Utf8, std::size_t& ErrorOffset) {
    const TGbkTable& Codes = Table();
    // The exact length first, so that a long text takes no more memory than it needs; the
    // fourth spare byte lets every code be copied whole.
    std::size_t Needed = 0;
    for (std::size_t I = 0; I < Gbk.size();) {
        const auto Byte = static_cast<unsigned char>(Gbk[I]);
        if (Byte < 0x80) {
            ++Needed;
            ++I;
            continue;
        }
        const TCode* Code = I + 1 < Gbk.size()
                                ? Codes.Double(Byte, static_cast<unsigned char>(Gbk[I + 1]))
                                : nullptr;
        const bool Double = Code != nullptr && Code->Length != 0;
        Code = Double ? Code : &Codes.Single(Byte);
        if (Code->Length == 0) {
            break;
        }
        Needed += Code->Length;
        I += Double ? 2 : 1;
    }
    const std::size_t Start = Utf8.size();
    Utf8.resize(Start + Needed + 4);
    char* Out = Utf8.data() + Start;
    const auto* In = reinterpret_cast<const unsigned char*>(Gbk.data());
    const std::size_t Size = Gbk.size();
    std::size_t I = 0;
    bool Ok = true;
    while (I < Size) {
        const unsigned char Byte = In[I];
        if (Byte < 0x80) {
            *Out++ = static_cast<char>(Byte);
            ++I;
            continue;
        }
        const TCode* Code = I + 1 < Size ? Codes.Double(Byte, In[I + 1]) : nullptr;
        std::size_t Length = 2;
        if (Code == nullptr || Code->Length == 0) {
            Code = &Codes.Single(Byte);
            Length = 1;
        }
        if (Code->Length == 0) {
            ErrorOffset = I;
            Ok = false;
            break;
        }
        std::memcpy(Out, Code->Bytes.data(), Code->Bytes.size());
        Out += Code->Length;
        I += Length;
    }
    Utf8.resize(static_cast<std::size_t>(Out - Utf8.data()));
    return Ok;
}

} // namespace platform
