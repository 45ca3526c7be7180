// Every supported day against the official calendar: lunar-months.csv lists the first
// Gregorian day, lunar year, month, leap flag and length of every lunar month, and
// solar-terms.csv the day, number and name of every solar term.

#include "calendar/DayDetails.h"
#include "calendar/UCalendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using std::chrono::sys_days;

const std::filesystem::path ReferenceFolder = RUXA_REFERENCE_DIR;
const sys_days FirstDay = std::chrono::year{1901} / 1 / 1;
const sys_days LastDay = std::chrono::year{2050} / 12 / 31;

struct TLunarMonth {
    sys_days Start;
    int Year = 0, Month = 0, Days = 0;
    bool Leap = false;
};

struct TSolarTerm {
    int Number = 0;
    std::string Name;
};

sys_days ParseDate(const std::string& Text) {
    int Year = 0, Month = 0, Day = 0;
    char Dash1 = 0, Dash2 = 0;
    std::istringstream In(Text);
    In >> Year >> Dash1 >> Month >> Dash2 >> Day;
    if (!In || Dash1 != '-' || Dash2 != '-') {
        throw std::runtime_error("not a date: " + Text);
    }
    return std::chrono::year{Year} / Month / Day;
}

std::vector<std::vector<std::string>> ReadRows(const std::string& Name) {
    std::ifstream In(ReferenceFolder / Name);
    if (!In) {
        throw std::runtime_error("cannot read " + (ReferenceFolder / Name).string());
    }
    std::vector<std::vector<std::string>> Rows;
    std::string Line;
    std::getline(In, Line); // the header
    while (std::getline(In, Line)) {
        if (!Line.empty() && Line.back() == '\r') {
            Line.pop_back();
        }
        if (Line.empty()) {
            continue;
        }
        std::vector<std::string> Fields;
        std::istringstream Split(Line);
        for (std::string Field; std::getline(Split, Field, ',');) {
            Fields.push_back(Field);
        }
        Rows.push_back(Fields);
    }
    return Rows;
}

std::string Text(sys_days Day) {
    const std::chrono::year_month_day Date{Day};
    return std::to_string(static_cast<int>(Date.year())) + "-" +
           std::to_string(static_cast<unsigned>(Date.month())) + "-" +
           std::to_string(static_cast<unsigned>(Date.day()));
}

// Collects mismatches and shows the first few, so one wrong table entry does not flood
// the output.
class TMismatches {
public:
    void Add(const std::string& What) {
        if (FCount++ < 10) {
            ADD_FAILURE() << What;
        }
    }
    int Count() const { return FCount; }

private:
    int FCount = 0;
};

class ReferenceCalendar : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::is_directory(ReferenceFolder)) {
            return;
        }
        for (const auto& Row : ReadRows("lunar-months.csv")) {
            Months.push_back({ParseDate(Row.at(0)), std::stoi(Row.at(1)), std::stoi(Row.at(2)),
                              std::stoi(Row.at(4)), Row.at(3) == "1"});
        }
        for (const auto& Row : ReadRows("solar-terms.csv")) {
            Terms[ParseDate(Row.at(0))] = {std::stoi(Row.at(1)), Row.at(2)};
        }
    }

    void SetUp() override {
        ASSERT_TRUE(std::filesystem::is_directory(ReferenceFolder))
            << "The official calendar data is missing: expected the folder "
            << ReferenceFolder.string()
            << " (shared/reference beside the repository) with lunar-months.csv and "
               "solar-terms.csv.";
        ASSERT_FALSE(Months.empty()) << "lunar-months.csv holds no months";
    }

    static inline std::vector<TLunarMonth> Months;
    static inline std::map<sys_days, TSolarTerm> Terms;
};

} // namespace

TEST_F(ReferenceCalendar, EveryDayHasTheOfficialLunarDate) {
    ASSERT_LE(Months.front().Start, FirstDay);
    const TLunarMonth& Last = Months.back();
    ASSERT_GT(Last.Start + std::chrono::days{Last.Days}, LastDay);
    TMismatches Mismatches;
    for (std::size_t I = 0; I < Months.size(); ++I) {
        const TLunarMonth& M = Months[I];
        if (I + 1 < Months.size()) {
            ASSERT_EQ(M.Start + std::chrono::days{M.Days}, Months[I + 1].Start)
                << "the reference months are not contiguous at " << Text(M.Start);
        }
        for (int D = 0; D < M.Days; ++D) {
            const sys_days Day = M.Start + std::chrono::days{D};
            if (Day < FirstDay || Day > LastDay) {
                continue;
            }
            const std::chrono::year_month_day Date{Day};
            int Year = 0, Month = 0, LunarDay = 0;
            const bool Converted = SolarToLunar(
                static_cast<int>(Date.year()),
                static_cast<int>(static_cast<unsigned>(Date.month())),
                static_cast<int>(static_cast<unsigned>(Date.day())), Year, Month, LunarDay);
            if (!Converted || Year != M.Year || Month != M.Month || LunarDay != D + 1) {
                Mismatches.Add(Text(Day) + ": got " + std::to_string(Year) + "-" +
                               std::to_string(Month) + "-" + std::to_string(LunarDay) +
                               ", official " + std::to_string(M.Year) + "-" +
                               std::to_string(M.Month) + "-" + std::to_string(D + 1));
            }
        }
    }
    EXPECT_EQ(Mismatches.Count(), 0);
}

