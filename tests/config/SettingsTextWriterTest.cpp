// The settings text as written: the whole text of a new config.dsc, the lines
// of each section for the cases that change them, the module's sections with
// and without its settings object, and the failures of the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/Utf8Text.h"
#include "config/ImeSettingsText.h"
#include "config/KeyBindings.h"
#include "config/KeyFunctionText.h"
#include "config/KeyTableText.h"
#include "config/SettingsTextWriter.h"
#include "config/TextFile.h"
#include "config/WordRuleText.h"
#include "platform/StdioFile.h"
#include "tests/support/InProcessSettingsObject.h"
#include "tests/support/SettingsBlocks.h"
#include "tests/support/TempDir.h"

namespace {

using Lines = std::vector<std::u16string>;

std::u16string Joined(const Lines& lines) {
    std::u16string text;
    for (const std::u16string& line : lines) text += line + u"\r\n";
    return text;
}

Lines Banner(std::u16string_view title, std::u16string_view header) {
    const std::u16string dashes = u"//------------------------------------------------------";
    return {dashes, u"//  　　　　　　　 " + std::u16string(title), dashes, u"[-" + std::u16string(header) + u"-]"};
}

class SettingsTextWriterTest : public ::testing::Test {
protected:
    // The text of the file, checked to be the mark and UTF-8.
    std::u16string Written(const SettingsTextTable* settings) {
        const std::u16string path = dir.File("settings.txt");
        EXPECT_TRUE(WriteSettingsText(path.c_str(), blocks.ime(), settings, blocks.dme(), blocks.skin()));
        const std::vector<uint8_t> bytes = ReadBytes(dir.path() / "settings.txt");
        EXPECT_GE(bytes.size(), 3u);
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 3), (std::vector<uint8_t>{0xEF, 0xBB, 0xBF}));
        std::u16string text;
        EXPECT_EQ(ReadTextFile(path.c_str(), text), kTextFileRead);
        EXPECT_EQ(static_cast<ptrdiff_t>(bytes.size()), 3 + ToUtf8(text, nullptr, 0)) << "no NUL or other bytes after";
        return text;
    }

    TempDir dir;
    SettingsBlocks blocks;
};

