// Computes the lunar months and the solar terms of 1600 to 2400 and writes them as the
// engine's compact table (calendar/ComputedTables.h) with the digest of the calendar they
// give day by day (tests/calendar/ComputedDaysDigest.h). Run by hand:
//   cmake --build build --target calendar-table
// Prints where the computation differs from the official tables of 1901 to 2050, the events
// close to midnight and the size of the table. With --events FILE it also writes every
// event's instant for the cross-check (cross_check.py); --reuse FILE reads those instants
// back instead of computing them again, to rewrite the table quickly.

#include "Events.h"
#include "LunarMonths.h"
#include "TermTable.h"

#include "calendar/LunarTables.h"
#include "calendar/SolarTermTable.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int FirstYear = 1600;
constexpr int LastYear = 2400;
constexpr int FirstLunarYear = FirstYear - 1;

struct TYearLayout {
    int StartDay = 0;
    std::uint16_t Word = 0;
    int Leap = 0;
};

bool Official(int Year) {
    return Year >= calendar_tables::FirstLunarYear && Year <= calendar_tables::LastLunarYear;
}

// How close to midnight an event must lie to be marked, in minutes: two minutes today,
// more as ΔT grows uncertain in the past and the future.
int MidnightMargin(int Year) {
    return 2 + (Year - 2000) * (Year - 2000) / 20000;
}

bool MinuteNearMidnight(int Year, int MinuteOfDay) {
    return std::min(MinuteOfDay, 1440 - MinuteOfDay) <= MidnightMargin(Year);
}

bool InstantNearMidnight(int Year, TLocalInstant When) {
    const double Fraction = When - std::floor(When);
    return std::min(Fraction, 1 - Fraction) * 1440 <= MidnightMargin(Year);
}

std::string DateText(int Days) {
    int Y = 0;
    int M = 0;
    int D = 0;
    DateOfDayNumber(Days, Y, M, D);
    char Text[16];
    std::snprintf(Text, sizeof Text, "%04d-%02d-%02d", Y, M, D);
    return Text;
}

std::string InstantText(TLocalInstant When) {
    const double Seconds = std::round((When - std::floor(When)) * 86400);
    char Text[16];
    const int S = static_cast<int>(Seconds);
    std::snprintf(Text, sizeof Text, "%02d:%02d:%02d", S / 3600, S / 60 % 60, S % 60);
    return DateText(LocalDay(When)) + " " + Text;
}

