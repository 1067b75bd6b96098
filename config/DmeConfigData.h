// The DME options block of config.dsc ("zv_dme_config_data_default"): the
// word code rules, the key function tables and the key combinations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/LittleEndian.h"
#include "config/FunctionSet.h"
#include "config/SettingsFile.h"

// One item of a word code rule: one code letter of one character of the word.
using RuleItem = uint16_t;

constexpr RuleItem kRuleLetterMask = 0x007F;     // letter of the character's code, 1 up; 0: the whole code
constexpr RuleItem kRuleCharacterMask = 0x7F00;  // character of the word, 1 up from the first
constexpr int kRuleCharacterShift = 8;
constexpr RuleItem kRuleFForm = 0x8000;  // the F form of the text; code making ignores it

constexpr RuleItem MakeRuleItem(int character, int letter, bool fForm = false) {
    return static_cast<RuleItem>(((character << kRuleCharacterShift) & kRuleCharacterMask) |
                                 (letter & kRuleLetterMask) | (fForm ? kRuleFForm : 0));
}
constexpr int RuleCharacter(RuleItem item) { return (item & kRuleCharacterMask) >> kRuleCharacterShift; }
constexpr int RuleLetter(RuleItem item) { return item & kRuleLetterMask; }

constexpr int kRuleItemsPerSlot = 128;
constexpr int kMinRuleWordLength = 2;
constexpr int kMaxRuleWordLength = 30;

// The rule for words of one length: items up to a 0 item or the slot's end.
struct WordCodeRule {
    Le16 items[kRuleItemsPerSlot];
};
static_assert(sizeof(WordCodeRule) == 256);

std::vector<RuleItem> RuleItemsOf(const WordCodeRule& rule);
// Replaces the whole slot: the items (at most 128 are kept), then zeros.
void StoreRule(WordCodeRule& rule, std::span<const RuleItem> items);

struct KeyCombination {
    Le32 keyCode;   // 0: a free record
    Le32 reserved;  // written 0
    StoredFunctionSet functions;
};
static_assert(sizeof(KeyCombination) == 16);

constexpr int kKeyFunctionSlots = 256;
constexpr int kMaxCombinations = 64;

struct DmeConfigData {
    static constexpr char kName[] = "zv_dme_config_data_default";
    static constexpr uint8_t kType = 2;

    SettingsBlockHeader header;
    uint8_t moduleSettings[270];  // the input method module's own
    // Slot n holds the rule for words of n characters, n = 2 to 30; slot 0 is
    // the text reader's work area; 1 and 31 are not used.
    WordCodeRule wordCodeRules[32];
    uint8_t unused8498[6];
    StoredFunctionSet keyFunctionTable[kKeyFunctionSlots];       // by virtual key, no modifiers
    StoredFunctionSet shiftKeyFunctionTable[kKeyFunctionSlots];  // by virtual key, with Shift
    uint8_t combinationCount;  // records in use, 0 to 64; they need not be the first ones
    uint8_t unused12601[7];
    KeyCombination combinations[kMaxCombinations];
    uint8_t unused13632[256];
};
static_assert(offsetof(DmeConfigData, moduleSettings) == 36);
static_assert(offsetof(DmeConfigData, wordCodeRules) == 306);
static_assert(offsetof(DmeConfigData, keyFunctionTable) == 8504);
static_assert(offsetof(DmeConfigData, shiftKeyFunctionTable) == 10552);
static_assert(offsetof(DmeConfigData, combinationCount) == 12600);
static_assert(offsetof(DmeConfigData, combinations) == 12608);
static_assert(offsetof(DmeConfigData, unused13632) == 13632);
static_assert(sizeof(DmeConfigData) == 13888 && alignof(DmeConfigData) == 1);
