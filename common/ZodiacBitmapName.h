#pragma once

// The zodiac picture for a text that names a year: the first of the twelve animals
// 鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪, in that order, whose character occurs in the text gives
// "BITMAP_13" .. "BITMAP_24". Empty when the text holds no animal. Texts are UTF-8.

#include <string>
#include <string_view>

std::string ZodiacBitmapName(std::string_view Text);
