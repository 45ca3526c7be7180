// The fixed Gregorian festivals and memorial days, keyed by month and day.

#include "calendar/UCalendar.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct TFestival {
    int Key; // month * 100 + day
    std::string_view Name;
};

constexpr std::array<TFestival, 50> Festivals = {{
    {101, "元旦节"},
    {202, "世界湿地日"},
    {210, "国际气象节"},
    {214, "西方情人节"},
    {301, "国际海豹日"},
    {303, "全国爱耳日"},
    {305, "中国青年志愿者服务日"},
    {308, "国际劳动妇女节"},
    {312, "中国植树节"},
    {314, "国际警察日"},
    {315, "国际消费者权益日"},
    {317, "国际航海日"},
    {321, "世界森林日"},
    {322, "世界水日"},
    {323, "世界气象日"},
    {324, "世界防治结核病日"},
    {401, "国际愚人节"},
    {407, "世界卫生日"},
    {422, "世界地球日"},
    {426, "世界知识产权日"},
    {501, "国际劳动节"},
    {504, "中国青年节"},
    {508, "世界红十字日"},
    {512, "国际护士节"},
    {515, "国际家庭日"},
    {517, "世界电信日"},
    {519, "中国旅游日"},
    {531, "世界无烟日"},
    {601, "国际儿童节"},
    {605, "世界环境日"},
    {606, "全国爱眼日"},
    {611, "中国人口日"},
    {614, "世界献血日"},
    {620, "世界难民日"},
    {623, "世界手球日"},
    {625, "全国土地日"},
    {626, "国际禁毒日"},
    {701, "香港回归纪念日"},
    {711, "世界人口日"},
    {801, "建军节"},
    {910, "中国教师节"},
    {918, "中国国耻日"},
    {920, "全国爱牙日"},
    {921, "国际和平日"},
    {927, "世界旅游日"},
    {1001, "国庆节"},
    {1004, "世界动物日"},
    {1005, "世界教师日"},
    {1220, "澳门回归纪念日"},
    {1221, "国际篮球日"},
}};

static_assert(std::ranges::adjacent_find(Festivals,
                                         [](const TFestival& A, const TFestival& B) {
                                             return A.Key >= B.Key;
                                         }) == Festivals.end(),
              "the festivals must be in strictly rising key order");

} // namespace

std::string FestivalName(TDateTime Date) {
    const TDateParts Parts = DecodeDateTime(Date);
    const int Key = Parts.Month * 100 + Parts.Day;
    const auto Found = std::ranges::lower_bound(Festivals, Key, {}, &TFestival::Key);
    if (Found == Festivals.end() || Found->Key != Key) {
        return {};
    }
    return std::string(Found->Name);
}
