// Word code rules of the DME options block.
#include "config/DmeConfigData.h"

std::vector<RuleItem> RuleItemsOf(const WordCodeRule& rule) {
    std::vector<RuleItem> items;
    for (const Le16& item : rule.items) {
        if (item == 0) break;
        items.push_back(item);
    }
    return items;
}

void StoreRule(WordCodeRule& rule, std::span<const RuleItem> items) {
    for (size_t i = 0; i < std::size(rule.items); ++i) rule.items[i] = i < items.size() ? items[i] : RuleItem{0};
}
