#include "LunarMonths.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int WinterSolstice = 23;

// The index of the month (new moon) whose span holds Day; none before the first new moon or
// from the last one on.
std::optional<std::size_t> MonthHolding(const std::vector<int>& Starts, int Day) {
    const auto After = std::upper_bound(Starts.begin(), Starts.end(), Day);
    if (After == Starts.begin() || After == Starts.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(After - Starts.begin() - 1);
}

} // namespace

std::vector<TLunarMonth> LunarMonths(const std::vector<TTermInstant>& Terms,
                                     const std::vector<TLocalInstant>& NewMoons) {
    std::vector<int> Starts;
    for (const TLocalInstant Moon : NewMoons) {
        Starts.push_back(LocalDay(Moon));
    }
    // Which months hold a 中气 (the terms of odd index: 大寒, 雨水, ..., 冬至).
    std::vector<bool> HasMajorTerm(Starts.size(), false);
    std::vector<std::size_t> SolsticeMonths;
    std::vector<int> SolsticeYears;
    for (const TTermInstant& Term : Terms) {
        const std::optional<std::size_t> Found = MonthHolding(Starts, LocalDay(Term.When));
        if (!Found) {
            continue;
        }
        const std::size_t Month = *Found;
        if (Term.Index % 2 == 1) {
            HasMajorTerm[Month] = true;
        }
        if (Term.Index == WinterSolstice) {
            SolsticeMonths.push_back(Month);
            SolsticeYears.push_back(Term.Year);
        }
    }
    std::vector<TLunarMonth> Months;
    for (std::size_t Span = 0; Span + 1 < SolsticeMonths.size(); ++Span) {
        const std::size_t First = SolsticeMonths[Span];
        const std::size_t Next = SolsticeMonths[Span + 1];
        bool LeapToPlace = Next - First == 13;
        int Number = 11;
        int LunarYear = SolsticeYears[Span];
        for (std::size_t Month = First; Month < Next; ++Month) {
            bool Leap = false;
            if (LeapToPlace && Month > First && !HasMajorTerm[Month]) {
                Leap = true;
                LeapToPlace = false;
            } else if (Month > First) {
                Number = Number % 12 + 1;
                if (Number == 1) {
                    ++LunarYear;
                }
            }
            Months.push_back({Starts[Month], NewMoons[Month], LunarYear, Number, Leap});
        }
    }
    return Months;
}
