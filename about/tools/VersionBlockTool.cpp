// Writes a version-information block for the build: either as a C++ source that places the
// block in the executable's version section, or as the raw bytes (for test files).
//
//   ruxa_version_block --source|--binary OUTPUT TRANSLATIONS [@KEY NAME=VALUE...]...
//
// TRANSLATIONS is a comma-separated list of LANGUAGE:CODEPAGE in hexadecimal ("0804:03A8"),
// or "-" for none. Each @KEY starts a string table; the NAME=VALUE pairs that follow go in it.

#include "platform/FileVersionInfo.h"
#include "platform/VersionBlock.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::optional<std::vector<platform::VersionTranslation>> ParseTranslations(std::string Text) {
    std::vector<platform::VersionTranslation> Translations;
    if (Text == "-") {
        return Translations;
    }
    std::istringstream Items(Text);
    std::string Item;
    while (std::getline(Items, Item, ',')) {
        unsigned Language = 0;
        unsigned CodePage = 0;
        char Separator = 0;
        std::istringstream Pair(Item);
        if (!(Pair >> std::hex >> Language >> Separator >> CodePage) || Separator != ':' ||
            Language > 0xFFFF || CodePage > 0xFFFF) {
            return std::nullopt;
        }
        Translations.push_back(
            {static_cast<std::uint16_t>(Language), static_cast<std::uint16_t>(CodePage)});
    }
    return Translations;
}

std::string SourceText(const std::vector<unsigned char>& Bytes) {
    std::ostringstream Out;
    Out << "// Written by the build: the program's version information.\n\n"
        << "[[gnu::used, gnu::section(\"" << platform::VersionSectionName
        << "\")]] extern const unsigned char RuxaVersionInformation[" << Bytes.size() << "] = {";
    for (std::size_t Index = 0; Index < Bytes.size(); ++Index) {
        Out << (Index % 16 == 0 ? "\n    " : " ") << static_cast<unsigned>(Bytes[Index]) << ',';
    }
    Out << "\n};\n";
    return Out.str();
}

int Usage() {
    std::cerr << "usage: ruxa_version_block --source|--binary OUTPUT TRANSLATIONS "
                 "[@KEY NAME=VALUE...]...\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        return Usage();
    }
    const std::string_view Mode = argv[1];
    if (Mode != "--source" && Mode != "--binary") {
        return Usage();
    }
    platform::VersionBlock Block;
    std::optional<std::vector<platform::VersionTranslation>> Translations =
        ParseTranslations(argv[3]);
    if (!Translations) {
        return Usage();
    }
    Block.Translations = std::move(*Translations);
    for (int Index = 4; Index < argc; ++Index) {
        const std::string_view Argument = argv[Index];
        if (Argument.starts_with('@')) {
            Block.Tables.push_back({std::string(Argument.substr(1)), {}});
            continue;
        }
        const std::size_t Equals = Argument.find('=');
        if (Block.Tables.empty() || Equals == std::string_view::npos) {
            return Usage();
        }
        Block.Tables.back().Strings.emplace_back(Argument.substr(0, Equals),
                                                 Argument.substr(Equals + 1));
    }
    const std::vector<unsigned char> Bytes = platform::EncodeVersionBlock(Block);
    if (Bytes.empty()) {
        std::cerr << "ruxa_version_block: the version information is too large\n";
        return 1;
    }
    std::ofstream Out(argv[2], std::ios::binary | std::ios::trunc);
    if (Mode == "--source") {
        Out << SourceText(Bytes);
    } else {
        Out.write(reinterpret_cast<const char*>(Bytes.data()),
                  static_cast<std::streamsize>(Bytes.size()));
    }
    Out.close();
    if (!Out) {
        std::cerr << "ruxa_version_block: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
