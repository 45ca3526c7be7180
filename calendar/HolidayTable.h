#pragma once

// The public-holiday arrangement: which days are days off (休) and which weekend days are
// adjusted working days (班), with the holiday each belongs to. It is data, read from text
// of the form
//
//     date,kind,holiday
//     2024-02-10,休,春节
//
// one row per day. A year's rows are those of its notice: the late-December rows of a
// 元旦 arrangement belong to the next year.

#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

enum class THolidayKind { None, DayOff, WorkDay };

struct THoliday {
    THolidayKind Kind = THolidayKind::None;
    std::string Name;
};

class THolidayTable {
public:
    // The day's entry; Kind None when the table says nothing about it.
    const THoliday& Find(int Year, int Month, int Day) const;
    // The notice years that the table holds.
    const std::set<int>& Years() const { return FYears; }
    bool Empty() const { return FDays.empty(); }

    // Puts every year of Other in place of the same year here, whole.
    void ReplaceYears(const THolidayTable& Other);

    // False, with the line and the fault in Error (Chinese, one line), when the text is not a
    // complete table: a wrong header, a row that is not three fields, a date outside
    // the supported years or not written yyyy-mm-dd, a kind other than 休 or 班, an empty
    // holiday name or one with a control character (see ControlCharacters.h), or a date
    // given twice. The table is then left as it was. A name longer than 32 characters is
    // cut (see CappedLine.h).
    bool Parse(std::string_view Text, std::string& Error);

private:
    std::unordered_map<int, THoliday> FDays; // keyed by year * 10000 + month * 100 + day
    std::set<int> FYears;
};

std::string_view HolidayKindText(THolidayKind Kind); // "休", "班" or ""
