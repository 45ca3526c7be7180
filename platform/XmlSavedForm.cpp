#include "platform/XmlSavedForm.h"

#include "platform/Gbk.h"

#include <cstring>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view Declaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";
// Well inside the general parser's limits, so that it would accept what is accepted here.
// Texts have no limit of their own: the parser reads texts as long as a whole data file.
constexpr std::size_t MaxDepth = 200;
constexpr std::size_t MaxName = 10000;

bool IsNameStart(unsigned char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}

bool IsNameChar(unsigned char C) {
    return IsNameStart(C) || (C >= '0' && C <= '9') || C == '.' || C == '-';
}

char32_t CodePointOf(std::string_view Utf8) {
    const auto B = [&](std::size_t I) { return static_cast<unsigned char>(Utf8[I]); };
    switch (Utf8.size()) {
    case 1:
        return B(0);
    case 2:
        return (char32_t(B(0) & 0x1F) << 6) | (B(1) & 0x3F);
    case 3:
        return (char32_t(B(0) & 0x0F) << 12) | (char32_t(B(1) & 0x3F) << 6) | (B(2) & 0x3F);
    default:
        return (char32_t(B(0) & 0x07) << 18) | (char32_t(B(1) & 0x3F) << 12) |
               (char32_t(B(2) & 0x3F) << 6) | (B(3) & 0x3F);
    }
}

bool IsXmlChar(char32_t C) {
    return C == 0x9 || C == 0xA || C == 0xD || (C >= 0x20 && C <= 0xD7FF) ||
           (C >= 0xE000 && C <= 0xFFFD) || (C >= 0x10000 && C <= 0x10FFFF);
}

void AppendUtf8(std::string& Out, char32_t C) {
    if (C < 0x80) {
        Out += static_cast<char>(C);
    } else if (C < 0x800) {
        Out += static_cast<char>(0xC0 | (C >> 6));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else if (C < 0x10000) {
        Out += static_cast<char>(0xE0 | (C >> 12));
        Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (C >> 18));
        Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    }
}

// A reference after "&": one of the five named ones or a character reference. Sets its
// length (without the "&") and the character; false for anything else.
bool ParseReference(std::string_view Rest, std::size_t& Length, char32_t& Char) {
    static constexpr std::pair<std::string_view, char> Named[] = {
        {"lt;", '<'}, {"gt;", '>'}, {"amp;", '&'}, {"quot;", '"'}, {"apos;", '\''}};
    for (const auto& [Name, Value] : Named) {
        if (Rest.substr(0, Name.size()) == Name) {
            Length = Name.size();
            Char = static_cast<unsigned char>(Value);
            return true;
        }
    }
    if (Rest.empty() || Rest[0] != '#') {
        return false;
    }
    const bool Hex = Rest.size() > 1 && Rest[1] == 'x';
    std::size_t I = Hex ? 2 : 1;
    const std::size_t First = I;
    char32_t Value = 0;
    for (; I < Rest.size() && I - First < 8; ++I) {
        const char C = Rest[I];
        unsigned Digit = 0;
        if (C >= '0' && C <= '9') {
            Digit = static_cast<unsigned>(C - '0');
        } else if (Hex && C >= 'a' && C <= 'f') {
            Digit = static_cast<unsigned>(C - 'a' + 10);
        } else if (Hex && C >= 'A' && C <= 'F') {
            Digit = static_cast<unsigned>(C - 'A' + 10);
        } else {
            break;
        }
        Value = Value * (Hex ? 16 : 10) + Digit;
    }
    if (I == First || I >= Rest.size() || Rest[I] != ';' || !IsXmlChar(Value)) {
        return false;
    }
    Length = I + 1;
    Char = Value;
    return true;
}

// Walks the document. Without a handler it checks the form; with one (only after the check
// has passed) it hands out the content, decoding only the texts the handler wants.
class TWalker {
public:
    TWalker(std::string_view Bytes, XmlEventHandler* Handler) : FBytes(Bytes), FHandler(Handler) {
        FKnownNames.reserve(16);
    }

    // While checking, also notes where the root's children named Name stand.
    void Locate(std::string_view Name, TSavedFormPlaces& Places) {
        FWanted = Name;
        FPlaces = &Places;
    }

