#include "TermTable.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr double MeanTropicalYearMinutes = 365.2421897 * 1440;

std::int64_t Knot(const TTermTable& Table, int KnotIndex, int Index) {
    std::int64_t Value = Table.FirstKnots[static_cast<std::size_t>(Index)];
    for (int Step = 0; Step < KnotIndex; ++Step) {
        Value += TermKnotStepMinutes +
                 Table.KnotSteps[static_cast<std::size_t>(Step)][static_cast<std::size_t>(Index)];
    }
    return Value;
}

std::int64_t Predicted(const TTermTable& Table, int Year, int Index) {
    const int KnotIndex = std::min((Year - TermTableFirstYear) / TermKnotYears, TermKnotCount - 2);
    const int Into = Year - TermTableFirstYear - KnotIndex * TermKnotYears;
    const std::int64_t From = Knot(Table, KnotIndex, Index);
    const std::int64_t To = Knot(Table, KnotIndex + 1, Index);
    return From + Into * (To - From) / TermKnotYears;
}

} // namespace

TTermTable EncodeTermTable(const std::vector<std::int64_t>& Moments) {
    const int Years = TermTableLastYear - TermTableFirstYear + 1;
    const auto Moment = [&](int Year, int Index) {
        return Moments.at(static_cast<std::size_t>((Year - TermTableFirstYear) * 24 + Index));
    };
    TTermTable Table;
    std::vector<std::array<std::int64_t, 24>> Knots(TermKnotCount);
    for (int K = 0; K < TermKnotCount; ++K) {
        const int KnotYear = TermTableFirstYear + K * TermKnotYears;
        for (int Index = 0; Index < 24; ++Index) {
            double Sum = 0;
            int Count = 0;
            for (int Year = std::max(TermTableFirstYear, KnotYear - TermKnotYears / 2);
                 Year <= std::min(TermTableLastYear, KnotYear + TermKnotYears / 2); ++Year) {
                Sum += static_cast<double>(Moment(Year, Index)) -
                       (Year - KnotYear) * MeanTropicalYearMinutes;
                ++Count;
            }
            Knots[static_cast<std::size_t>(K)][static_cast<std::size_t>(Index)] =
                std::llround(Sum / Count);
        }
    }
    for (int Index = 0; Index < 24; ++Index) {
        Table.FirstKnots[static_cast<std::size_t>(Index)] =
            static_cast<std::int32_t>(Knots[0][static_cast<std::size_t>(Index)]);
    }
    for (int K = 0; K + 1 < TermKnotCount; ++K) {
        std::array<std::int8_t, 24> Row{};
        for (std::size_t Index = 0; Index < 24; ++Index) {
            const std::int64_t Step = Knots[static_cast<std::size_t>(K + 1)][Index] -
                                      Knots[static_cast<std::size_t>(K)][Index] -
                                      TermKnotStepMinutes;
            if (Step < -128 || Step > 127) {
                throw std::runtime_error("a knot step does not fit 8 bits");
            }
            Row[Index] = static_cast<std::int8_t>(Step);
        }
        Table.KnotSteps.push_back(Row);
    }
    for (int Year = TermTableFirstYear; Year < TermTableFirstYear + Years; ++Year) {
        std::array<std::int64_t, 24> Residuals{};
        for (int Index = 0; Index < 24; ++Index) {
            Residuals[static_cast<std::size_t>(Index)] =
                Moment(Year, Index) - Predicted(Table, Year, Index);
        }
        const auto [Low, High] = std::ranges::minmax(Residuals);
        const std::int64_t Base = static_cast<std::int64_t>(std::floor((Low + High) / 2.0));
        if (Base < -128 || Base > 127) {
            throw std::runtime_error("a year's offset does not fit 8 bits");
        }
        const auto BaseBits = static_cast<std::uint64_t>(Base + 128);
        std::array<std::uint64_t, 2> Words{(BaseBits & 0xF) << 60, (BaseBits >> 4) << 60};
        for (int Index = 0; Index < 24; ++Index) {
            const std::int64_t Field = Residuals[static_cast<std::size_t>(Index)] - Base + 16;
            if (Field < 0 || Field > 31) {
                throw std::runtime_error("a term residual does not fit 5 bits");
            }
            Words[static_cast<std::size_t>(Index / 12)] |= static_cast<std::uint64_t>(Field)
                                                           << (5 * (Index % 12));
        }
        Table.YearResiduals.push_back(Words);
    }
    return Table;
}

std::int64_t DecodeTermMoment(const TTermTable& Table, int Year, int Index) {
    const auto& Words = Table.YearResiduals[static_cast<std::size_t>(Year - TermTableFirstYear)];
    const auto Base = static_cast<std::int64_t>((Words[0] >> 60) | (Words[1] >> 60) << 4) - 128;
    const auto Field = static_cast<std::int64_t>(
        Words[static_cast<std::size_t>(Index / 12)] >> (5 * (Index % 12)) & 0x1F);
    return Predicted(Table, Year, Index) + Base + Field - 16;
}