const char* const TermNames[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                   "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                   "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

std::map<int, TYearLayout> ComputedYears(const std::vector<TLunarMonth>& Months) {
    std::map<int, TYearLayout> Years;
    std::map<int, int> Positions;
    for (std::size_t I = 0; I + 1 < Months.size(); ++I) {
        const TLunarMonth& Month = Months[I];
        TYearLayout& Year = Years[Month.LunarYear];
        int& Position = Positions[Month.LunarYear];
        if (Position == 0) {
            Year.StartDay = Month.StartDay;
        }
        if (Months[I + 1].StartDay - Month.StartDay == 30) {
            Year.Word |= static_cast<std::uint16_t>(1U << (15 - Position));
        }
        if (Month.Leap) {
            Year.Leap = Month.Number;
        }
        ++Position;
    }
    return Years;
}

TYearLayout OfficialYear(int Year) {
    const int Index = Year - calendar_tables::FirstLunarYear;
    const unsigned Byte = calendar_tables::LeapMonthNibbles[static_cast<std::size_t>(Index / 2)];
    return {0,
            static_cast<std::uint16_t>(
                calendar_tables::LunarMonthBits[static_cast<std::size_t>(Index)]),
            static_cast<int>(Index % 2 == 0 ? Byte >> 4 : Byte & 0x0F)};
}

int YearLength(const TYearLayout& Year) {
    const int Months = Year.Leap > 0 ? 13 : 12;
    int Days = 0;
    for (int Position = 0; Position < Months; ++Position) {
        Days += (Year.Word >> (15 - Position) & 1U) != 0 ? 30 : 29;
    }
    return Days;
}

struct TFinalMonth {
    int StartDay;
    int Year;
    int Number;
    bool Leap;
};

std::vector<TFinalMonth> MonthsOf(const std::map<int, TYearLayout>& Years) {
    std::vector<TFinalMonth> Months;
    for (const auto& [Year, Layout] : Years) {
        int Day = Layout.StartDay;
        const int Count = Layout.Leap > 0 ? 13 : 12;
        for (int Position = 0; Position < Count; ++Position) {
            const bool Leap = Layout.Leap > 0 && Position == Layout.Leap;
            const int Number = Layout.Leap > 0 && Position >= Layout.Leap ? Position : Position + 1;
            Months.push_back({Day, Year, Number, Leap});
            Day += (Layout.Word >> (15 - Position) & 1U) != 0 ? 30 : 29;
        }
    }
    return Months;
}

void Mix(std::uint64_t& Hash, std::int32_t Value) {
    for (int Byte = 0; Byte < 4; ++Byte) {
        Hash ^= static_cast<std::uint32_t>(Value) >> (8 * Byte) & 0xFF;
        Hash *= 0x100000001B3ULL;
    }
}

std::string WordRows(const std::vector<std::uint16_t>& Words, int FirstYearOfRows) {
    std::ostringstream Out;
    for (std::size_t I = 0; I < Words.size(); ++I) {
        if (I % 10 == 0) {
            Out << "    ";
        }
        char Text[16];
        std::snprintf(Text, sizeof Text, "0x%04X,", Words[I]);
        Out << Text << (I % 10 == 9 || I + 1 == Words.size() ? "" : " ");
        if (I % 10 == 9 || I + 1 == Words.size()) {
            Out << " // " << FirstYearOfRows + static_cast<int>(I / 10 * 10) << "\n";
        }
    }
    return Out.str();
}

std::string NibbleRows(const std::vector<int>& Leaps, int FirstYearOfRows) {
    std::ostringstream Out;
    for (std::size_t I = 0; I < Leaps.size(); I += 2) {
        if (I % 20 == 0) {
            Out << "    ";
        }
        const int Byte = Leaps[I] << 4 | (I + 1 < Leaps.size() ? Leaps[I + 1] : 0);
        char Text[16];
        std::snprintf(Text, sizeof Text, "0x%02X,", Byte);
        Out << Text;
        if (I % 20 == 18 || I + 2 >= Leaps.size()) {
            Out << " // " << FirstYearOfRows + static_cast<int>(I / 20 * 20) << "\n";
        } else {
            Out << " ";
        }
    }
    return Out.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: GenerateCalendarTable SOURCE_DIR [--events FILE]\n";
        return 2;
    }
    const std::string Root = argv[1];
    const std::string Option = argc >= 4 ? argv[2] : "";
    const std::string EventsFile = Option == "--events" ? argv[3] : "";

    std::vector<TTermInstant> Terms;
    std::vector<TLocalInstant> Moons;
    if (Option == "--reuse") {
        std::ifstream In(argv[3]);
        std::string Kind;
        while (In >> Kind) {
            if (Kind == "term") {
                TTermInstant Term;
                In >> Term.Year >> Term.Index >> Term.When;
                Terms.push_back(Term);
            } else {
                TLocalInstant Moon = 0;
                In >> Moon;
                Moons.push_back(Moon);
            }
        }
    } else {
        Terms = SolarTermInstants(FirstLunarYear - 1, LastYear + 1);
        Moons =
            NewMoonInstants(DayNumber(FirstLunarYear - 1, 11, 1), DayNumber(LastYear + 2, 3, 1));
    }
    if (!EventsFile.empty()) {
        std::ofstream Events(EventsFile);
        Events.precision(12);
        for (const TTermInstant& Term : Terms) {
            Events << "term " << Term.Year << " " << Term.Index << " " << std::fixed << Term.When
                   << "\n";
        }
        for (const TLocalInstant Moon : Moons) {
            Events << "moon " << std::fixed << Moon << "\n";
        }
    }
    const std::vector<TLunarMonth> Months = LunarMonths(Terms, Moons);
    const std::map<int, TYearLayout> Computed = ComputedYears(Months);

    // The calendar as the engine holds it: computed years around the official ones.
    std::map<int, TYearLayout> Final;
    for (int Year = FirstLunarYear; Year <= LastYear; ++Year) {
        Final[Year] = Official(Year) ? OfficialYear(Year) : Computed.at(Year);
    }
    for (int Year = FirstLunarYear + 1; Year <= LastYear; ++Year) {
        Final[Year].StartDay = Final[Year - 1].StartDay + YearLength(Final[Year - 1]);
        if (!Official(Year) && !Official(Year - 1) &&
            Final[Year].StartDay != Computed.at(Year).StartDay) {
            throw std::runtime_error("computed lunar years do not join");
        }
    }
    Final[FirstLunarYear].StartDay = Computed.at(FirstLunarYear).StartDay;
    for (int Year = FirstLunarYear + 1; Year <= LastYear; ++Year) {
        Final[Year].StartDay = Final[Year - 1].StartDay + YearLength(Final[Year - 1]);
    }
    if (Final[calendar_tables::FirstLunarYear].StartDay != DayNumber(1901, 2, 19) ||
        Final[calendar_tables::LastLunarYear + 1].StartDay !=
            Computed.at(calendar_tables::LastLunarYear + 1).StartDay) {
        throw std::runtime_error("the computed years do not join the official tables");
    }
    const std::vector<TFinalMonth> FinalMonths = MonthsOf(Final);

    std::cout << "Lunar months where the computation differs from the official tables:\n";
    {
        std::map<int, const TLunarMonth*> ByDay;
        for (const TLunarMonth& Month : Months) {
            ByDay[Month.StartDay] = &Month;
        }
        for (const TFinalMonth& Month : FinalMonths) {
            if (!Official(Month.Year)) {
                continue;
            }
            const auto Found = ByDay.find(Month.StartDay);
            if (Found == ByDay.end() || Found->second->Number != Month.Number ||
                Found->second->Leap != Month.Leap) {
                auto Near = ByDay.lower_bound(Month.StartDay - 1);
                std::cout << "  official " << DateText(Month.StartDay) << " month "
                          << (Month.Leap ? "闰" : "") << Month.Number << ", computed new moon "
                          << InstantText(Near->second->NewMoon) << "\n";
            }
        }
    }

    // Term moments and days; marks.
    std::vector<std::int64_t> Moments;
    std::map<std::pair<int, int>, std::int64_t> MomentOf;
    std::map<std::pair<int, int>, int> TermDay;
    std::map<std::pair<int, int>, bool> TermMarked;
    std::cout << "Solar terms where the computation differs from the official tables:\n";
    std::vector<std::string> NearMidnight;
    for (const TTermInstant& Term : Terms) {
        if (Term.Year < FirstYear || Term.Year > LastYear) {
            continue;
        }
        const int Day = LocalDay(Term.When);
        const int Minute = LocalMinuteOfDay(Term.When);
        const std::int64_t Moment = static_cast<std::int64_t>(Day) * 1440 + Minute;
        Moments.push_back(Moment);
        const std::pair Key{Term.Year, Term.Index};
        MomentOf[Key] = Moment;
        int Shown = Day;
        if (Term.Year >= calendar_tables::FirstTermYear &&
            Term.Year <= calendar_tables::LastTermYear) {
            const int Month = Term.Index / 2 + 1;
            const unsigned Byte = calendar_tables::SolarTermDays[static_cast<std::size_t>(
                (Term.Year - calendar_tables::FirstTermYear) * 12 + Month - 1)];
            const int OfficialDay = Term.Index % 2 == 0 ? 15 - static_cast<int>(Byte >> 4)
                                                        : 15 + static_cast<int>(Byte & 0x0F);
            Shown = DayNumber(Term.Year, Month, OfficialDay);
            if (Shown != Day) {
                std::cout << "  official " << DateText(Shown) << " " << TermNames[Term.Index]
                          << ", computed " << InstantText(Term.When) << "\n";
            }
        }
        TermDay[Key] = Shown;
        TermMarked[Key] = Shown != Day || MinuteNearMidnight(Term.Year, Minute);
        if (TermMarked[Key]) {
            NearMidnight.push_back("  " + InstantText(Term.When) + " " + TermNames[Term.Index] +
                                   (Shown != Day ? " (official day " + DateText(Shown) + ")" : ""));
        }
    }

    // New moons close to midnight, marked on the first day of their month.
    std::vector<int> MarkedMonthStarts;
    for (const TFinalMonth& Month : FinalMonths) {
        if (Month.StartDay < DayNumber(FirstYear, 1, 1) ||
            Month.StartDay > DayNumber(LastYear, 12, 31)) {
            continue;
        }
        const TLocalInstant* Nearest = &Moons.front();
        for (const TLocalInstant& Moon : Moons) {
            if (std::fabs(Moon - Month.StartDay) < std::fabs(*Nearest - Month.StartDay)) {
                Nearest = &Moon;
            }
        }
        int GregorianYear = 0;
        int M = 0;
        int D = 0;
        DateOfDayNumber(Month.StartDay, GregorianYear, M, D);
        if (LocalDay(*Nearest) != Month.StartDay || InstantNearMidnight(GregorianYear, *Nearest)) {
            MarkedMonthStarts.push_back(Month.StartDay);
            NearMidnight.push_back("  " + InstantText(*Nearest) + " 朔, month " +
                                   (Month.Leap ? "闰" : "") + std::to_string(Month.Number) +
                                   " starts " + DateText(Month.StartDay));
        }
    }
    std::cout << "Events close to midnight (marked):\n";
    for (const std::string& Line : NearMidnight) {
        std::cout << Line << "\n";
    }

    const TTermTable Table = EncodeTermTable(Moments);
    for (int Year = FirstYear; Year <= LastYear; ++Year) {
        for (int Index = 0; Index < 24; ++Index) {
            if (DecodeTermMoment(Table, Year, Index) != MomentOf[{Year, Index}]) {
                throw std::runtime_error("the term table does not decode to its moments");
            }
        }
    }

    // The calendar day by day, hashed a Gregorian year at a time.
    std::vector<std::uint64_t> Digests;
    {
        std::size_t MonthIndex = 0;
        std::map<int, std::pair<int, int>> TermsByDay; // day -> (year, index)
        for (const auto& [Key, Day] : TermDay) {
            TermsByDay[Day] = Key;
        }
        std::size_t Marked = 0;
        for (int Day = DayNumber(FirstYear, 1, 1); Day <= DayNumber(LastYear, 12, 31); ++Day) {
            int Y = 0;
            int M = 0;
            int D = 0;
            DateOfDayNumber(Day, Y, M, D);
            if (M == 1 && D == 1) {
                Digests.push_back(0xCBF29CE484222325ULL);
            }
            while (FinalMonths[MonthIndex + 1].StartDay <= Day) {
                ++MonthIndex;
            }
            const TFinalMonth& Month = FinalMonths[MonthIndex];
            std::int32_t TermNo = 0;
            std::int32_t Moment = -1;
            std::int32_t TermMark = 0;
            if (const auto Found = TermsByDay.find(Day); Found != TermsByDay.end()) {
                TermNo = Found->second.second + 1;
                Moment = static_cast<std::int32_t>(MomentOf[Found->second]);
                TermMark = TermMarked[Found->second] ? 1 : 0;
            }
            while (Marked < MarkedMonthStarts.size() && MarkedMonthStarts[Marked] < Day) {
                ++Marked;
            }
            const std::int32_t MoonMark =
                Marked < MarkedMonthStarts.size() && MarkedMonthStarts[Marked] == Day ? 1 : 0;
            std::uint64_t& Hash = Digests.back();
            for (const std::int32_t Value :
                 {Y, M, D, Month.Year, Month.Number, Day - Month.StartDay + 1, Month.Leap ? 1 : 0,
                  TermNo, Moment, TermMark, MoonMark}) {
                Mix(Hash, Value);
            }
        }
    }

    // The table.
    std::vector<std::uint16_t> EarlyWords;
    std::vector<int> EarlyLeaps;
    std::vector<std::uint16_t> LateWords;
    std::vector<int> LateLeaps;
    for (const auto& [Year, Layout] : Final) {
        if (Year < calendar_tables::FirstLunarYear) {
            EarlyWords.push_back(Layout.Word);
            EarlyLeaps.push_back(Layout.Leap);
        } else if (Year > calendar_tables::LastLunarYear) {
            LateWords.push_back(Layout.Word);
            LateLeaps.push_back(Layout.Leap);
        }
    }
    std::ostringstream Header;
    Header << R"(#pragma once

// The lunar years 1599 to 1900 and 2051 to 2400 and the moments of the solar terms of 1600 to
// 2400, written by tools/calendar-table from the computed new moons and terms (see there and
// the README); the official tables of 1901 to 2050 stay in LunarTables.h and SolarTermTable.h.
//
// Lunar years: words and nibbles of the form LunarTables.h describes, in two runs.
// Term moments: minutes since 1970-01-01 00:00 UTC+8, rounded and kept within their day. Term
// Index (0 小寒 .. 23 冬至) of year Y lies on a line through knots TermKnotYears apart; the
// first knot is TermFirstKnots[Index], each next one TermKnotStepMinutes + TermKnotSteps[K]
// later. The moment is the knot line at Y (rounded down) + the year's offset + the term's
// residual: TermYearResiduals[Y - 1600] holds 12 residuals + 16 in 5-bit fields from bit 0 of
// each word, the terms 0..11 in word 0 and 12..23 in word 1; bits 60..63 of word 0 and of
// word 1 are the low and high nibble of the year's offset + 128.
// NearMidnightNewMoonDays: the first days (days since 1970-01-01) of the months whose new
// moon lies within minutes of midnight.

#include <array>
#include <cstdint>

namespace calendar_tables {

// clang-format off
)";
    Header << "inline constexpr int FirstComputedLunarYear = " << FirstLunarYear << ";\n";
    Header << "inline constexpr int LastComputedLunarYear = " << LastYear << ";\n";
    Header << "inline constexpr int FirstComputedLunarYearStart = "
           << Final[FirstLunarYear].StartDay << "; // " << DateText(Final[FirstLunarYear].StartDay)
           << "\n";
    Header << "inline constexpr int LateComputedLunarYearStart = "
           << Final[calendar_tables::LastLunarYear + 1].StartDay << "; // "
           << DateText(Final[calendar_tables::LastLunarYear + 1].StartDay) << "\n\n";
    Header << "inline constexpr std::array<std::uint16_t, " << EarlyWords.size()
           << "> EarlyLunarMonthBits = {\n"
           << WordRows(EarlyWords, FirstLunarYear) << "};\n\n";
    Header << "inline constexpr std::array<std::uint8_t, " << (EarlyLeaps.size() + 1) / 2
           << "> EarlyLeapMonthNibbles = {\n"
           << NibbleRows(EarlyLeaps, FirstLunarYear) << "};\n\n";
    Header << "inline constexpr std::array<std::uint16_t, " << LateWords.size()
           << "> LateLunarMonthBits = {\n"
           << WordRows(LateWords, calendar_tables::LastLunarYear + 1) << "};\n\n";
    Header << "inline constexpr std::array<std::uint8_t, " << (LateLeaps.size() + 1) / 2
           << "> LateLeapMonthNibbles = {\n"
           << NibbleRows(LateLeaps, calendar_tables::LastLunarYear + 1) << "};\n\n";
    Header << "inline constexpr int TermTableFirstYear = " << TermTableFirstYear << ";\n";
    Header << "inline constexpr int TermTableLastYear = " << TermTableLastYear << ";\n";
    Header << "inline constexpr int TermKnotYears = " << TermKnotYears << ";\n";
    Header << "inline constexpr std::int64_t TermKnotStepMinutes = " << TermKnotStepMinutes
           << ";\n\n";
    Header << "inline constexpr std::array<std::int32_t, 24> TermFirstKnots = {\n   ";
    for (int Index = 0; Index < 24; ++Index) {
        Header << " " << Table.FirstKnots[static_cast<std::size_t>(Index)] << ","
               << (Index % 6 == 5 ? "\n" + std::string(Index < 23 ? "   " : "") : "");
    }
    Header << "};\n\n";
    Header << "inline constexpr std::array<std::array<std::int8_t, 24>, " << Table.KnotSteps.size()
           << "> TermKnotSteps = {{\n";
    for (const auto& Row : Table.KnotSteps) {
        Header << "    {";
        for (std::size_t Index = 0; Index < 24; ++Index) {
            Header << static_cast<int>(Row[Index]) << (Index < 23 ? ", " : "");
        }
        Header << "},\n";
    }
    Header << "}};\n\n";
    Header << "inline constexpr std::array<std::array<std::uint64_t, 2>, "
           << Table.YearResiduals.size() << "> TermYearResiduals = {{\n";
    for (std::size_t I = 0; I < Table.YearResiduals.size(); ++I) {
        char Text[64];
        std::snprintf(Text, sizeof Text, "{0x%016llX, 0x%016llX},",
                      static_cast<unsigned long long>(Table.YearResiduals[I][0]),
                      static_cast<unsigned long long>(Table.YearResiduals[I][1]));
        Header << "    " << Text << " // " << FirstYear + static_cast<int>(I) << "\n";
    }
    Header << "}};\n\n";
    Header << "inline constexpr std::array<std::int32_t, " << MarkedMonthStarts.size()
           << "> NearMidnightNewMoonDays = {\n";
    for (const int Day : MarkedMonthStarts) {
        Header << "    " << Day << ", // " << DateText(Day) << "\n";
    }
    Header << "};\n// clang-format on\n\n} // namespace calendar_tables\n";
    std::ofstream(Root + "/calendar/ComputedTables.h") << Header.str();

    std::ostringstream Digest;
    Digest << R"(#pragma once

// Written by tools/calendar-table with calendar/ComputedTables.h: for each Gregorian year
// 1600 .. 2400, the FNV-1a hash of the calendar the generator computed, day by day the 32-bit
// little-endian values year, month, day, lunar year, lunar month, lunar day, leap (0 or 1),
// term number (0 none), term moment (minutes since 1970-01-01 00:00 UTC+8, -1 none), term
// close to midnight (0 or 1), new moon of this first day close to midnight (0 or 1).

#include <array>
#include <cstdint>

// clang-format off
inline constexpr std::array<std::uint64_t, )"
           << Digests.size() << "> ComputedYearDigests = {\n";
    for (std::size_t I = 0; I < Digests.size(); ++I) {
        char Text[32];
        std::snprintf(Text, sizeof Text, "0x%016llX,", static_cast<unsigned long long>(Digests[I]));
        Digest << (I % 4 == 0 ? "    " : " ") << Text
               << (I % 4 == 3 || I + 1 == Digests.size() ? "\n" : "");
    }
    Digest << "};\n// clang-format on\n";
    std::ofstream(Root + "/tests/calendar/ComputedDaysDigest.h") << Digest.str();

    const std::size_t Bytes = EarlyWords.size() * 2 + (EarlyLeaps.size() + 1) / 2 +
                              LateWords.size() * 2 + (LateLeaps.size() + 1) / 2 + 24 * 4 +
                              Table.KnotSteps.size() * 24 + Table.YearResiduals.size() * 16 +
                              MarkedMonthStarts.size() * 4;
    std::cout << "Table size: " << Bytes << " bytes\n";
    int LeapTwelve = 0;
    for (const auto& [Year, Layout] : Final) {
        LeapTwelve += Layout.Leap == 12 ? 1 : 0;
    }
    std::cout << "Years with a leap twelfth month: " << LeapTwelve << "\n";

    return 0;
}
