// The punctuation ("[-非编码符号转义定义表-]") and key-radical ("[-键位字根表-]")
// sections of the settings text. Both name an entry by its one-character key:
// the character itself from code 32 on, the keypad and other slots below 32
// by U+FF00 + index.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/ImeConfigData.h"

// The entry lines, then the smart punctuation and caret-left lists with
// their comment lines.
std::vector<std::u16string> PunctuationLines(const ImeConfigData& ime);
// "使用键位字根表", then a line for every entry with radicals.
std::vector<std::u16string> KeyRadicalLines(const ImeConfigData& ime);

// "智能标点表" and "光标左移的标点表" mark the listed entries; any other key
// defines its entry: two texts around the first comma, else one text.
void ApplyPunctuationLine(ImeConfigData& ime, std::u16string_view key, std::u16string_view value);
// "使用键位字根表" switches the table on by a value beginning with "是"; any
// other key gives its entry the value.
void ApplyKeyRadicalLine(ImeConfigData& ime, std::u16string_view key, std::u16string_view value);
