#include "common/ZodiacBitmapName.h"

#include <array>

std::string ZodiacBitmapName(std::string_view Text) {
    static constexpr std::array<std::string_view, 12> Animals{"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                              "马", "羊", "猴", "鸡", "狗", "猪"};
    // UTF-8 never starts a character inside another, so a byte search for an animal's
    // encoding finds whole characters only.
    for (std::size_t I = 0; I < Animals.size(); ++I)
        if (Text.find(Animals[I]) != std::string_view::npos)
            return "BITMAP_" + std::to_string(13 + I);
    return {};
}
