// The word code rule section of the settings text ("[-构词规则定义-]"): one
// line P<n>=<items> per word length, each item L<character>F<letter> or
// L<character>B<letter> joined by "+".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/DmeConfigData.h"

// A line for every word length 2 to 30 with a rule, positions counted from the
// left. A line holds at most 255 units; the items that do not fit are left out.
std::vector<std::u16string> WordRuleLines(const DmeConfigData& dme);

// Reads "P<n>" = items, where an item may also count its character from the
// right (R<q> is character n - q + 1), into slot n. The rule is built in slot 0,
// the reader's work area, and copied to slot n only when the whole line is
// sound; the first 128 items are kept.
void ParseWordRule(DmeConfigData& dme, std::u16string_view key, std::u16string_view value);