    bool Walk() {
        if (FBytes.substr(0, Declaration.size()) != Declaration) {
            return false;
        }
        FAt = Declaration.size();
        SkipNewLine();
        if (!StartTag()) {
            return false;
        }
        while (!FOpen.empty()) {
            if (FAt >= FBytes.size()) {
                return false;
            }
            if (FBytes[FAt] != '<') {
                if (!Text()) {
                    return false;
                }
            } else if (FAt + 1 < FBytes.size() && FBytes[FAt + 1] == '/') {
                if (!EndTag()) {
                    return false;
                }
            } else if (!StartTag()) {
                return false;
            }
        }
        SkipNewLine();
        return FAt == FBytes.size();
    }

private:
    void SkipNewLine() {
        if (FAt < FBytes.size() && FBytes[FAt] == '\n') {
            ++FAt;
        }
    }

    // A name of ASCII letters, digits, "_", "." and "-", or of Chinese characters only.
    bool Name(std::string_view& Raw) {
        const std::size_t Start = FAt;
        FBuilt.clear();
        if (FAt < FBytes.size() && IsNameStart(static_cast<unsigned char>(FBytes[FAt]))) {
            while (FAt < FBytes.size() && IsNameChar(static_cast<unsigned char>(FBytes[FAt]))) {
                ++FAt;
            }
            FName = FBytes.substr(Start, FAt - Start);
        } else {
            // The same few names come back all the time: each is checked once.
            std::size_t End = FAt;
            while (End < FBytes.size() && static_cast<unsigned char>(FBytes[End]) >= 0x80) {
                ++End;
            }
            const std::string_view Candidate = FBytes.substr(FAt, End - FAt);
            for (const auto& [Known, Utf8] : FKnownNames) {
                if (Known == Candidate) {
                    FName = Utf8;
                    FAt = End;
                    Raw = Candidate;
                    return true;
                }
            }
            while (FAt < FBytes.size() && static_cast<unsigned char>(FBytes[FAt]) >= 0x80) {
                const TGbkChar Char = GbkCharAt(FBytes.substr(FAt));
                if (Char.Length != 2) {
                    return false;
                }
                const char32_t Code = CodePointOf(Char.Utf8);
                if (Code < 0x4E00 || Code > 0x9FA5) {
                    return false;
                }
                FBuilt += Char.Utf8;
                FAt += 2;
            }
        }
        Raw = FBytes.substr(Start, FAt - Start);
        if (Raw.empty() || Raw.size() > MaxName) {
            return false;
        }
        if (static_cast<unsigned char>(Raw[0]) >= 0x80) {
            FName = FBuilt;
            if (FKnownNames.size() < FKnownNames.capacity()) {
                FKnownNames.emplace_back(Raw, FBuilt);
                FName = FKnownNames.back().second;
            }
        }
        return true;
    }

    bool StartTag() {
        if (FAt >= FBytes.size() || FBytes[FAt] != '<') {
            return false;
        }
        const std::size_t TagStart = FAt++;
        std::string_view Raw;
        if (!Name(Raw) || FOpen.size() >= MaxDepth) {
            return false;
        }
        const bool Empty = FBytes.substr(FAt, 2) == "/>";
        if (!Empty && FBytes.substr(FAt, 1) != ">") {
            return false;
        }
        FAt += Empty ? 2 : 1;
        if (FPlaces != nullptr && FOpen.size() == 1 && FName == FWanted) {
            FWantedStart = TagStart;
            if (Empty) {
                FPlaces->Elements.emplace_back(TagStart, FAt);
            } else {
                FInWanted = true;
            }
        }
        if (FHandler != nullptr) {
            FHandler->StartElement(static_cast<int>(FOpen.size()), FName);
            if (Empty) {
                FHandler->EndElement(static_cast<int>(FOpen.size()));
            }
        }
        if (!Empty) {
            FOpen.push_back(Raw);
        }
        return true;
    }

