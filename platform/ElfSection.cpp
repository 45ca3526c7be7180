#include "platform/ElfSection.h"

#include <cstdint>
#include <fstream>

namespace platform {
namespace {

constexpr std::size_t IdentSize = 16;
constexpr unsigned char Class32 = 1;
constexpr unsigned char Class64 = 2;
constexpr unsigned char LittleEndian = 1;
constexpr unsigned char BigEndian = 2;
constexpr std::uint32_t SectionTypeNoBits = 8;
constexpr std::uint32_t ExtendedIndex = 0xFFFF;
// Section-name tables are small; anything larger is not a file we want to trust.
constexpr std::uint64_t MaxNameTableSize = 1 << 20;
constexpr std::uint64_t MaxSectionCount = 1 << 20;

// Where the fields sit in the file header and in a section header, per file class.
struct Layout {
    std::size_t HeaderSize;
    std::size_t SectionTableOffset;
    std::size_t EntrySizeOffset;
    std::size_t WordSize;
    std::size_t SectionHeaderSize;
    std::size_t TypeOffset;
    std::size_t OffsetOffset;
    std::size_t SizeOffset;
    std::size_t LinkOffset;
};

constexpr Layout Elf32{52, 0x20, 0x2E, 4, 40, 4, 16, 20, 24};
constexpr Layout Elf64{64, 0x28, 0x3A, 8, 64, 4, 24, 32, 40};

struct Section {
    std::uint32_t Name = 0;
    std::uint32_t Type = 0;
    std::uint64_t Offset = 0;
    std::uint64_t Size = 0;
    std::uint32_t Link = 0;
};

class ElfFile {
public:
    explicit ElfFile(const std::string& FileName) : FStream(FileName, std::ios::binary) {
        if (FStream) {
            FStream.seekg(0, std::ios::end);
            const std::streamoff End = FStream.tellg();
            FFileSize = End > 0 ? static_cast<std::uint64_t>(End) : 0;
        }
    }

    bool Read(std::uint64_t Offset, std::uint64_t Size, std::vector<unsigned char>& Bytes) {
        if (Offset > FFileSize || Size > FFileSize - Offset) {
            return false;
        }
        Bytes.assign(Size, 0);
        FStream.clear();
        FStream.seekg(static_cast<std::streamoff>(Offset));
        FStream.read(reinterpret_cast<char*>(Bytes.data()), static_cast<std::streamsize>(Size));
        return static_cast<std::uint64_t>(FStream.gcount()) == Size;
    }

    std::uint64_t Word(const std::vector<unsigned char>& Bytes, std::size_t At,
                       std::size_t Width) const {
        std::uint64_t Value = 0;
        for (std::size_t Index = 0; Index < Width; ++Index) {
            const std::size_t Byte = FBigEndian ? At + Index : At + Width - 1 - Index;
            Value = (Value << 8) | Bytes[Byte];
        }
        return Value;
    }

    bool FBigEndian = false;

private:
    std::ifstream FStream;
    std::uint64_t FFileSize = 0;
};

Section SectionAt(const ElfFile& File, const Layout& Shape, const std::vector<unsigned char>& Table,
                  std::size_t Index, std::size_t EntrySize) {
    const std::size_t At = Index * EntrySize;
    return Section{static_cast<std::uint32_t>(File.Word(Table, At, 4)),
                   static_cast<std::uint32_t>(File.Word(Table, At + Shape.TypeOffset, 4)),
                   File.Word(Table, At + Shape.OffsetOffset, Shape.WordSize),
                   File.Word(Table, At + Shape.SizeOffset, Shape.WordSize),
                   static_cast<std::uint32_t>(File.Word(Table, At + Shape.LinkOffset, 4))};
}

std::string_view NameAt(const std::vector<unsigned char>& Names, std::uint32_t Offset) {
    if (Offset >= Names.size()) {
        return {};
    }
    const char* Start = reinterpret_cast<const char*>(Names.data()) + Offset;
    std::size_t Length = 0;
    while (Offset + Length < Names.size() && Start[Length] != '\0') {
        ++Length;
    }
    // A name that runs off the table's end is damaged, not a match.
    return Offset + Length < Names.size() ? std::string_view(Start, Length) : std::string_view();
}

} // namespace

std::optional<std::vector<unsigned char>>
ReadElfSection(const std::string& FileName, std::string_view SectionName, std::size_t MaxSize) {
    if (SectionName.empty()) {
        return std::nullopt;
    }
    ElfFile File(FileName);
    std::vector<unsigned char> Header;
    if (!File.Read(0, IdentSize, Header) || Header[0] != 0x7F || Header[1] != 'E' ||
        Header[2] != 'L' || Header[3] != 'F') {
        return std::nullopt;
    }
    if (Header[5] != LittleEndian && Header[5] != BigEndian) {
        return std::nullopt;
    }
    File.FBigEndian = Header[5] == BigEndian;
    if (Header[4] != Class32 && Header[4] != Class64) {
        return std::nullopt;
    }
    const Layout& Shape = Header[4] == Class64 ? Elf64 : Elf32;
    if (!File.Read(0, Shape.HeaderSize, Header)) {
        return std::nullopt;
    }
    const std::uint64_t TableOffset = File.Word(Header, Shape.SectionTableOffset, Shape.WordSize);
    const std::size_t EntrySize = File.Word(Header, Shape.EntrySizeOffset, 2);
    std::uint64_t Count = File.Word(Header, Shape.EntrySizeOffset + 2, 2);
    std::uint64_t NamesIndex = File.Word(Header, Shape.EntrySizeOffset + 4, 2);
    if (TableOffset == 0 || EntrySize < Shape.SectionHeaderSize) {
        return std::nullopt;
    }

    // With very many sections the real count and name-table index live in section 0.
    std::vector<unsigned char> Table;
    if (Count == 0 || NamesIndex == ExtendedIndex) {
        if (!File.Read(TableOffset, EntrySize, Table)) {
            return std::nullopt;
        }
        const Section First = SectionAt(File, Shape, Table, 0, EntrySize);
        Count = Count == 0 ? First.Size : Count;
        NamesIndex = NamesIndex == ExtendedIndex ? First.Link : NamesIndex;
    }
    if (Count > MaxSectionCount || NamesIndex >= Count ||
        !File.Read(TableOffset, Count * EntrySize, Table)) {
        return std::nullopt;
    }

    const Section NameTable = SectionAt(File, Shape, Table, NamesIndex, EntrySize);
    std::vector<unsigned char> Names;
    if (NameTable.Type == SectionTypeNoBits || NameTable.Size > MaxNameTableSize ||
        !File.Read(NameTable.Offset, NameTable.Size, Names)) {
        return std::nullopt;
    }
    for (std::size_t Index = 0; Index < Count; ++Index) {
        const Section Candidate = SectionAt(File, Shape, Table, Index, EntrySize);
        if (NameAt(Names, Candidate.Name) != SectionName) {
            continue;
        }
        std::vector<unsigned char> Contents;
        if (Candidate.Type == SectionTypeNoBits || Candidate.Size > MaxSize ||
            !File.Read(Candidate.Offset, Candidate.Size, Contents)) {
            return std::nullopt;
        }
        return Contents;
    }
    return std::nullopt;
}

} // namespace platform