TEST_F(SettingsTextWriterTest, NewConfigFileGivesTheWholeText) {
    SetModuleData(blocks.dme(), u"甲");
    SetModuleData(blocks.skin(), u"乙");
    InProcessSettingsObject object;

    Lines expected = Banner(u"IME设置", u"IME设置");
    const Lines ime = {
        u"//可选：“上屏英文”、“上屏英文+空格”、“清屏”之一",
        u"空码时空格行为=清屏",
        u"",
        u"//每次打开输入法时的标点符号状态,一般设置为“与系统转换状态一致”",
        u"//如需特别指定，可设置“输入法打开”或“输入法关闭”、“中文标点”或“英文标点”、“全角”或“半角”",
        u"初始化转换状态=与系统转换状态一致",
        u"",
        u"//关闭输入法时，将当前的标点状态保存为“初始化转换状态”，下次打开输入法时标点状态与此一致。",
        u"//该选项仅当“初始化转换状态”为“自定义”时有效。",
        u"保存自定义的初始化转换状态=否",
        u"",
        u"//可选：“TSF-嵌入编码”、“TSF-嵌入首选”、“TSF-传统样式”、“IME-传统样式”之一",
        u"编码窗口样式=IME-传统样式",
        u"",
        u"是否嵌入状态栏窗口=否",
        u"隐藏嵌入的首候选=否",
        u"仅重码时显示候选窗口=否",
        u"",
        u"//可选：“固定位置”、“跟随状态栏”、“跟随光标”之一",
        u"候选窗口位置=跟随光标",
        u"",
        u"//如果生成时包含了词典，系统默认当鼠标在候选窗口悬停800毫秒后打开词典窗口。如果您不需要该功能，可在此处关闭",
        u"禁用鼠标悬停词典=否",
        u"",
        u"隐藏候选窗口=否",
        u"隐藏状态条窗口=否",
        u"",
        u"隐藏词条相同编码不同的后续候选=否",
        u"是否打开非编码按键顶屏=是",
        u"中英文切换时上屏输入字符=否",
        u"是否开启命令直通车=否",
        u"Capslock转英文标点=否",
        u"禁用组合快捷键=否",
        u"首字母大写开启临时英文输入=否",
        u"是否在上屏时开启词语联想=否",
        u"",
        u"临时词功能开启=否",
        u"临时词上屏即存=否",
        u"临时词重启电脑后清空=否",
        u"",
        u"//如果此项设置为是，程序依据每次上屏时的编码和构词规则生成临时词",
        u"//否则，程序在单字编码表中查询每个单字编码后，依据构词规则生成临时词",
        u"智能模式生成临时词=否",
        u"",
        u"//可选：“主+辅”、“主”、“辅”之一",
        u"输入方案=主",
        u"",
        u"//检索范围仅限定次显码表，当“检索次显码表为否”时,“候选为空时检索次显码表”有效",
        u"检索次显码表=否",
        u"空码时检索次显码表=否",
        u"",
        u"//可选：“单字先见”、“按编码排序”、“码表原始序”之一",
        u"候选列表排序依据=码表原始序",
        u"",
        u"//可选：1~10之间整数",
        u"候选列表显示个数=5",
        u"",
        u"//可选：“一次到顶”、“逐渐调整”、“累加上屏数”、“禁止调整”之一",
        u"词频调整=禁止调整",
        u"",
    };
    expected.insert(expected.end(), ime.begin(), ime.end());
    for (const Lines& part : {Banner(u"DME设置", u"DME设置"), Lines{u"模块数据=甲"}, Banner(u"SKIN设置", u"SKIN设置"),
                              Lines{u"模块数据=乙"}, Banner(u"中文符号定义", u"非编码符号转义定义表")})
        expected.insert(expected.end(), part.begin(), part.end());
    const Lines punctuation = {
        u"//智能标点键位表，该表中指定的健位，第一次输入为中文标点，第二次输入删除中文并上屏英文标点。",
        u"//数字后半角标点行为也受此功能影响，再次输入时删除半角标点并上屏中文标点。",
        u"智能标点表=",
        u"",
        u"//光标左移的标点表，该表中指定的键位在输出中文标点符号后，会模拟一次键盘光标左移键",
        u"光标左移的标点表=",
        u"",
    };
    expected.insert(expected.end(), punctuation.begin(), punctuation.end());
    for (const Lines& part :
         {Banner(u"键位字根表", u"键位字根表"), Lines{u"使用键位字根表=否"}, Banner(u"按键功能", u"按键功能")})
        expected.insert(expected.end(), part.begin(), part.end());
    const Lines keys = {
        u"键Backspace=编码前删,", u"键Enter=英文上屏,",  u"键Esc=清除输入,",    u" =首选上屏,",
        u"键PageUp=前翻页,",      u"键PageDown=后翻页,", u"键End=光标至尾,",    u"键Home=光标至头,",
        u"键左箭头=光标左移,",    u"键上箭头=首选前移,", u"键右箭头=光标右移,", u"键下箭头=首选后移,",
        u"键Delete=编码后删,",    u"0=第10候选上屏,",
    };
    expected.insert(expected.end(), keys.begin(), keys.end());
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        expected.push_back(digit + (u"=第" + std::u16string(1, digit) + u"候选上屏,"));
    for (const std::u16string line : {u"键左Shift=输入法打开/关闭,", u"==后翻页,", u"-=前翻页,"})
        expected.push_back(line);
    const Lines rules = Banner(u"构词规则定义", u"构词规则定义");
    expected.insert(expected.end(), rules.begin(), rules.end());
    expected.push_back(u"P2=L1B1+L1B2+L2B1+L2B2");
    expected.push_back(u"P3=L1B1+L2B1+L3B1+L3B2");
    for (int n = 4; n <= 30; ++n) {
        const std::string digits = std::to_string(n);
        const std::u16string number(digits.begin(), digits.end());
        std::u16string line = u"P";
        line += number + u"=L1B1+L2B1+L3B1+L" + number + u"B1";
        expected.push_back(line);
    }

    EXPECT_EQ(Written(object.table()), Joined(expected));
    EXPECT_EQ(SettingsModule().releases, 0) << "the caller releases the object";
}

