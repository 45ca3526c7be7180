#include "platform/VersionBlock.h"

#include <algorithm>
#include <limits>

namespace platform {
namespace {

constexpr std::string_view Magic = "RXVI";
constexpr std::uint16_t FormatVersion = 1;

class Writer {
public:
    void U16(std::size_t Value) { Unsigned(Value, 2); }
    void U32(std::size_t Value) { Unsigned(Value, 4); }
    void Text(std::string_view Value) { Bytes.insert(Bytes.end(), Value.begin(), Value.end()); }

    std::vector<unsigned char> Bytes;

private:
    void Unsigned(std::size_t Value, int Width) {
        for (int Index = 0; Index < Width; ++Index) {
            Bytes.push_back(static_cast<unsigned char>(Value >> (8 * Index)));
        }
    }
};

class Reader {
public:
    explicit Reader(std::span<const unsigned char> Bytes) : FBytes(Bytes) {}

    bool U16(std::uint32_t& Value) { return Unsigned(Value, 2); }
    bool U32(std::uint32_t& Value) { return Unsigned(Value, 4); }

    bool Text(std::uint32_t Length, std::string& Value) {
        if (Length > FBytes.size() - FPosition) {
            return false;
        }
        Value.assign(reinterpret_cast<const char*>(FBytes.data() + FPosition), Length);
        FPosition += Length;
        return true;
    }

    bool AtEnd() const { return FPosition == FBytes.size(); }

private:
    bool Unsigned(std::uint32_t& Value, std::size_t Width) {
        if (Width > FBytes.size() - FPosition) {
            return false;
        }
        Value = 0;
        for (std::size_t Index = 0; Index < Width; ++Index) {
            Value |= static_cast<std::uint32_t>(FBytes[FPosition + Index]) << (8 * Index);
        }
        FPosition += Width;
        return true;
    }

    std::span<const unsigned char> FBytes;
    std::size_t FPosition = 0;
};

bool SameLetters(std::string_view Left, std::string_view Right) {
    const auto Lower = [](char C) { return (C >= 'A' && C <= 'Z') ? char(C - 'A' + 'a') : C; };
    return std::ranges::equal(Left, Right, {}, Lower, Lower);
}

constexpr std::size_t U16Max = std::numeric_limits<std::uint16_t>::max();

bool Fits(const VersionBlock& Block) {
    if (Block.Translations.size() > U16Max || Block.Tables.size() > U16Max) {
        return false;
    }
    return std::ranges::all_of(Block.Tables, [](const VersionStringTable& Table) {
        return Table.Key.size() <= U16Max && Table.Strings.size() <= U16Max &&
               std::ranges::all_of(Table.Strings, [](const auto& String) {
                   return String.first.size() <= U16Max &&
                          String.second.size() <= MaxVersionBlockSize;
               });
    });
}

std::optional<VersionStringTable> DecodeTable(Reader& In) {
    VersionStringTable Table;
    std::uint32_t KeyLength = 0;
    std::uint32_t Count = 0;
    if (!In.U16(KeyLength) || !In.Text(KeyLength, Table.Key) || !In.U16(Count)) {
        return std::nullopt;
    }
    for (std::uint32_t Index = 0; Index < Count; ++Index) {
        std::uint32_t NameLength = 0;
        std::uint32_t ValueLength = 0;
        std::string Name;
        std::string Value;
        if (!In.U16(NameLength) || !In.Text(NameLength, Name) || !In.U32(ValueLength) ||
            !In.Text(ValueLength, Value)) {
            return std::nullopt;
        }
        Table.Strings.emplace_back(std::move(Name), std::move(Value));
    }
    return Table;
}

} // namespace

std::vector<unsigned char> EncodeVersionBlock(const VersionBlock& Block) {
    if (!Fits(Block)) {
        return {};
    }
    Writer Out;
    Out.Text(Magic);
    Out.U16(FormatVersion);
    Out.U16(Block.Translations.size());
    for (const VersionTranslation& Translation : Block.Translations) {
        Out.U16(Translation.Language);
        Out.U16(Translation.CodePage);
    }
    Out.U16(Block.Tables.size());
    for (const VersionStringTable& Table : Block.Tables) {
        Out.U16(Table.Key.size());
        Out.Text(Table.Key);
        Out.U16(Table.Strings.size());
        for (const auto& [Name, Value] : Table.Strings) {
            Out.U16(Name.size());
            Out.Text(Name);
            Out.U32(Value.size());
            Out.Text(Value);
        }
    }
    if (Out.Bytes.size() > MaxVersionBlockSize) {
        return {};
    }
    return std::move(Out.Bytes);
}

std::optional<VersionBlock> DecodeVersionBlock(std::span<const unsigned char> Bytes) {
    if (Bytes.size() > MaxVersionBlockSize) {
        return std::nullopt;
    }
    Reader In(Bytes);
    std::string Signature;
    std::uint32_t Format = 0;
    std::uint32_t Count = 0;
    if (!In.Text(Magic.size(), Signature) || Signature != Magic || !In.U16(Format) ||
        Format != FormatVersion || !In.U16(Count)) {
        return std::nullopt;
    }
    VersionBlock Block;
    for (std::uint32_t Index = 0; Index < Count; ++Index) {
        std::uint32_t Language = 0;
        std::uint32_t CodePage = 0;
        if (!In.U16(Language) || !In.U16(CodePage)) {
            return std::nullopt;
        }
        Block.Translations.push_back(
            {static_cast<std::uint16_t>(Language), static_cast<std::uint16_t>(CodePage)});
    }
    if (!In.U16(Count)) {
        return std::nullopt;
    }
    for (std::uint32_t Index = 0; Index < Count; ++Index) {
        std::optional<VersionStringTable> Table = DecodeTable(In);
        if (!Table) {
            return std::nullopt;
        }
        Block.Tables.push_back(std::move(*Table));
    }
    if (!In.AtEnd()) {
        return std::nullopt;
    }
    return Block;
}

std::optional<std::string> QueryVersionString(const VersionBlock& Block, std::string_view Key,
                                              std::string_view Name) {
    for (const VersionStringTable& Table : Block.Tables) {
        if (!SameLetters(Table.Key, Key)) {
            continue;
        }
        for (const auto& [StringName, Value] : Table.Strings) {
            if (SameLetters(StringName, Name)) {
                return Value;
            }
        }
    }
    return std::nullopt;
}

} // namespace platform
