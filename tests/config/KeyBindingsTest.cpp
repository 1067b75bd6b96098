// Key bindings in the DME options block: table slots and combination records,
// the 64-record limit, look-up, clearing and the default scheme.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "config/FunctionNames.h"
#include "config/KeyBindings.h"
#include "config/KeyNames.h"

namespace {

class KeyBindingsTest : public ::testing::Test {
protected:
    // Exactly one block, so that AddressSanitizer sees any access past it.
    std::vector<uint8_t> bytes = std::vector<uint8_t>(sizeof(DmeConfigData));
    DmeConfigData& dme = *reinterpret_cast<DmeConfigData*>(bytes.data());

    static constexpr FunctionSet kPageUp{kLowPageUp};
    static constexpr FunctionSet kPageDown{kLowPageDown};
};

TEST_F(KeyBindingsTest, TableKeysGoToTheSlotOfTheirShiftState) {
    StoreFunctionSet(dme, 0x41, kPageUp);
    StoreFunctionSet(dme, 0x141, kPageDown);
    StoreFunctionSet(dme, 0x87, kPageUp);  // "键F24"
    EXPECT_EQ(dme.keyFunctionTable[0x41].get(), kPageUp);
    EXPECT_EQ(dme.shiftKeyFunctionTable[0x41].get(), kPageDown);
    EXPECT_EQ(dme.keyFunctionTable[0x87].get(), kPageUp);
    EXPECT_EQ(dme.combinationCount, 0);

    EXPECT_EQ(FindFunctionSet(dme, 0x41, false), &dme.keyFunctionTable[0x41]);
    EXPECT_EQ(FindFunctionSet(dme, 0x141, true), &dme.shiftKeyFunctionTable[0x41]);
    EXPECT_EQ(FindFunctionSet(dme, 0x70, false), &dme.keyFunctionTable[0x70]) << "a slot exists even when empty";
}

TEST_F(KeyBindingsTest, OtherKeysTakeCombinationRecordsInOrder) {
    StoreFunctionSet(dme, 0x441, kPageUp);
    StoreFunctionSet(dme, 0x170, kPageDown);  // Shift+F1 has no Shift-table name
    StoreFunctionSet(dme, 0x441, kPageDown);  // the same key again
    ASSERT_EQ(dme.combinationCount, 2);
    EXPECT_EQ(dme.combinations[0].keyCode.get(), 0x441u);
    EXPECT_EQ(dme.combinations[0].functions.get(), kPageDown);
    EXPECT_EQ(dme.combinations[1].keyCode.get(), 0x170u);
    EXPECT_EQ(FindFunctionSet(dme, 0x441, false), &dme.combinations[0].functions);
    EXPECT_EQ(FindFunctionSet(dme, 0x170, true), &dme.combinations[1].functions);
    EXPECT_EQ(FindFunctionSet(dme, 0x241, false), nullptr);
    EXPECT_EQ(dme.keyFunctionTable[0x41].get(), FunctionSet{});
}

TEST_F(KeyBindingsTest, NoKeyAndZeroAreNeitherStoredNorFound) {
    const std::vector<uint8_t> before = bytes;
    StoreFunctionSet(dme, 0, kPageUp);
    StoreFunctionSet(dme, kNoKey, kPageUp);
    StoreFunctionSet(dme, static_cast<KeyCode>(0x80000441), kPageUp);
    EXPECT_EQ(bytes, before);
    EXPECT_EQ(FindFunctionSet(dme, 0, false), nullptr) << "free records hold key 0";
    EXPECT_EQ(FindFunctionSet(dme, kNoKey, false), nullptr);
}

TEST_F(KeyBindingsTest, The65thCombinationIsDroppedAndTheCountStays64) {
    for (int i = 0; i < kMaxCombinations; ++i) StoreFunctionSet(dme, 0x400 + i, {static_cast<uint32_t>(i + 1)});
    ASSERT_EQ(dme.combinationCount, 64);
    const std::vector<uint8_t> full = bytes;

    StoreFunctionSet(dme, 0x400 + kMaxCombinations, kPageUp);
    EXPECT_EQ(bytes, full);
    EXPECT_EQ(FindFunctionSet(dme, 0x400 + kMaxCombinations, false), nullptr);

    StoreFunctionSet(dme, 0x400 + 63, kPageUp);  // a key already held is still rebound
    EXPECT_EQ(dme.combinations[63].functions.get(), kPageUp);
    EXPECT_EQ(dme.combinationCount, 64);
}

TEST_F(KeyBindingsTest, LooksOnlyAtTheFirstCombinationCountRecordsAndFindsTheLastMatch) {
    for (int i : {0, 2, 5}) dme.combinations[i].keyCode = 0x641;
    dme.combinationCount = 3;
    EXPECT_EQ(FindFunctionSet(dme, 0x641, false), &dme.combinations[2].functions);
    StoreFunctionSet(dme, 0x641, kPageUp);
    EXPECT_EQ(dme.combinations[0].functions.get(), kPageUp) << "the store takes the first match";

    dme.combinationCount = 200;  // damaged: never read past the 64 records
    EXPECT_EQ(FindFunctionSet(dme, 0x641, false), &dme.combinations[5].functions);
    StoreFunctionSet(dme, 0x741, kPageUp);
    EXPECT_EQ(FindFunctionSet(dme, 0x741, false), nullptr);
    EXPECT_EQ(dme.combinationCount, 200);
}

TEST_F(KeyBindingsTest, ClearingLeavesRulesAndModuleSettingsAlone) {
    std::fill(bytes.begin(), bytes.end(), 0x5A);
    ClearKeyBindings(dme);
    const auto zero = [](uint8_t b) { return b == 0; };
    const auto same = [](uint8_t b) { return b == 0x5A; };
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.begin() + 8498, same));
    EXPECT_TRUE(std::all_of(bytes.begin() + 8504, bytes.begin() + 12601, zero));
    EXPECT_TRUE(std::all_of(bytes.begin() + 12601, bytes.begin() + 12608, same));
    EXPECT_TRUE(std::all_of(bytes.begin() + 12608, bytes.begin() + 13632, zero));
    EXPECT_TRUE(std::all_of(bytes.begin() + 13632, bytes.end(), same));
}

