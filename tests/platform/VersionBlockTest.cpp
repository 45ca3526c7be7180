#include "platform/VersionBlock.h"

#include <gtest/gtest.h>

namespace {

using platform::DecodeVersionBlock;
using platform::EncodeVersionBlock;
using platform::QueryVersionString;
using platform::VersionBlock;

VersionBlock SampleBlock() {
    return VersionBlock{{{0x0804, 0x03A8}, {0x0409, 0x04B0}},
                        {{"080403A8", {{"ProductName", "万年历"}, {"LegalCopyright", ""}}},
                         {"040904B0", {{"ProductName", "Calendar"}}}}};
}

TEST(VersionBlock, SurvivesEncodingAndDecoding) {
    const std::optional<VersionBlock> Decoded =
        DecodeVersionBlock(EncodeVersionBlock(SampleBlock()));
    ASSERT_TRUE(Decoded);
    ASSERT_EQ(Decoded->Translations.size(), 2u);
    EXPECT_EQ(Decoded->Translations[0].Language, 0x0804);
    EXPECT_EQ(Decoded->Translations[0].CodePage, 0x03A8);
    EXPECT_EQ(Decoded->Translations[1].Language, 0x0409);
    EXPECT_EQ(QueryVersionString(*Decoded, "080403A8", "ProductName"), "万年历");
    EXPECT_EQ(QueryVersionString(*Decoded, "040904B0", "ProductName"), "Calendar");
    EXPECT_EQ(QueryVersionString(*Decoded, "080403A8", "LegalCopyright"), "");
}

TEST(VersionBlock, QueriesIgnoreLetterCaseButNotSpelling) {
    const VersionBlock Block = SampleBlock();
    EXPECT_EQ(QueryVersionString(Block, "080403a8", "PRODUCTNAME"), "万年历");
    EXPECT_EQ(QueryVersionString(Block, "080403A8", "legalcopyright"), "");
    EXPECT_EQ(QueryVersionString(Block, "080403A8", "ProductNam"), std::nullopt);
    EXPECT_EQ(QueryVersionString(Block, "080403A8", "CompanyName"), std::nullopt);
    EXPECT_EQ(QueryVersionString(Block, "08040000", "ProductName"), std::nullopt);
}

TEST(VersionBlock, EveryTruncationIsRejected) {
    const std::vector<unsigned char> Bytes = EncodeVersionBlock(SampleBlock());
    for (std::size_t Length = 0; Length < Bytes.size(); ++Length) {
        EXPECT_FALSE(DecodeVersionBlock(std::span(Bytes.data(), Length))) << "length " << Length;
    }
}

TEST(VersionBlock, DamagedBytesAreRejected) {
    const std::vector<unsigned char> Good = EncodeVersionBlock(SampleBlock());
    struct Damage {
        const char* What;
        std::size_t At;
        unsigned char Value;
    };
    // Offsets: magic 0..3, format 4..5, translation count 6..7, first language 8..9,
    // table count 16..17, first key length 18..19.
    const Damage Cases[] = {
        {"magic", 0, 'X'},
        {"format", 4, 2},
        {"translation count beyond the end", 7, 0xFF},
        {"table count beyond the end", 17, 0xFF},
        {"key length beyond the end", 19, 0xFF},
    };
    for (const Damage& Case : Cases) {
        std::vector<unsigned char> Bytes = Good;
        Bytes[Case.At] = Case.Value;
        EXPECT_FALSE(DecodeVersionBlock(Bytes)) << Case.What;
    }
    std::vector<unsigned char> Longer = Good;
    Longer.push_back(0);
    EXPECT_FALSE(DecodeVersionBlock(Longer)) << "trailing byte";
}

TEST(VersionBlock, RefusesToEncodeWhatDoesNotFit) {
    VersionBlock Huge;
    Huge.Tables.push_back(
        {"080403A8", {{"Comments", std::string(platform::MaxVersionBlockSize, 'x')}}});
    EXPECT_TRUE(EncodeVersionBlock(Huge).empty());

    VersionBlock LongName;
    LongName.Tables.push_back({"080403A8", {{std::string(70000, 'n'), "value"}}});
    EXPECT_TRUE(EncodeVersionBlock(LongName).empty());
}

} // namespace