// The IME lines that a block's flag words change.
TEST_F(SettingsTextWriterTest, ImeLinesFollowTheFlagWords) {
    struct Case {
        uint32_t option, candidate, behaviour, conversion;
        std::vector<std::u16string> present;
        std::vector<std::u16string> absent;
    };
    const uint32_t all = kBehaviourHasTsf | kBehaviourHasAssociation | kBehaviourHasTempWords;
    const Case cases[] = {
        // Without TSF the style is fixed, whatever optionFlags holds.
        {kOptionTsfEmbeddedCode | kOptionStatusBarEmbedded,
         0,
         0,
         0,
         {u"//未包含TSF框架,此处只能设置为IME-传统样式", u"编码窗口样式=IME-传统样式"},
         {u"编码窗口样式=TSF-嵌入编码", u"是否嵌入状态栏窗口=否", u"是否嵌入状态栏窗口=是", u"隐藏嵌入的首候选=否",
          u"仅重码时显示候选窗口=否", u"是否在上屏时开启词语联想=否", u"临时词功能开启=否", u"智能模式生成临时词=否"}},
        {kOptionTsfEmbeddedFirst | kOptionTsfClassic | kOptionStatusBarEmbedded,
         0,
         all | kBehaviourHideEmbeddedFirst | kBehaviourCandidatesOnlyIfSeveral,
         0,
         {u"编码窗口样式=TSF-嵌入首选", u"是否嵌入状态栏窗口=是", u"隐藏嵌入的首候选=是", u"仅重码时显示候选窗口=是"},
         {}},
        {kOptionTsfClassic, 0, all, 0, {u"编码窗口样式=TSF-传统样式"}, {}},
        {0, kCandidateSingleFirst | kCandidateByCode, 0, 0, {u"候选列表排序依据=单字先见,按编码排序,"}, {}},
        {0,
         kCandidateByCode | 10u << kCandidateCountShift,
         0,
         0,
         {u"候选列表排序依据=按编码排序,", u"候选列表显示个数=10"},
         {}},
        {0, 0, 0, 0, {u"候选列表显示个数=5", u"词频调整=禁止调整", u"空码时空格行为=上屏英文"}, {}},
        {0,
         11u << kCandidateCountShift | kCandidateAdjustGradually | kCandidateAdjustByCount,
         0,
         0,
         {u"候选列表显示个数=5", u"词频调整=逐渐调整"},
         {}},
        {0,
         kCandidateAdjustToTop | 1u << kCandidateCountShift,
         kBehaviourSpaceCommitsEnglishSpace,
         0,
         {u"候选列表显示个数=1", u"词频调整=一次到顶", u"空码时空格行为=上屏英文+空格"},
         {}},
        {kOptionSchemeMain | kOptionSchemeAux,
         kCandidateAdjustByCount,
         kBehaviourSpaceClears,
         0,
         {u"输入方案=主+辅", u"词频调整=累加上屏数", u"空码时空格行为=清屏"},
         {}},
        {kOptionSchemeAux | kOptionCandidatesFixed | kOptionCandidatesFollowStatusBar,
         0,
         0,
         0,
         {u"输入方案=辅", u"候选窗口位置=固定位置"},
         {}},
        {kOptionCandidatesFollowStatusBar, 0, 0, 0, {u"输入方案=主", u"候选窗口位置=跟随状态栏"}, {}},
        {0,
         0,
         kBehaviourCustomConversion | kBehaviourSaveConversion,
         kConversionChinesePunctuation | kConversionFullWidth | kConversionClosed,
         {u"初始化转换状态=自定义：中文标点+全角+输入法关闭", u"保存自定义的初始化转换状态=是"},
         {}},
        {0,
         0,
         kBehaviourCustomConversion,
         kConversionSameAsSystem,
         {u"初始化转换状态=自定义：中文标点+半角+输入法打开"},
         {}},
        {0, 0, 0, kConversionFullWidth, {u"初始化转换状态=与系统转换状态一致"}, {}},
        {0xFFFFFFFF,
         0,
         0xFFFFFFFF,
         0,
         {u"禁用鼠标悬停词典=是", u"隐藏候选窗口=是", u"隐藏状态条窗口=是", u"隐藏词条相同编码不同的后续候选=是",
          u"是否打开非编码按键顶屏=是", u"中英文切换时上屏输入字符=是", u"是否开启命令直通车=是",
          u"Capslock转英文标点=是", u"禁用组合快捷键=是", u"首字母大写开启临时英文输入=是",
          u"是否在上屏时开启词语联想=是", u"临时词功能开启=是", u"临时词上屏即存=是", u"临时词重启电脑后清空=是",
          u"智能模式生成临时词=是", u"检索次显码表=是", u"空码时检索次显码表=是", u"空码时空格行为=上屏英文"},
         {}},
    };
    for (const Case& c : cases) {
        ImeConfigData& ime = blocks.ime();
        ime.optionFlags = c.option;
        ime.candidateFlags = c.candidate;
        ime.behaviourFlags = c.behaviour;
        ime.conversionState = c.conversion;
        const Lines lines = ImeSettingsLines(ime);
        const auto has = [&](const std::u16string& line) {
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        };
        for (const std::u16string& line : c.present) EXPECT_TRUE(has(line)) << testing::PrintToString(Joined(lines));
        for (const std::u16string& line : c.absent) EXPECT_FALSE(has(line)) << testing::PrintToString(Joined(lines));
    }
}

