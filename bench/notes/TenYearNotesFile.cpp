#include "TenYearNotesFile.h"

#include "notes/UNotesFile.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <stdexcept>

namespace {

constexpr int Years = 10;
constexpr int NotesPerDay = 4;
const char* const Rules[] = {"每天", "每周", "每月", "每年", "每月农历", "每年农历"};

} // namespace

std::string TenYearNotesFile(TDateTime LastDay, int RepeatingNotes) {
    using std::chrono::days;
    platform::XmlDocument Document = platform::XmlDocument::Create("便签列表");
    platform::XmlNode Root = Document.Root();
    const TDateTime Last = std::chrono::floor<days>(LastDay);
    const TDateTime First = Last - days(Years * 365 - 1);
    int Repeating = 0;
    for (TDateTime Day = First; Day <= Last; Day += days(1)) {
        const std::string Date = FormatDateTime("yyyy-mm-dd", Day);
        platform::XmlNode Element = Root.AppendElement("Date" + Date);
        const bool WithRepeat = Repeating < RepeatingNotes && (Day - First) / days(1) % 3 == 0;
        for (int Note = 0; Note < NotesPerDay + (WithRepeat ? 1 : 0); ++Note) {
            const std::string Hour = std::to_string(8 + Note * 3);
            Element.AppendElement("标题", "第" + std::to_string(Note + 1) + "项：部门例会");
            Element.AppendElement("日期", Date + " " + (Hour.size() < 2 ? "0" : "") + Hour + ":00");
            Element.AppendElement("提醒", Note % 2 == 0 ? "是" : "否");
            Element.AppendElement("内容", "带上季度报告和预算表，会后把纪要发给大家确认。");
            if (Note == NotesPerDay) {
                Element.AppendElement("重复", Rules[Repeating % std::size(Rules)]);
                Element.AppendElement("提前", std::to_string(Repeating % 3 * 60));
                ++Repeating;
            }
            char Id[40];
            std::snprintf(Id, sizeof(Id), "%08x%024d", static_cast<unsigned>(Note),
                          static_cast<int>((Day - First) / days(1)));
            Element.AppendElement("标识", Id);
        }
    }
    std::string Bytes;
    std::string Error;
    if (!Document.Save("GB2312", Bytes, Error)) {
        throw std::runtime_error(Error);
    }
    return Bytes;
}

std::string PrepareNotesFile(const std::string& Bytes, TDateTime Now) {
    std::string Folder = (std::filesystem::temp_directory_path() / "ruxa-bench-XXXXXX").string();
    if (mkdtemp(Folder.data()) == nullptr) {
        throw std::runtime_error("no temporary folder");
    }
    platform::SetDataFolder(Folder);
    platform::SetClock([Now] { return Now; });
    std::string Error;
    if (!platform::WriteFileAtomically(notes::NotesFileName(), Bytes, Error)) {
        throw std::runtime_error(Error);
    }
    std::atexit([] { std::filesystem::remove_all(platform::DataFolder()); });
    return notes::NotesFileName();
}