TEST_F(KeyBindingsTest, DefaultSchemeBindsTheListedKeysAndNothingElse) {
    StoreFunctionSet(dme, 0x441, kPageUp);
    StoreFunctionSet(dme, 0x141, kPageUp);
    StoreFunctionSet(dme, 0x70, kPageUp);
    LoadDefaultKeyScheme(dme);

    const std::pair<std::u16string, std::u16string> scheme[] = {
        {u"键Esc", u"清除输入"},    {u"键Backspace", u"编码前删"},
        {u"键Delete", u"编码后删"}, {u"键Enter", u"英文上屏"},
        {u" ", u"首选上屏"},        {u"1", u"第1候选上屏"},
        {u"2", u"第2候选上屏"},     {u"3", u"第3候选上屏"},
        {u"4", u"第4候选上屏"},     {u"5", u"第5候选上屏"},
        {u"6", u"第6候选上屏"},     {u"7", u"第7候选上屏"},
        {u"8", u"第8候选上屏"},     {u"9", u"第9候选上屏"},
        {u"0", u"第10候选上屏"},    {u"键左Shift", u"输入法打开/关闭"},
        {u"键PageUp", u"前翻页"},   {u"-", u"前翻页"},
        {u"键PageDown", u"后翻页"}, {u"=", u"后翻页"},
        {u"键Home", u"光标至头"},   {u"键End", u"光标至尾"},
        {u"键左箭头", u"光标左移"}, {u"键右箭头", u"光标右移"},
        {u"键上箭头", u"首选前移"}, {u"键下箭头", u"首选后移"},
    };
    std::map<int, FunctionSet> expected;
    for (const auto& [key, functions] : scheme) expected[ParseKeyName(key)] = ParseFunctionList(functions);
    ASSERT_EQ(expected.size(), std::size(scheme));

    for (int vk = 0; vk < kKeyFunctionSlots; ++vk) {
        const auto it = expected.find(vk);
        EXPECT_EQ(dme.keyFunctionTable[vk].get(), it == expected.end() ? FunctionSet{} : it->second) << vk;
        EXPECT_EQ(dme.shiftKeyFunctionTable[vk].get(), FunctionSet{}) << vk;
    }
    EXPECT_EQ(dme.combinationCount, 0);
    EXPECT_EQ(dme.combinations[0].keyCode.get(), 0u);
}

}  // namespace