TEST_F(SettingsTextWriterTest, OptionalImeLinesAreWrittenOnlyWithTheirCapability) {
    ImeConfigData& ime = blocks.ime();
    ime.behaviourFlags = kBehaviourHasTempWords;
    const Lines temp = ImeSettingsLines(ime);
    ime.behaviourFlags = kBehaviourHasAssociation;
    const Lines association = ImeSettingsLines(ime);
    ime.behaviourFlags = 0;
    const Lines none = ImeSettingsLines(ime);
    EXPECT_EQ(temp.size(), none.size() + 9) << "an empty line, three options, an empty line, two comments, one, empty";
    EXPECT_EQ(association.size(), none.size() + 1);
}

TEST_F(SettingsTextWriterTest, PunctuationEntriesAndTheirLists) {
    ImeConfigData& ime = blocks.ime();
    const auto define = [&](int index, uint16_t kind, std::u16string_view first, std::u16string_view second = {}) {
        PunctuationEntry& entry = ime.punctuationTable[index];
        entry.kind = kind;
        if (kind == kPunctuationTwoTexts) {
            CopyCut(entry.firstText(), PunctuationEntry::kPairTextUnits, first);
            CopyCut(entry.secondText(), PunctuationEntry::kPairTextUnits, second);
        } else {
            CopyCut(entry.units, first);
        }
    };
    define(kKeypadDigit0, kPunctuationOneText, u"〇");
    define(kKeypadMultiply, kPunctuationSmart, u"×");    // index 10, the code of LF
    define(kKeypadMinus, kPunctuationCaretLeft, u"－");  // index 13, the code of CR
    define('"', kPunctuationTwoTexts, u"“", u"”");
    define('(', kPunctuationCaretLeft, u"（）");
    define(',', kPunctuationSmart, u"，");
    define('.', kPunctuationSmart, u"。");
    define('=', kPunctuationOneText, u"＝");
    define('[', kPunctuationOneText, u"a\r\nb");
    define(0x7F, kPunctuationSmart, u"");
    ime.punctuationTable['x'].kind = 9;  // no kind known: no line

    const Lines expected = {
        u"＊=×",
        u"－=－",
        u"０=〇",
        u"\"=“,”",
        u"(=（）",
        u",=，",
        u".=。",
        u"==＝",
        u"[=ab",  // a line break in a text would end the line
        u"\x7F=",
        u"//智能标点键位表，该表中指定的健位，第一次输入为中文标点，第二次输入删除中文并上屏英文标点。",
        u"//数字后半角标点行为也受此功能影响，再次输入时删除半角标点并上屏中文标点。",
        u"智能标点表=,.\x7F",  // the index of keypad *, a line break, is left out
        u"",
        u"//光标左移的标点表，该表中指定的键位在输出中文标点符号后，会模拟一次键盘光标左移键",
        u"光标左移的标点表=(",
        u"",
    };
    EXPECT_EQ(PunctuationLines(ime), expected);
}

TEST_F(SettingsTextWriterTest, PunctuationListsHoldWhatFitsIn131Units) {
    ImeConfigData& ime = blocks.ime();
    for (int i = 0; i < kKeyTableEntries; ++i) ime.punctuationTable[i].kind = kPunctuationCaretLeft;
    const Lines lines = PunctuationLines(ime);
    const std::u16string& list = lines[lines.size() - 2];
    ASSERT_TRUE(list.starts_with(u"光标左移的标点表="));
    EXPECT_EQ(list.size(), 131u);
    EXPECT_EQ(list.substr(9, 3), u"\x01\x02\x03");
    EXPECT_EQ(list.back(), 124) << "1 to 124 without 10 and 13";
}

