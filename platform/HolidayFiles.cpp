#include "platform/HolidayFiles.h"

#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* FileName = "holidays.csv";

bool Exists(const std::string& Path) {
    std::error_code Error;
    return std::filesystem::is_regular_file(Path, Error);
}

// Reads one file into Table; a fault is added to Read's list.
bool ReadOne(const std::string& Path, THolidayTable& Table, THolidaysRead& Read) {
    std::string Bytes;
    std::string Error;
    if (!platform::ReadWholeFile(Path, Bytes, Error)) {
        Read.Faults.push_back("节假日文件 " + Path + " 无法读取：" + Error);
        return false;
    }
    if (!Table.Parse(Bytes, Error)) {
        Read.Faults.push_back("节假日文件 " + Path + " 格式有误，已忽略：" + Error);
        return false;
    }
    return true;
}

} // namespace

std::string ShippedHolidayFile() {
    const std::string Installed =
        platform::ProgramFolder() + "../" RUXA_DATA_SUBFOLDER "/" + FileName;
    if (Exists(Installed)) {
        return Installed;
    }
    return std::string(RUXA_BUILD_DATA_FOLDER "/") + FileName;
}

std::string DataFolderHolidayFile() {
    return platform::DataFolder() + FileName;
}

THolidaysRead ReadHolidayFiles(const std::string& Shipped, const std::string& Local) {
    THolidaysRead Read;
    ReadOne(Shipped, Read.Table, Read);
    // Anything under the name but a file (a folder, a FIFO, a device, a dangling link) is a
    // fault of the reading, told as one.
    if (platform::PathExists(Local)) {
        THolidayTable Added;
        if (ReadOne(Local, Added, Read)) {
            Read.Table.ReplaceYears(Added);
        }
    }
    return Read;
}

THolidaysRead ReadHolidayFiles() {
    return ReadHolidayFiles(ShippedHolidayFile(), DataFolderHolidayFile());
}
