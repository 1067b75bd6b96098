// Function lists: the written forms, the shared number field, the customise
// and "配置 - " rules, and that sets read back from what is written.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "config/FunctionNames.h"

namespace {

FunctionSet Numbered(uint32_t low, uint32_t high, int number) {
    FunctionSet functions{low, high};
    SetFunctionNumber(functions, number);
    return functions;
}

std::string Describe(FunctionSet functions) {
    char text[40];
    snprintf(text, sizeof text, "{0x%X, 0x%X}", functions.low, functions.high);
    return text;
}

TEST(FunctionListOfTest, WritesEachNameWithAComma) {
    const std::pair<FunctionSet, std::u16string> cases[] = {
        {{}, u""},
        {Numbered(kLowCommitGroup, 0, 11), u"英文上屏,"},
        {{kLowPageUp | kLowPageDown}, u"前翻页,后翻页,"},
        {Numbered(kLowCommitGroup | kLowAdjustGroup, 0, 5), u"第5候选上屏,第5候选调频,"},
        {Numbered(kLowCommitGroup | kLowDeleteGroup, 0, 10), u"第10候选上屏,第10候选删除,"},
        {Numbered(kLowCommitGroup, 0, 12), u"倒数第1候选上屏,"},
        {Numbered(kLowCommitGroup, 0, 14), u""},  // no commit item has that number
        {Numbered(kLowAdjustGroup | kLowDeleteGroup, kHighCustomiseGroup, 0), u""},
        {Numbered(kLowAdjustGroup, 0, 11), u""},
        {{kLowImeOnOff | kLowSchemeMainAux | kLowSchemeMainMixed | kLowFirstBackward},
         u"输入法打开/关闭,输入方案主/辅切换,输入方案主/混切换,首选后移,"},
        {{kLowCursorHome | kLowDeleteCodeAfter, kHighOnlineDeleteWord | kHighToggleInterface},
         u"光标至头,编码后删,显示|关闭界面,在线删词,"},
        {{0, kHighConfigHelp | kHighConfigAbout | kHighConfigDictionary}, u"配置 - 帮助,"},
        {{0, 0x0000FFFF},
         u"显示|关闭界面,显示|关闭候选窗口,上屏转换 - 简体,上屏转换 - 繁体,软键盘切换,在线加词,在线删词,"
         u"配置 - 主页,"},
        {{0, kHighCustom2}, u"定制2"},
        {{0, kHighCustom1 | kHighCustom3}, u"定制1定制3"},
        {Numbered(0, kHighCustom3 | kHighCustomiseGroup, 4), u"定制3第4候选定制,"},
        {{0x00C0F000, 0x0F000000}, u"输入方案主/辅切换,输入方案主/混切换,光标左移,光标右移,光标至头,光标至尾,"},
    };
    for (const auto& [functions, text] : cases) EXPECT_EQ(FunctionListOf(functions), text) << Describe(functions);
}

TEST(ParseFunctionListTest, FindsNamesAnywhereWithTheirQuirks) {
    const std::pair<std::u16string, FunctionSet> cases[] = {
        {u"", {}},
        {u"前翻页后翻页", {kLowPageUp | kLowPageDown}},
        {u"x 清除输入 ;; 撤销输入", {kLowClearInput | kLowUndoInput}},
        {u"第3候选上屏,第5候选调频", Numbered(kLowCommitGroup | kLowAdjustGroup, 0, 5)},
        {u"第5候选调频,第3候选上屏", Numbered(kLowCommitGroup | kLowAdjustGroup, 0, 5)},  // groups go in a fixed order
        {u"倒数第1候选上屏", Numbered(kLowCommitGroup, 0, 12)},
        {u"第10候选上屏", Numbered(kLowCommitGroup, 0, 10)},
        {u"首选顶屏,首选上屏", Numbered(kLowCommitGroup, 0, 13)},
        {u"定制2,第3候选定制", {0, kHighCustom2}},
        {u"定制3定制1", {0, kHighCustom1}},
        {u"第2候选定制第1候选定制", Numbered(0, kHighCustomiseGroup, 1)},
        {u"第4候选删除,第2候选定制", Numbered(kLowDeleteGroup, kHighCustomiseGroup, 2)},
        {u"配置 - 帮助,配置 - 关于", {0, kHighConfigHelp | kHighConfigAbout}},
        {u"英文输入", {}},
        {u"前翻頁", {}},
    };
    for (const auto& [text, functions] : cases) {
        const FunctionSet parsed = ParseFunctionList(text);
        EXPECT_EQ(parsed, functions) << Describe(parsed) << " for " << Describe(functions);
    }
}

TEST(ParseFunctionListTest, SharedNumberIsWrittenBackForBothGroups) {
    const FunctionSet functions = ParseFunctionList(u"第3候选上屏,第5候选调频,");
    EXPECT_EQ(FunctionNumber(functions), 5);
    EXPECT_EQ(FunctionListOf(functions), u"第5候选上屏,第5候选调频,");
}

std::vector<FunctionSet> EverySingleFunction() {
    std::vector<FunctionSet> sets;
    const uint32_t groups = kLowCommitGroup | kLowNumberMask | kLowAdjustGroup | kLowDeleteGroup;
    for (uint32_t bit = 1; bit != 0; bit <<= 1) {
        if ((0x03FFFFFF & ~groups) & bit) sets.push_back({bit, 0});
        if ((0x7000EFBF & bit)) sets.push_back({0, bit});
    }
    for (int n = 0; n <= 13; ++n) sets.push_back(Numbered(kLowCommitGroup, 0, n));
    for (int n = 1; n <= 10; ++n) {
        sets.push_back(Numbered(kLowAdjustGroup, 0, n));
        sets.push_back(Numbered(kLowDeleteGroup, 0, n));
        sets.push_back(Numbered(0, kHighCustomiseGroup, n));
    }
    return sets;
}

TEST(FunctionListRoundTripTest, EverySingleFunctionReadsBack) {
    for (const FunctionSet& functions : EverySingleFunction()) {
        const std::u16string text = FunctionListOf(functions);
        EXPECT_FALSE(text.empty()) << Describe(functions);
        EXPECT_EQ(ParseFunctionList(text), functions) << Describe(functions);
    }
}

TEST(FunctionListRoundTripTest, MixesReadBack) {
    const FunctionSet cases[] = {
        {kLowPageUp | kLowPageDown},
        Numbered(kLowCommitGroup | kLowAdjustGroup | kLowDeleteGroup, 0, 1),
        Numbered(kLowCommitGroup | kLowAdjustGroup | kLowDeleteGroup | kLowClearInput, kHighCustomiseGroup, 10),
        Numbered(kLowCommitGroup | kLowImeOnOff, 0, 12),
        {0x03FFFFFF & ~(kLowCommitGroup | kLowNumberMask | kLowAdjustGroup | kLowDeleteGroup),
         kHighToggleInterface | kHighToggleCandidateWindow | kHighConvertSimplified | kHighConvertTraditional |
             kHighSoftKeyboard | kHighOnlineAddWord | kHighOnlineDeleteWord | kHighConfigClipboardLookup},
        Numbered(kLowCursorLeft | kLowCommitGroup, kHighSoftKeyboard | kHighConfigDictionary | kHighCustom2, 0),
        Numbered(kLowSearchMainMixed | kLowSearchMainSecondary | kLowCommitGroup, kHighOnlineAddWord, 13),
    };
    for (const FunctionSet& functions : cases)
        EXPECT_EQ(ParseFunctionList(FunctionListOf(functions)), functions) << Describe(functions);
}

TEST(FunctionListOfTest, EveryFunctionAtOnceFitsTheTextForm) {
    const FunctionSet all = Numbered(0xFFFFFFFF, 0xFFFFFFFF, 10);
    EXPECT_LT(FunctionListOf(all).size(), kFunctionListUnits);
}

}  // namespace
