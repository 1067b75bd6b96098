// Word code rules as P<n>= lines, and back.
#include "config/WordRuleText.h"

#include <algorithm>
#include <cstring>

#include "base/DecimalText.h"

namespace {

constexpr size_t kRuleLineUnits = 255;  // with its NUL, 256
constexpr size_t kRebuiltLineUnits = 511;

constexpr int kLetterModulus = kRuleLetterMask + 1;
// Every larger number is out of range anyway.
constexpr uint32_t kNumberCap = 1000;

std::u16string ItemText(RuleItem item) {
    std::u16string text = u"L";
    text += DecimalText(RuleCharacter(item));
    text += (item & kRuleFForm) ? u'F' : u'B';
    return text + DecimalText(RuleLetter(item));
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The digits at `at`, capped, or taken modulo `modulus` when it is not 0;
// false when there is none.
bool ReadNumber(std::u16string_view line, size_t& at, uint32_t modulus, uint32_t& number) {
    const size_t start = at;
    number = 0;
    for (; at < line.size() && IsDigit(line[at]); ++at) {
        number = number * 10 + (line[at] - u'0');
        number = modulus ? number % modulus : std::min(number, kNumberCap);
    }
    return at > start;
}

bool IsEither(char16_t c, char16_t upper) { return c == upper || c == upper - u'A' + u'a'; }

// The items of the line after "P<n>=", or false for an unsound line.
bool ParseItems(std::u16string_view line, size_t at, int length, WordCodeRule& rule) {
    int count = 0;
    while (at < line.size()) {
        if (line[at] == u'+' && ++at == line.size()) break;
        const bool fromRight = IsEither(line[at], u'R');
        if (!fromRight && !IsEither(line[at], u'L')) return false;
        uint32_t number = 0;
        if (!ReadNumber(line, ++at, 0, number)) return false;
        const int character = fromRight ? length - static_cast<int>(number) + 1 : static_cast<int>(number);
        if (character < 1 || character > kMaxRuleWordLength || at == line.size()) return false;
        const bool fForm = IsEither(line[at], u'F');
        if (!fForm && !IsEither(line[at], u'B')) return false;
        uint32_t letter = 0;
        if (!ReadNumber(line, ++at, kLetterModulus, letter)) return false;
        if (count < kRuleItemsPerSlot) rule.items[count++] = MakeRuleItem(character, static_cast<int>(letter), fForm);
    }
    return true;
}

}  // namespace

std::vector<std::u16string> WordRuleLines(const DmeConfigData& dme) {
    std::vector<std::u16string> lines;
    for (int n = kMinRuleWordLength; n <= kMaxRuleWordLength; ++n) {
        const std::vector<RuleItem> items = RuleItemsOf(dme.wordCodeRules[n]);
        if (items.empty()) continue;
        std::u16string line = u"P";
        line += DecimalText(n);
        line += u'=';
        for (size_t i = 0; i < items.size(); ++i) {
            const std::u16string item = i ? u'+' + ItemText(items[i]) : ItemText(items[i]);
            // Whole items only: a cut item would make the reader refuse the rule.
            if (line.size() + item.size() > kRuleLineUnits) break;
            line += item;
        }
        lines.push_back(line);
    }
    return lines;
}

void ParseWordRule(DmeConfigData& dme, std::u16string_view key, std::u16string_view value) {
    const std::u16string line = (std::u16string(key) + u"=" + std::u16string(value)).substr(0, kRebuiltLineUnits);
    WordCodeRule& work = dme.wordCodeRules[0];
    std::memset(&work, 0, sizeof work);
    if (line.empty() || !IsEither(line[0], u'P')) return;
    size_t at = 1;
    uint32_t length = 0;
    if (!ReadNumber(line, at, 0, length) || length < kMinRuleWordLength || length > kMaxRuleWordLength) return;
    if (at == line.size() || line[at] != u'=') return;
    if (ParseItems(line, at + 1, static_cast<int>(length), work)) dme.wordCodeRules[length] = work;
}
