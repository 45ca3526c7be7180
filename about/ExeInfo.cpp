#include "about/ExeInfo.h"

#include "about/OSName.h"
#include "platform/FileVersionInfo.h"
#include "platform/SystemInfo.h"

#include <QStringList>

#include <array>
#include <optional>
#include <utility>

namespace {

constexpr std::uint32_t PackedVersion = 0x01020400;

QString FolderWithSlash(const std::optional<std::string>& Folder) {
    return Folder ? QString::fromStdString(*Folder) + QLatin1Char('/') : QString();
}

QString HexWord(std::uint16_t Value) {
    return QStringLiteral("%1").arg(Value, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

TExeInfo::TExeInfo(QObject* Owner) : QObject(Owner) {
    const QString Placeholder = QStringLiteral("Updated at run-time");
    for (QString* Field :
         {&FCompanyName, &FFileDescription, &FFileVersion, &FInternalName, &FLegalCopyright,
          &FLegalTradeMark, &FOriginalFileName, &FProductName, &FProductVersion, &FComments}) {
        *Field = Placeholder;
    }
    ReadExeVersionInfo();
}

void TExeInfo::ReadVersionInfo(const QString& FileName) {
    const std::optional<platform::VersionBlock> Info =
        platform::ReadFileVersionInfo(FileName.toStdString());
    if (!Info) {
        return;
    }
    const std::array<std::pair<const char*, QString*>, 10> Strings{{
        {"CompanyName", &FCompanyName},
        {"FileDescription", &FFileDescription},
        {"FileVersion", &FFileVersion},
        {"InternalName", &FInternalName},
        {"LegalCopyright", &FLegalCopyright},
        {"LegalTradeMarks", &FLegalTradeMark},
        {"OriginalFileName", &FOriginalFileName},
        {"ProductName", &FProductName},
        {"ProductVersion", &FProductVersion},
        {"Comments", &FComments},
    }};
    if (Info->Translations.empty()) {
        for (const auto& [Name, Field] : Strings) {
            Field->clear();
        }
        return;
    }
    const platform::VersionTranslation& Translation = Info->Translations.front();
    const QString Key = HexWord(Translation.Language) + HexWord(Translation.CodePage);
    for (const auto& [Name, Field] : Strings) {
        const std::optional<std::string> Value =
            platform::QueryVersionString(*Info, Key.toStdString(), Name);
        *Field = Value ? QString::fromStdString(*Value) : QString();
    }
}

std::uint32_t TExeInfo::VersionNumber() const {
    return PackedVersion;
}

void TExeInfo::ReadExeVersionInfo() {
    ReadVersionInfo(QString::fromStdString(platform::ProgramFile()));
}

QString TExeInfo::GetComputerName() const {
    return QString::fromStdString(platform::ComputerName());
}

void TExeInfo::SetComputerName(const QString& Name) {
    platform::SetComputerName(Name.toStdString());
}

QString TExeInfo::GetOSName() const {
    return QString::fromStdString(::OSName(platform::OSVersion()));
}

QString TExeInfo::WindowsDir() const {
    return FolderWithSlash(platform::WindowsFolder());
}

QString TExeInfo::SystemDir() const {
    return FolderWithSlash(platform::SystemFolder());
}

QString TExeInfo::TempDir() const {
    return QString::fromStdString(platform::TempFolder());
}

QString TExeInfo::Version() const {
    const std::uint32_t Number = VersionNumber();
    QStringList Parts;
    for (int Shift = 24; Shift >= 0; Shift -= 8) {
        Parts << QString::number((Number >> Shift) & 0xFF);
    }
    return Parts.join(QLatin1Char('.'));
}
