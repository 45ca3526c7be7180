#include "about/ExeInfo.h"
#include "about/BuildConstants.h"
#include "about/OSName.h"
#include "platform/SystemInfo.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString FixtureFolder = QStringLiteral(RUXA_ABOUT_FIXTURES);

struct Expected {
    const char* Property;
    std::function<QString(const TExeInfo&)> Read;
    QString Value;
};

void ExpectStrings(const TExeInfo& Info, const std::vector<Expected>& Cases) {
    for (const Expected& Case : Cases) {
        EXPECT_EQ(Case.Read(Info), Case.Value) << Case.Property;
    }
}

std::vector<Expected> AllStrings(const QString& CompanyName, const QString& FileDescription,
                                 const QString& FileVersion, const QString& InternalName,
                                 const QString& LegalCopyright, const QString& LegalTradeMark,
                                 const QString& OriginalFileName, const QString& ProductName,
                                 const QString& ProductVersion, const QString& Comments) {
    return {
        {"CompanyName", &TExeInfo::CompanyName, CompanyName},
        {"FileDescription", &TExeInfo::FileDescription, FileDescription},
        {"FileVersion", &TExeInfo::FileVersion, FileVersion},
        {"InternalName", &TExeInfo::InternalName, InternalName},
        {"LegalCopyright", &TExeInfo::LegalCopyright, LegalCopyright},
        {"LegalTradeMark", &TExeInfo::LegalTradeMark, LegalTradeMark},
        {"OriginalFileName", &TExeInfo::OriginalFileName, OriginalFileName},
        {"ProductName", &TExeInfo::ProductName, ProductName},
        {"ProductVersion", &TExeInfo::ProductVersion, ProductVersion},
        {"Comments", &TExeInfo::Comments, Comments},
    };
}

std::vector<Expected> OwnStrings() {
    const QString Name = QString::fromUtf8(BuildConstants::ProductName);
    return AllStrings(QString::fromUtf8(BuildConstants::MakerName), Name, "1.0.0.2", Name, "", "",
                      "", Name, "1.0.0.2", QString::fromUtf8(BuildConstants::WebAddress));
}

TEST(ExeInfo, ReadsTheProgramsOwnVersionInformation) {
    EXPECT_EQ(QString::fromUtf8(BuildConstants::ProductVersion), "1.0.0.2");
    TExeInfo Running(nullptr);
    ExpectStrings(Running, OwnStrings());

    // Away from the running program's strings first, so the calendar's file must be read.
    TExeInfo Calendar(nullptr);
    Calendar.ReadVersionInfo(FixtureFolder + "/no-translation.o");
    Calendar.ReadVersionInfo(QStringLiteral(RUXA_PROGRAM_FILE));
    ExpectStrings(Calendar, OwnStrings());
}

// The first translation names the table; strings it lacks become empty and names match
// in any letter case ("LegalTradeMarks" finds "legaltrademarks").
TEST(ExeInfo, TakesTheFirstTranslationsTableAndEmptiesMissingStrings) {
    TExeInfo Info(nullptr);
    Info.ReadVersionInfo(FixtureFolder + "/other-table-elf64-x86-64.o");
    ExpectStrings(Info, AllStrings("", "", "", "", "", "Mark", "fixture.o", "Fixture", "", ""));
}

TEST(ExeInfo, VersionInformationWithoutTranslationEmptiesEveryString) {
    TExeInfo Info(nullptr);
    Info.ReadVersionInfo(FixtureFolder + "/no-translation.o");
    ExpectStrings(Info, AllStrings("", "", "", "", "", "", "", "", "", ""));
}

TEST(ExeInfo, FileWithoutVersionInformationKeepsTheStrings) {
    TExeInfo Info(nullptr);
    Info.ReadVersionInfo(FixtureFolder + "/other-table-elf64-x86-64.o");
    for (const QString& FileName :
         {QStringLiteral(RUXA_PLAIN_PROGRAM_FILE), FixtureFolder + "/missing-file"}) {
        Info.ReadVersionInfo(FileName);
        ExpectStrings(Info, AllStrings("", "", "", "", "", "Mark", "fixture.o", "Fixture", "", ""));
    }
}

