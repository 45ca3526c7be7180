#include "terminal/MonthText.h"

#include "calendar/DayDetails.h"
#include "terminal/DisplayWidth.h"

#include <array>
#include <string_view>

namespace {

constexpr int CellWidth = 6;
constexpr int PageWidth = 7 * CellWidth + 6;
constexpr std::array<std::string_view, 7> WeekDayHeads = {"日", "一", "二", "三", "四", "五", "六"};
constexpr std::string_view ReverseOn = "\x1b[7m";
constexpr std::string_view ReverseOff = "\x1b[27m";

void EndLine(std::string& Out, std::string Line) {
    Line.erase(Line.find_last_not_of(' ') + 1);
    Out += Line;
    Out += '\n';
}

// Lays out the cells of one line of a week: Text(day) for each day, blank elsewhere.
template <typename CellText>
std::string WeekLine(int FirstCol, int LastDay, int Week, CellText Text) {
    std::string Line;
    for (int Col = 0; Col < 7; ++Col) {
        const int Day = Week * 7 + Col + 1 - FirstCol;
        if (Col > 0) {
            Line += ' ';
        }
        Line += Day >= 1 && Day <= LastDay ? Text(Day)
                                           : std::string(static_cast<std::size_t>(CellWidth), ' ');
    }
    return Line;
}

void AppendMonth(std::string& Out, int Year, int Month, const std::string& Heading,
                 const TMonthTextStyle& Style) {
    EndLine(Out, Centred(Heading, PageWidth));
    std::string Heads;
    for (int Col = 0; Col < 7; ++Col) {
        Heads +=
            (Col > 0 ? " " : "") + Centred(WeekDayHeads[static_cast<std::size_t>(Col)], CellWidth);
    }
    EndLine(Out, Heads);

    const int FirstCol = GetWeekDay(Year, Month, 1) - 1;
    const int LastDay = GetMonthDays(Year, Month);
    const bool TodayHere = Style.Highlight && Style.TodayYear == Year && Style.TodayMonth == Month;
    const int Weeks = (FirstCol + LastDay + 6) / 7;
    for (int Week = 0; Week < Weeks; ++Week) {
        EndLine(Out, WeekLine(FirstCol, LastDay, Week, [&](int Day) {
                    const std::string Number = std::to_string(Day);
                    const int Spare = CellWidth - static_cast<int>(Number.size());
                    const std::string Left(static_cast<std::size_t>(Spare / 2), ' ');
                    const std::string Right(static_cast<std::size_t>(Spare - Spare / 2), ' ');
                    if (TodayHere && Day == Style.TodayDay) {
                        return Left + std::string(ReverseOn) + Number + std::string(ReverseOff) +
                               Right;
                    }
                    return Left + Number + Right;
                }));
        EndLine(Out, WeekLine(FirstCol, LastDay, Week, [&](int Day) {
                    TLunarDate Lunar;
                    SolarToLunarDate(Year, Month, Day, Lunar);
                    return Centred(ShortLunarText(Lunar), CellWidth);
                }));
        EndLine(Out, WeekLine(FirstCol, LastDay, Week, [&](int Day) {
                    return Centred(SolarTermNameOf(GetSolarTermNo(Year, Month, Day)), CellWidth);
                }));
    }
}

} // namespace

std::string MonthText(int Year, int Month, const TMonthTextStyle& Style) {
    std::string Out;
    AppendMonth(Out, Year, Month,
                std::to_string(Year) + "年" + std::to_string(Month) + "月 " + CyclicYearName(Year),
                Style);
    return Out;
}

std::string YearText(int Year, const TMonthTextStyle& Style) {
    std::string Out;
    EndLine(Out, Centred(std::to_string(Year) + "年 " + CyclicYearName(Year), PageWidth));
    for (int Month = 1; Month <= 12; ++Month) {
        Out += '\n';
        AppendMonth(Out, Year, Month, std::to_string(Month) + "月", Style);
    }
    return Out;
}
