#pragma once

// A fresh temporary folder for each test, removed after it, with helpers for the bytes of the
// files in it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string Template =
            (std::filesystem::temp_directory_path() / "ruxa-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(Template.data()), nullptr);
        Folder = Template;
    }

    void TearDown() override { std::filesystem::remove_all(Folder); }

    std::string PathOf(const std::string& Name) const { return (Folder / Name).string(); }

    static void WriteBytes(const std::string& Path, const std::string& Bytes) {
        std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
        Out << Bytes;
    }

    static std::string ReadBytes(const std::string& Path) {
        std::ifstream In(Path, std::ios::binary);
        std::ostringstream Bytes;
        Bytes << In.rdbuf();
        return Bytes.str();
    }

    // The files in Place that a save writes before renaming them over their target.
    static std::vector<std::string> TemporaryFilesIn(const std::filesystem::path& Place) {
        std::vector<std::string> Names;
        for (const auto& Entry : std::filesystem::directory_iterator(Place)) {
            const std::string Name = Entry.path().filename().string();
            if (Name.find(".tmp-") != std::string::npos) {
                Names.push_back(Name);
            }
        }
        return Names;
    }

    std::filesystem::path Folder;
};
