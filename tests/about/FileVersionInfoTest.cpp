#include "platform/FileVersionInfo.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using platform::ReadFileVersionInfo;

const std::string FixtureFolder = RUXA_ABOUT_FIXTURES;

QByteArray FileBytes(const std::string& FileName) {
    QFile File(QString::fromStdString(FileName));
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

std::string WriteFile(const QTemporaryDir& Folder, const char* Name, const QByteArray& Bytes) {
    const QString Path = Folder.filePath(QString::fromLatin1(Name));
    QFile File(Path);
    EXPECT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Bytes);
    return Path.toStdString();
}

std::uint64_t Little(const QByteArray& Bytes, qsizetype At, int Width) {
    std::uint64_t Value = 0;
    for (int Index = Width - 1; Index >= 0; --Index) {
        Value = (Value << 8) | static_cast<unsigned char>(Bytes[At + Index]);
    }
    return Value;
}

void SetLittle(QByteArray& Bytes, qsizetype At, int Width, std::uint64_t Value) {
    for (int Index = 0; Index < Width; ++Index) {
        Bytes[At + Index] = static_cast<char>(Value >> (8 * Index));
    }
}

TEST(FileVersionInfo, ReadsTheSectionFromEveryElfClassAndByteOrder) {
    for (const char* Flavour : {"elf64-x86-64", "elf32-i386", "elf64-big", "elf32-big"}) {
        const std::optional<platform::VersionBlock> Block =
            ReadFileVersionInfo(FixtureFolder + "/other-table-" + Flavour + ".o");
        ASSERT_TRUE(Block) << Flavour;
        ASSERT_EQ(Block->Translations.size(), 2u) << Flavour;
        EXPECT_EQ(Block->Translations[0].Language, 0x0409) << Flavour;
        EXPECT_EQ(platform::QueryVersionString(*Block, "040904B0", "ProductName"), "Fixture")
            << Flavour;
    }
}

TEST(FileVersionInfo, FilesWithoutVersionInformationGiveNothing) {
    QTemporaryDir Folder;
    const std::string Cases[] = {
        Folder.filePath("missing").toStdString(),
        Folder.path().toStdString(),
        WriteFile(Folder, "empty", {}),
        WriteFile(Folder, "text",
                  "\x7F"
                  "ELF is not enough to be a program file\n"),
        RUXA_PLAIN_PROGRAM_FILE,
    };
    for (const std::string& FileName : Cases) {
        EXPECT_FALSE(ReadFileVersionInfo(FileName)) << FileName;
    }
}

// Damage done to a good 64-bit little-endian file: each must read as "no version
// information", never as a crash or as stray bytes.
TEST(FileVersionInfo, DamagedFilesGiveNothing) {
    const QByteArray Good = FileBytes(FixtureFolder + "/other-table-elf64-x86-64.o");
    ASSERT_FALSE(Good.isEmpty());
    ASSERT_TRUE(ReadFileVersionInfo(FixtureFolder + "/other-table-elf64-x86-64.o"));
    const qsizetype BlockAt = Good.indexOf("RXVI");
    ASSERT_GT(BlockAt, 0);
    const qsizetype TableAt = static_cast<qsizetype>(Little(Good, 0x28, 8));
    const int EntrySize = static_cast<int>(Little(Good, 0x3A, 2));
    const int Count = static_cast<int>(Little(Good, 0x3C, 2));
    qsizetype SectionEntry = -1;
    for (int Index = 0; Index < Count; ++Index) {
        if (Little(Good, TableAt + Index * EntrySize + 24, 8) == std::uint64_t(BlockAt)) {
            SectionEntry = TableAt + Index * EntrySize;
        }
    }
    ASSERT_GE(SectionEntry, 0);

    struct Damage {
        const char* What;
        std::function<void(QByteArray&)> Apply;
    };
    const auto Truncate = [](qsizetype Length) {
        return [Length](QByteArray& Bytes) { Bytes.truncate(Length); };
    };
    const auto Field = [](qsizetype At, int Width, std::uint64_t Value) {
        return [=](QByteArray& Bytes) { SetLittle(Bytes, At, Width, Value); };
    };
    const Damage Cases[] = {
        {"cut inside the identification", Truncate(10)},
        {"cut inside the file header", Truncate(40)},
        {"cut inside the block", Truncate(BlockAt + 20)},
        {"cut inside the section table", Truncate(TableAt + EntrySize + 3)},
        {"section table beyond the end", Field(0x28, 8, 0xFFFFFFFFFFFFFF00)},
        {"section table overflowing", Field(0x28, 8, 0xFFFFFFFFFFFFFFFF)},
        {"section entries too small", Field(0x3A, 2, 8)},
        {"name table index out of range", Field(0x3E, 2, 0xFFF0)},
        {"section count far too large", Field(0x3C, 2, 0xFFFE)},
        {"section size beyond the end", Field(SectionEntry + 32, 8, 0x7FFFFFFFFFFFFFFF)},
        {"section offset overflowing", Field(SectionEntry + 24, 8, 0xFFFFFFFFFFFFFFF0)},
        {"section without contents", Field(SectionEntry + 4, 4, 8)},
        {"section name beyond the name table", Field(SectionEntry, 4, 0x7FFFFFFF)},
        {"unknown class", Field(4, 1, 3)},
        {"unknown byte order", Field(5, 1, 0)},
        {"block with a false signature", Field(BlockAt, 1, 'r')},
        {"block claiming more translations than it holds", Field(BlockAt + 6, 2, 0xFFFF)},
    };
    QTemporaryDir Folder;
    for (const Damage& Case : Cases) {
        QByteArray Bytes = Good;
        Case.Apply(Bytes);
        EXPECT_FALSE(ReadFileVersionInfo(WriteFile(Folder, "damaged.o", Bytes))) << Case.What;
    }
}

} // namespace
