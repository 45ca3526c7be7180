#include "calendar/HolidayTable.h"

#include "calendar/CalendarRange.h"
#include "calendar/CappedLine.h"
#include "calendar/ControlCharacters.h"
#include "calendar/UDateTime.h"

#include <vector>

namespace {

constexpr std::string_view Header = "date,kind,holiday";
constexpr std::string_view Bom = "\xEF\xBB\xBF";
// Longer names than any holiday has are cut: they are shown in single lines.
constexpr std::size_t MaxNameCharacters = 32;

constexpr int Key(int Year, int Month, int Day) {
    return Year * 10000 + Month * 100 + Day;
}

// December rows belong to the next year's notice: only a 元旦 arrangement reaches back there.
constexpr int NoticeYear(int DayKey) {
    return DayKey / 10000 + (DayKey / 100 % 100 == 12 ? 1 : 0);
}

// "yyyy-mm-dd" of a valid date within the calendar's range.
bool ReadDate(std::string_view Text, int& DayKey) {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    if (!ReadIsoDate(Text, Year, Month, Day) || Year < FirstSupportedYear ||
        Year > LastSupportedYear) {
        return false;
    }
    DayKey = Key(Year, Month, Day);
    return true;
}

std::vector<std::string_view> Split(std::string_view Line) {
    std::vector<std::string_view> Fields;
    std::size_t Start = 0;
    for (std::size_t Comma; (Comma = Line.find(',', Start)) != std::string_view::npos;
         Start = Comma + 1) {
        Fields.push_back(Line.substr(Start, Comma - Start));
    }
    Fields.push_back(Line.substr(Start));
    return Fields;
}

std::string LineFault(int LineNumber, std::string_view Fault) {
    return "第 " + std::to_string(LineNumber) + " 行" + std::string(Fault);
}

} // namespace

const THoliday& THolidayTable::Find(int Year, int Month, int Day) const {
    static const THoliday Nothing;
    const auto Found = FDays.find(Key(Year, Month, Day));
    return Found == FDays.end() ? Nothing : Found->second;
}

void THolidayTable::ReplaceYears(const THolidayTable& Other) {
    std::erase_if(
        FDays, [&](const auto& Entry) { return Other.FYears.contains(NoticeYear(Entry.first)); });
    FDays.insert(Other.FDays.begin(), Other.FDays.end());
    FYears.insert(Other.FYears.begin(), Other.FYears.end());
}

bool THolidayTable::Parse(std::string_view Text, std::string& Error) {
    if (Text.starts_with(Bom)) {
        Text.remove_prefix(Bom.size());
    }
    THolidayTable Read;
    int LineNumber = 0;
    bool HeaderSeen = false;
    while (!Text.empty()) {
        const std::size_t End = Text.find('\n');
        std::string_view Line = Text.substr(0, End);
        Text.remove_prefix(End == std::string_view::npos ? Text.size() : End + 1);
        ++LineNumber;
        if (Line.ends_with('\r')) {
            Line.remove_suffix(1);
        }
        if (!HeaderSeen) {
            if (Line != Header) {
                Error = LineFault(LineNumber, "：表头应为 date,kind,holiday");
                return false;
            }
            HeaderSeen = true;
            continue;
        }
        if (Line.empty()) {
            continue;
        }
        const std::vector<std::string_view> Fields = Split(Line);
        int DayKey = 0;
        if (Fields.size() != 3) {
            Error = LineFault(LineNumber, "：应有日期、类别、节日三项");
            return false;
        }
        if (!ReadDate(Fields[0], DayKey)) {
            Error = LineFault(LineNumber, "：日期无效或不在 " + std::to_string(FirstSupportedYear) +
                                              "-01-01 至 " + std::to_string(LastSupportedYear) +
                                              "-12-31 之间");
            return false;
        }
        THoliday Holiday;
        if (Fields[1] == "休") {
            Holiday.Kind = THolidayKind::DayOff;
        } else if (Fields[1] == "班") {
            Holiday.Kind = THolidayKind::WorkDay;
        } else {
            Error = LineFault(LineNumber, "：类别应为 休 或 班");
            return false;
        }
        if (Fields[2].empty()) {
            Error = LineFault(LineNumber, "：缺少节日名称");
            return false;
        }
        if (HasControlCharacter(Fields[2])) {
            Error = LineFault(LineNumber, "：节日名称含控制字符");
            return false;
        }
        Holiday.Name = CappedLine(Fields[2], MaxNameCharacters);
        if (!Read.FDays.emplace(DayKey, std::move(Holiday)).second) {
            Error = LineFault(LineNumber, "：日期重复");
            return false;
        }
        Read.FYears.insert(NoticeYear(DayKey));
    }
    if (!HeaderSeen) {
        Error = "文件为空";
        return false;
    }
    *this = std::move(Read);
    return true;
}

std::string_view HolidayKindText(THolidayKind Kind) {
    switch (Kind) {
    case THolidayKind::DayOff:
        return "休";
    case THolidayKind::WorkDay:
        return "班";
    case THolidayKind::None:
        break;
    }
    return {};
}