class TPackedVersion : public TExeInfo {
public:
    TPackedVersion() : TExeInfo(nullptr) {}
    std::uint32_t VersionNumber() const override { return 0x0A0B0CFF; }
};

TEST(ExeInfo, VersionSpellsThePackedNumberMostSignificantByteFirst) {
    EXPECT_EQ(TExeInfo(nullptr).Version(), "1.2.4.0");
    EXPECT_EQ(TPackedVersion().Version(), "10.11.12.255");
}

TEST(ExeInfo, SystemFoldersOfThisSystem) {
    TExeInfo Info(nullptr);
    EXPECT_EQ(Info.WindowsDir(), "");
    EXPECT_EQ(Info.SystemDir(), "");
    EXPECT_EQ(Info.OSName(), "Unknown");

    const QByteArray Saved = qgetenv("TMPDIR");
    const bool WasSet = qEnvironmentVariableIsSet("TMPDIR");
    const std::pair<const char*, const char*> Cases[] = {
        {"", "/tmp/"}, {"/var/tmp", "/var/tmp/"}, {"/scratch/", "/scratch/"}};
    for (const auto& [Variable, Folder] : Cases) {
        qputenv("TMPDIR", Variable);
        EXPECT_EQ(Info.TempDir(), Folder) << "TMPDIR=" << Variable;
    }
    if (WasSet) {
        qputenv("TMPDIR", Saved);
    } else {
        qunsetenv("TMPDIR");
    }
}

TEST(OSName, NamesTheReportedWindowsRelease) {
    using namespace platform;
    struct Case {
        std::uint32_t Platform;
        std::uint32_t Major;
        std::uint32_t Minor;
        std::uint8_t Product;
        const char* ServicePack;
        const char* Name;
    };
    const Case Cases[] = {
        {PlatformWindows9x, 4, 0, 0, "", "Windows 95"},
        {PlatformWindows9x, 4, 10, 0, " A ", "Windows 98 SE"},
        {PlatformWindows9x, 4, 10, 0, "A", "Windows 98"},
        {PlatformWindows9x, 4, 10, 0, "", "Windows 98"},
        {PlatformWindows9x, 4, 90, 0, "", "Windows ME"},
        {PlatformWindows9x, 4, 20, 0, "", "Unknown"},
        {PlatformWindows9x, 5, 0, 0, "", "Unknown"},
        {PlatformWindowsNT, 3, 51, 1, "", "Windows NT"},
        {PlatformWindowsNT, 4, 0, 1, "", "Windows NT"},
        {PlatformWindowsNT, 5, 0, 1, "", "Windows 2000"},
        {PlatformWindowsNT, 5, 1, 1, "", "Windows XP"},
        {PlatformWindowsNT, 5, 2, 3, "", "Windows 2003"},
        {PlatformWindowsNT, 5, 3, 1, "", "Unknown"},
        {PlatformWindowsNT, 6, 0, 1, "", "Windows Vista"},
        {PlatformWindowsNT, 6, 0, 3, "", "Windows Server 2008"},
        {PlatformWindowsNT, 6, 1, 1, "", "Windows 7"},
        {PlatformWindowsNT, 6, 1, 2, "", "Windows Server 2008R2"},
        {PlatformWindowsNT, 6, 2, 1, "", "Windows 8"},
        {PlatformWindowsNT, 6, 2, 3, "", "Windows Server 8"},
        {PlatformWindowsNT, 6, 3, 1, "", "Unknown"},
        {PlatformWindowsNT, 10, 0, 1, "", "Unknown"},
        {0, 4, 0, 0, "", "Unknown"},
        {PlatformOther, 6, 1, 1, "", "Unknown"},
    };
    for (const Case& Row : Cases) {
        const OSVersionRecord Record{Row.Platform, Row.Major, Row.Minor, Row.Product,
                                     Row.ServicePack};
        EXPECT_EQ(OSName(Record), Row.Name)
            << Row.Platform << ' ' << Row.Major << '.' << Row.Minor << " type " << +Row.Product;
    }
    EXPECT_EQ(OSName(std::nullopt), "Unknown");
}

} // namespace