TEST_F(SettingsTextWriterTest, KeyRadicalLinesFollowTheSwitchAndTheEntries) {
    ImeConfigData& ime = blocks.ime();
    ime.behaviourFlags = kBehaviourKeyRadicals;
    CopyCut(ime.keyRadicalTable['a'].units, u"工戈艹廾");
    CopyCut(ime.keyRadicalTable[kKeypadDigit0 + 1].units, u"一");
    CopyCut(ime.keyRadicalTable['b'].units, u"子\xD800");            // a lone surrogate has no UTF-8 form
    for (Le16& unit : ime.keyRadicalTable['c'].units) unit = u'口';  // no NUL: read within the entry
    const Lines expected = {u"使用键位字根表=是", u"１=一", u"a=工戈艹廾", u"b=子\xD800",
                            u"c=" + std::u16string(32, u'口')};
    EXPECT_EQ(KeyRadicalLines(ime), expected);
    ime.behaviourFlags = 0;
    EXPECT_EQ(KeyRadicalLines(ime).front(), u"使用键位字根表=否");

    const std::u16string text = Written(nullptr);
    EXPECT_NE(text.find(u"b=子\uFFFD\r\n"), std::u16string::npos);
}

TEST_F(SettingsTextWriterTest, KeyFunctionLinesCoverBothTablesAndEveryRecord) {
    DmeConfigData& dme = blocks.dme();
    ClearKeyBindings(dme);
    dme.keyFunctionTable[0x0D].set({kLowPageUp});
    dme.shiftKeyFunctionTable[0x0D].set({kLowPageDown});  // "键Enter" in the Shift table too
    dme.shiftKeyFunctionTable[0x41].set({kLowClearInput});
    dme.shiftKeyFunctionTable[0x70].set({kLowClearInput});  // F1 has no Shift name: a combination's
    dme.combinations[3].keyCode = 0x441;
    dme.combinations[3].functions.set({kLowPageUp | kLowPageDown});
    dme.combinations[5].keyCode = 0x442;  // no functions: not written
    dme.combinations[6].keyCode = 0x401;  // no name: "+键Ctrl" would read back as Ctrl+Shift+=
    dme.combinations[6].functions.set({kLowPageUp});
    dme.combinations[63].keyCode = 0x4445;
    dme.combinations[63].functions.set({0, kHighSoftKeyboard});
    dme.combinationCount = 1;  // every record counts, whatever the count says
    const Lines expected = {u"键Enter=前翻页,", u"键Enter+键Shift=后翻页,", u"A=清除输入,", u"a+键Ctrl=前翻页,后翻页,",
                            u"e+键左Ctrl=软键盘切换,"};
    EXPECT_EQ(KeyFunctionLines(dme), expected);
}

TEST_F(SettingsTextWriterTest, RuleLinesCountPositionsFromTheLeft) {
    DmeConfigData& dme = blocks.dme();
    std::memset(dme.wordCodeRules, 0, sizeof dme.wordCodeRules);
    const RuleItem two[] = {MakeRuleItem(1, 1), MakeRuleItem(1, 2), MakeRuleItem(2, 1), MakeRuleItem(2, 2)};
    StoreRule(dme.wordCodeRules[2], two);
    const RuleItem three[] = {MakeRuleItem(1, 2, true), MakeRuleItem(30, 127), MakeRuleItem(3, 0, true)};
    StoreRule(dme.wordCodeRules[3], three);
    const RuleItem zeroFirst[] = {0, MakeRuleItem(1, 1)};
    StoreRule(dme.wordCodeRules[4], zeroFirst);
    StoreRule(dme.wordCodeRules[0], two);  // the reader's work area
    StoreRule(dme.wordCodeRules[1], two);
    StoreRule(dme.wordCodeRules[31], two);
    const Lines expected = {u"P2=L1B1+L1B2+L2B1+L2B2", u"P3=L1F2+L30B127+L3F0"};
    EXPECT_EQ(WordRuleLines(dme), expected);
}