TEST_F(ReferenceCalendar, MonthAndYearLengthsAndLeapMonthsAreTheOfficialOnes) {
    std::map<int, int> YearDays;
    std::map<int, int> LeapMonths;
    TMismatches Mismatches;
    for (const TLunarMonth& M : Months) {
        if (M.Year < 1901) {
            continue;
        }
        YearDays[M.Year] += M.Days;
        const std::uint32_t Both = GetLunarMonthDays(M.Year, M.Month);
        const int Days = static_cast<int>(M.Leap ? Both >> 16 : Both & 0xFFFF);
        if (Days != M.Days) {
            Mismatches.Add(std::to_string(M.Year) + (M.Leap ? " leap month " : " month ") +
                           std::to_string(M.Month) + ": " + std::to_string(Days) +
                           " days, official " + std::to_string(M.Days));
        }
        if (M.Leap) {
            LeapMonths[M.Year] = M.Month;
        }
    }
    ASSERT_EQ(YearDays.begin()->first, 1901);
    for (const auto& [Year, Days] : YearDays) {
        if (Year == 2050) {
            continue; // the reference ends before the last month of lunar 2050
        }
        EXPECT_EQ(GetLunarYearDays(Year), Days) << Year;
    }
    for (int Year = 1901; Year <= 2050; ++Year) {
        const auto Leap = LeapMonths.find(Year);
        EXPECT_EQ(GetLeapMonth(Year), Leap == LeapMonths.end() ? 0 : Leap->second) << Year;
    }
    EXPECT_EQ(Mismatches.Count(), 0);
}

TEST_F(ReferenceCalendar, EveryDayHasTheOfficialSolarTerm) {
    ASSERT_EQ(Terms.size(), 3600U);
    TMismatches Mismatches;
    for (sys_days Day = FirstDay; Day <= LastDay; Day += std::chrono::days{1}) {
        const std::chrono::year_month_day Date{Day};
        const int Year = static_cast<int>(Date.year());
        const int Month = static_cast<int>(static_cast<unsigned>(Date.month()));
        const int DayOfMonth = static_cast<int>(static_cast<unsigned>(Date.day()));
        const auto Term = Terms.find(Day);
        const TSolarTerm Expected = Term == Terms.end() ? TSolarTerm{} : Term->second;
        const int Number = GetSolarTermNo(Year, Month, DayOfMonth);
        const std::string Name = SolarTermName(EncodeDate(Year, Month, DayOfMonth));
        if (Number != Expected.Number || Name != Expected.Name) {
            Mismatches.Add(Text(Day) + ": got " + std::to_string(Number) + " '" + Name +
                           "', official " + std::to_string(Expected.Number) + " '" + Expected.Name +
                           "'");
        }
    }
    EXPECT_EQ(Mismatches.Count(), 0);
}

TEST_F(ReferenceCalendar, LeapFlagAndNewYearFestivalsFollowTheOfficialMonths) {
    TMismatches Mismatches;
    const THolidayTable NoHolidays;
    for (const TLunarMonth& M : Months) {
        for (int D = 0; D < M.Days; ++D) {
            const std::chrono::year_month_day Date{M.Start + std::chrono::days{D}};
            const int Year = static_cast<int>(Date.year());
            if (Year < 1901 || Year > 2050) {
                continue;
            }
            const auto Details =
                DayDetailsOf(Year, static_cast<int>(static_cast<unsigned>(Date.month())),
                             static_cast<int>(static_cast<unsigned>(Date.day())), NoHolidays);
            const bool NewYear = M.Month == 1 && !M.Leap && D == 0;
            const bool LastDay = M.Month == 12 && !M.Leap && D + 1 == M.Days;
            bool SaysNewYear = false;
            bool SaysLastDay = false;
            for (const std::string_view Name : Details->Traditional) {
                SaysNewYear = SaysNewYear || Name == "春节";
                SaysLastDay = SaysLastDay || Name == "除夕";
            }
            if (Details->Lunar.Leap != M.Leap || SaysNewYear != NewYear || SaysLastDay != LastDay) {
                Mismatches.Add(Text(sys_days{Date}) + ": leap flag or 春节/除夕 wrong");
            }
        }
    }
    EXPECT_EQ(Mismatches.Count(), 0);
}
