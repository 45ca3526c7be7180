#include "notes/UNotesFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace notes {
namespace {

using TRule = TRepeat::TRule;

constexpr std::array<std::pair<TRule, const char*>, 6> RuleTexts{{
    {TRule::Daily, "每天"},
    {TRule::Weekly, "每周"},
    {TRule::Monthly, "每月"},
    {TRule::Yearly, "每年"},
    {TRule::LunarMonthly, "每月农历"},
    {TRule::LunarYearly, "每年农历"},
}};

} // namespace

TRepeat TRepeat::FromText(std::string Text) {
    TRepeat Repeat;
    if (Text.empty()) {
        return Repeat;
    }
    for (const auto& [Rule, RuleText] : RuleTexts) {
        if (Text == RuleText) {
            Repeat.FRule = Rule;
            return Repeat;
        }
    }
    Repeat.FOther = std::move(Text);
    return Repeat;
}

std::string TRepeat::Text() const {
    if (FOther) {
        return *FOther;
    }
    for (const auto& [Rule, RuleText] : RuleTexts) {
        if (Rule == FRule) {
            return RuleText;
        }
    }
    return {};
}

TAdvance::TAdvance(int Minutes) : FMinutes(std::clamp(Minutes, 0, MaxMinutes)) {}

TAdvance TAdvance::FromText(std::string Text) {
    TAdvance Advance;
    if (Text.empty()) {
        return Advance;
    }
    int Minutes = 0;
    const char* End = Text.data() + Text.size();
    const auto [Stop, Failure] = std::from_chars(Text.data(), End, Minutes);
    // Only the plain decimal form is a known text, so it writes back as it was read.
    const bool Plain = Failure == std::errc() && Stop == End && Minutes >= 0 &&
                       Minutes <= MaxMinutes && std::to_string(Minutes) == Text;
    if (Plain) {
        Advance.FMinutes = Minutes;
    } else {
        Advance.FOther = std::move(Text);
    }
    return Advance;
}

std::string TAdvance::Text() const {
    return FOther ? *FOther : std::to_string(FMinutes);
}

} // namespace notes