    bool EndTag() {
        const std::size_t TagStart = FAt;
        FAt += 2;
        std::string_view Raw;
        if (!Name(Raw) || Raw != FOpen.back() || FBytes.substr(FAt, 1) != ">") {
            return false;
        }
        ++FAt;
        FOpen.pop_back();
        if (FPlaces != nullptr && FOpen.size() == 1 && FInWanted) {
            FPlaces->Elements.emplace_back(FWantedStart, FAt);
            FInWanted = false;
        } else if (FPlaces != nullptr && FOpen.empty()) {
            FPlaces->RootEnd = TagStart;
        }
        if (FHandler != nullptr) {
            FHandler->EndElement(static_cast<int>(FOpen.size()));
        }
        return true;
    }

    bool Text() {
        const void* Next = std::memchr(FBytes.data() + FAt, '<', FBytes.size() - FAt);
        if (Next == nullptr) {
            return false;
        }
        const std::size_t End =
            static_cast<std::size_t>(static_cast<const char*>(Next) - FBytes.data());
        const std::string_view Run = FBytes.substr(FAt, End - FAt);
        FAt = End;
        if (FHandler == nullptr) {
            return Check(Run);
        }
        if (FHandler->WantsText()) {
            FHandler->TakeCharacters(static_cast<int>(FOpen.size()), Decode(Run));
        }
        return true;
    }

    static bool Check(std::string_view Run) {
        for (std::size_t I = 0; I < Run.size();) {
            const auto C = static_cast<unsigned char>(Run[I]);
            if (C >= 0x80) {
                const std::size_t Length = GbkRunLength(Run.substr(I));
                if (Length == 0) {
                    return false;
                }
                I += Length;
            } else if (C == '&') {
                std::size_t Length = 0;
                char32_t Value = 0;
                if (!ParseReference(Run.substr(I + 1), Length, Value)) {
                    return false;
                }
                I += 1 + Length;
            } else if ((C < 0x20 && C != '\t' && C != '\n' && C != '\r') ||
                       (C == ']' && Run.substr(I, 3) == "]]>")) {
                return false;
            } else {
                ++I;
            }
        }
        return true;
    }

    // The text as a parser delivers it: references replaced, line ends made "\n".
    std::string Decode(std::string_view Run) {
        // Two GBK bytes give at most three of UTF-8, and GbkToUtf8 wants four spare bytes.
        std::string Out;
        Out.reserve(Run.size() + Run.size() / 2 + 4);
        for (std::size_t I = 0; I < Run.size();) {
            const auto C = static_cast<unsigned char>(Run[I]);
            if (C >= 0x80) {
                const std::size_t Length = GbkRunLength(Run.substr(I));
                std::size_t Unused = 0;
                GbkToUtf8(Run.substr(I, Length), Out, Unused);
                I += Length;
            } else if (C == '&') {
                std::size_t Length = 0;
                char32_t Value = 0;
                ParseReference(Run.substr(I + 1), Length, Value);
                AppendUtf8(Out, Value);
                I += 1 + Length;
            } else if (C == '\r') {
                Out += '\n';
                I += I + 1 < Run.size() && Run[I + 1] == '\n' ? 2 : 1;
            } else {
                Out += static_cast<char>(C);
                ++I;
            }
        }
        return Out;
    }

    std::string_view FBytes;
    XmlEventHandler* FHandler;
    std::string_view FWanted;
    TSavedFormPlaces* FPlaces = nullptr;
    std::size_t FWantedStart = 0;
    bool FInWanted = false;
    std::size_t FAt = 0;
    std::vector<std::string_view> FOpen;
    std::string_view FName; // the last name read, in UTF-8
    std::string FBuilt;
    // Names of Chinese characters already checked; never grows past its first capacity, so
    // views of its texts stay valid.
    std::vector<std::pair<std::string_view, std::string>> FKnownNames;
};

} // namespace

bool IsSavedForm(std::string_view Bytes) {
    return TWalker(Bytes, nullptr).Walk();
}

std::optional<TSavedFormPlaces> LocateInSavedForm(std::string_view Bytes, std::string_view Name) {
    TSavedFormPlaces Places;
    TWalker Walker(Bytes, nullptr);
    Walker.Locate(Name, Places);
    if (!Walker.Walk() || Places.RootEnd == 0) {
        return std::nullopt;
    }
    return Places;
}

void ReadSavedForm(std::string_view Bytes, XmlEventHandler& Handler) {
    TWalker(Bytes, &Handler).Walk();
}

} // namespace platform