TEST_F(SettingsTextWriterTest, ARuleLineKeepsTheWholeItemsThatFitIn255Units) {
    DmeConfigData& dme = blocks.dme();
    std::memset(dme.wordCodeRules, 0, sizeof dme.wordCodeRules);
    std::vector<RuleItem> items(kRuleItemsPerSlot, MakeRuleItem(30, 127, true));
    StoreRule(dme.wordCodeRules[30], items);
    const Lines lines = WordRuleLines(dme);
    ASSERT_EQ(lines.size(), 1u);
    // "P30=" and 31 items of 7 units joined by "+": 4 + 31 * 8 - 1 = 251.
    std::u16string expected = u"P30=L30F127";
    for (int i = 1; i < 31; ++i) expected += u"+L30F127";
    EXPECT_EQ(lines[0], expected);
}

TEST_F(SettingsTextWriterTest, WithoutTheModulesWriterItsSectionsHoldOnlyTheirBanners) {
    InProcessSettingsObject noWriter(true, false);
    for (const SettingsTextTable* settings : {static_cast<const SettingsTextTable*>(nullptr), noWriter.table()}) {
        const std::u16string text = Written(settings);
        const std::u16string expected = Joined(Banner(u"DME设置", u"DME设置")) +
                                        Joined(Banner(u"SKIN设置", u"SKIN设置")) +
                                        Joined(Banner(u"中文符号定义", u"非编码符号转义定义表"));
        EXPECT_NE(text.find(expected), std::u16string::npos);
    }
}

TEST_F(SettingsTextWriterTest, TheModulesTextIsWrittenUnchangedAndEndsItsLastLine) {
    InProcessSettingsObject object;
    struct Case {
        std::u16string module;
        std::u16string written;
    };
    const Case cases[] = {
        {u"甲=1\r\n乙=2\r\n", u"甲=1\r\n乙=2\r\n"},
        {u"甲=1\n", u"甲=1\n"},
        // The next banner must start a line of its own.
        {u"甲=1\r\n乙=2", u"甲=1\r\n乙=2\r\n"},
        {u"", u""},
        // A module that fills the whole buffer is read no further.
        {std::u16string(5000, u'x'), std::u16string(4096, u'x') + u"\r\n"},
    };
    for (const Case& c : cases) {
        SettingsModule().fixedText = c.module;
        const std::u16string text = Written(object.table());
        EXPECT_NE(text.find(u"[-DME设置-]\r\n" + c.written + u"//---"), std::u16string::npos);
        EXPECT_NE(text.find(u"[-SKIN设置-]\r\n" + c.written + u"//---"), std::u16string::npos);
    }
}

TEST_F(SettingsTextWriterTest, AWrittenTextIsCutToItsUnitsAndBytes) {
    struct Case {
        std::u16string text;
        size_t size;
        std::vector<uint8_t> start;
    };
    const Case cases[] = {
        {std::u16string(70000, u'a'), 65535, {'a'}},                              // 65,535 units
        {std::u16string(40000, u'\u00E9'), 65534, {0xC3, 0xA9}},                  // whole characters in 65,535 bytes
        {u"a\xD800" + std::u16string(1, u'b'), 5, {'a', 0xEF, 0xBF, 0xBD, 'b'}},  // the lone surrogate
        {u"", 0, {}},
    };
    for (const Case& c : cases) {
        StdioFilePtr file(OpenFileForWriting(dir.File("text.txt").c_str()));
        ASSERT_TRUE(file);
        EXPECT_TRUE(WriteUtf8Text(file.get(), c.text));
        file.reset();
        const std::vector<uint8_t> bytes = ReadBytes(dir.path() / "text.txt");
        ASSERT_EQ(bytes.size(), c.size);
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + c.start.size()), c.start);
    }
}

TEST_F(SettingsTextWriterTest, FailsWhenTheFileCannotBeCreatedOrWritten) {
    const std::u16string missingFolder = dir.File("missing/settings.txt");
    EXPECT_FALSE(WriteSettingsText(missingFolder.c_str(), blocks.ime(), nullptr, blocks.dme(), blocks.skin()));
#ifndef _WIN32
    // Opened, but every write fails.
    EXPECT_FALSE(WriteSettingsText(u"/dev/full", blocks.ime(), nullptr, blocks.dme(), blocks.skin()));
#endif
}

}  // namespace
