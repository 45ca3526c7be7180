#include "terminal/CalArguments.h"

#include "calendar/DayDetails.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <tuple>

namespace {

bool ReadNumber(const std::string& Text, int& Value) {
    const char* End = Text.data() + Text.size();
    const auto [Stop, Fault] = std::from_chars(Text.data(), End, Value);
    return !Text.empty() && Text.size() <= 4 && Fault == std::errc{} && Stop == End;
}

std::string ReadYear(const std::string& Text, int& Year) {
    if (!ReadNumber(Text, Year)) {
        return "年份格式有误：" + Text;
    }
    if (Year < FirstSupportedYear || Year > LastSupportedYear) {
        return "年份超出范围（" + std::to_string(FirstSupportedYear) + " 至 " +
               std::to_string(LastSupportedYear) + "）：" + Text;
    }
    return {};
}

std::string ReadMonth(const std::string& Text, int& Month) {
    if (!ReadNumber(Text, Month) || Month < 1 || Month > 12) {
        return "月份应为 1 至 12：" + Text;
    }
    return {};
}

// "YYYY-MM-DD", a real date within the calendar's range.
std::string ReadDate(const std::string& Text, TCalDate& Date) {
    if (!ReadIsoDate(Text, Date.Year, Date.Month, Date.Day)) {
        return "日期格式有误（应为 YYYY-MM-DD）：" + Text;
    }
    if (!IsSupportedDate(Date.Year, Date.Month, Date.Day)) {
        return "日期超出范围（" + std::to_string(FirstSupportedYear) + "-01-01 至 " +
               std::to_string(LastSupportedYear) + "-12-31）：" + Text;
    }
    return {};
}

bool Before(const TCalDate& A, const TCalDate& B) {
    return std::tie(A.Year, A.Month, A.Day) < std::tie(B.Year, B.Month, B.Day);
}

std::string ReadRange(const std::vector<std::string>& Args, std::size_t At, TCalCommand& Command) {
    if (Args.size() < At + 2) {
        return Args[At - 1] + " 需要起止两个日期";
    }
    if (std::string Fault = ReadDate(Args[At], Command.From); !Fault.empty()) {
        return Fault;
    }
    if (std::string Fault = ReadDate(Args[At + 1], Command.To); !Fault.empty()) {
        return Fault;
    }
    if (Before(Command.To, Command.From)) {
        return "起始日期晚于结束日期：" + Args[At] + " " + Args[At + 1];
    }
    return {};
}

std::string Read(const std::vector<std::string>& Args, TCalCommand& Command) {
    for (const std::string& Arg : Args) {
        const bool Known = Arg == "--day" || Arg == "--table" || Arg == "--ics" ||
                           Arg == "--lunar-days" || Arg == "--notes" || Arg == "--notes-ics" ||
                           Arg == "--help" || Arg == "-h";
        if (Arg.starts_with("-") && !Known) {
            return "未知选项：" + Arg;
        }
    }
    const std::string First = Args.empty() ? std::string() : Args[0];
    std::size_t Used = 0;
    std::string Fault;
    if (First == "--help" || First == "-h") {
        Command.Action = TCalAction::Help;
        Used = 1;
    } else if (First == "--day") {
        Command.Action = TCalAction::Day;
        Fault = Args.size() < 2 ? "--day 需要一个日期" : ReadDate(Args[1], Command.From);
        Used = 2;
    } else if (First == "--table") {
        Command.Action = TCalAction::Table;
        Fault = ReadRange(Args, 1, Command);
        Used = 3;
    } else if (First == "--ics") {
        Command.Action = TCalAction::Ics;
        Fault = ReadRange(Args, 1, Command);
        Used = 3;
        if (Fault.empty() && Args.size() > 3 && Args[3] == "--lunar-days") {
            Command.LunarDays = true;
            Used = 4;
        }
    } else if (First == "--notes") {
        Command.Action = TCalAction::Notes;
        // TO defaults to FROM.
        std::vector<std::string> Range = Args;
        if (Range.size() == 2) {
            Range.push_back(Range[1]);
        }
        Fault = Range.size() < 2 ? "--notes 需要一个或两个日期" : ReadRange(Range, 1, Command);
        Used = std::min<std::size_t>(Args.size(), 3);
    } else if (First == "--notes-ics") {
        Command.Action = TCalAction::NotesIcs;
        Used = 1;
    } else if (First == "--lunar-days") {
        Fault = "--lunar-days 只能跟在 --ics 起 止 之后";
    } else if (!Args.empty()) {
        Command.Action = Args.size() == 1 ? TCalAction::Year : TCalAction::Month;
        Fault = ReadYear(Args[0], Command.Year);
        if (Fault.empty() && Args.size() >= 2) {
            Fault = ReadMonth(Args[1], Command.Month);
        }
        Used = std::min<std::size_t>(Args.size(), 2);
    }
    if (Fault.empty() && Args.size() > Used) {
        Fault = "多余的参数：" + Args[Used];
    }
    return Fault;
}

} // namespace

const char* const CalUsage = "用法：ruxa-cal [年 [月]] | --day YYYY-MM-DD | --table 起 止 | "
                             "--ics 起 止 [--lunar-days] | --notes 起 [止] | --notes-ics";

TCalArguments ReadCalArguments(const std::vector<std::string>& Args) {
    TCalArguments Read;
    Read.Fault = ::Read(Args, Read.Command);
    return Read;
}

std::vector<TCalDate> DaysBetween(const TCalDate& From, const TCalDate& To) {
    using namespace std::chrono;
    const auto Days = [](const TCalDate& D) {
        return sys_days{year{D.Year} / static_cast<unsigned>(D.Month) /
                        static_cast<unsigned>(D.Day)};
    };
    std::vector<TCalDate> All;
    for (sys_days Day = Days(From); Day <= Days(To); Day += days{1}) {
        const year_month_day Date{Day};
        All.push_back({static_cast<int>(Date.year()),
                       static_cast<int>(static_cast<unsigned>(Date.month())),
                       static_cast<int>(static_cast<unsigned>(Date.day()))});
    }
    return All;
}
