// Reading the settings text back: lines, key=value splits, comments and
// section headers, the clearing step, every IME key, the punctuation,
// radical, rule and key function sections, the module's sections and the
// restamped headers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "config/ImeSettingsText.h"
#include "config/KeyBindings.h"
#include "config/SettingsTextReader.h"
#include "config/WordRuleText.h"
#include "tests/support/InProcessSettingsObject.h"
#include "tests/support/SettingsBlocks.h"

namespace {

TEST(ReadTextLineTest, ReadsOneLineAndTheLineBreaksAroundIt) {
    struct Case {
        std::u16string text;
        std::u16string line;
        size_t consumed;
    };
    const Case cases[] = {
        {u"abc", u"abc", 3},
        {u"abc\r\ndef", u"abc", 5},
        {u"\r\n\r\nabc\n\n\rdef", u"abc", 10},
        {u"\n\r\n", u"", 3},
        {u"k = v\r", u"k = v", 6},
        {u"a\\b\\c", u"a\\b\\c", 5},  // single backslashes are text
        // Two backslashes end the line, and the rest of it is skipped.
        {u"ab\\\\c=d\r\nef", u"ab", 9},
        {u"\\\\\r\nx", u"", 4},
        {u"\\\\", u"", 2},
        {u"a\\\\\\\\b", u"a", 6},
        // 1,023 units at most, the line breaks before it counted.
        {std::u16string(1500, u'x'), std::u16string(1023, u'x'), 1023},
        {u"\r\n" + std::u16string(1500, u'x'), std::u16string(1021, u'x'), 1023},
        {std::u16string(1023, u'x') + u"\r\ny", std::u16string(1023, u'x'), 1025},
        {std::u16string(2000, u'\n'), u"", 2000},
    };
    for (const Case& c : cases) {
        std::u16string line = u"old";
        EXPECT_EQ(ReadTextLine(c.text, line), c.consumed) << testing::PrintToString(c.text.substr(0, 20));
        EXPECT_EQ(line, c.line);
    }
}

TEST(SplitKeyValueTest, SplitsAtTheFirstEqualsSignAndUnquotesTheValue) {
    struct Case {
        std::u16string line;
        bool split;
        std::u16string key, value;
    };
    const Case cases[] = {
        {u"a=b", true, u"a", u"b"},
        {u"a=b=c", true, u"a", u"b=c"},
        {u"==x", true, u"=", u"x"},  // "=" can be a key
        {u"=", false},
        {u"=x", false},
        {u"abc", false},
        {u"", false},
        {u"k=", true, u"k", u""},
        {u"k = v", true, u"k ", u" v"},  // no spaces are trimmed
        {u"k=\"", true, u"k", u""},
        {u"k=\"\"", true, u"k", u""},
        {u"k=\"a b\"", true, u"k", u"a b"},
        {u"k=\"a\"b\"", true, u"k", u"a"},
        {u"k=\"a", true, u"k", u"\"a"},
        {u"k=a\"", true, u"k", u"a\""},
    };
    for (const Case& c : cases) {
        const auto split = SplitKeyValue(c.line);
        ASSERT_EQ(split.has_value(), c.split) << testing::PrintToString(c.line);
        if (!split) continue;
        EXPECT_EQ(split->key, c.key);
        EXPECT_EQ(split->value, c.value);
    }
}

class SettingsTextReaderTest : public ::testing::Test {
protected:
    void Parse(std::u16string_view text, const SettingsTextTable* settings = nullptr) {
        ParseSettingsText(blocks.dme(), blocks.skin(), text, blocks.ime(), settings);
    }

    SettingsBlocks blocks;
    ImeConfigData& ime = blocks.ime();
    DmeConfigData& dme = blocks.dme();
};

TEST_F(SettingsTextReaderTest, EmptyTextClearsTheTablesTheTextDefinesAndKeepsTheOptions) {
    ime.optionFlags = 0x12345678;
    ime.candidateFlags = 0x9ABCDEF0;
    ime.behaviourFlags = 0x0FEDCBA9;
    ime.conversionState = 0x409;
    ime.punctuationTable['a'].kind = kPunctuationOneText;
    CopyCut(ime.punctuationTable['a'].units, u"甲");
    for (int i = 0; i < kKeyTableEntries; ++i) CopyCut(ime.keyRadicalTable[i].units, u"根");
    StoreFunctionSet(dme, 0x441, {kLowPageUp});
    ASSERT_EQ(dme.combinationCount, 1);
    SetModuleData(dme, u"模块");
    std::vector<uint8_t> expected = blocks.imeBytes;
    std::memset(expected.data() + offsetof(ImeConfigData, punctuationTable), 0, sizeof ime.punctuationTable);
    std::memset(expected.data() + offsetof(ImeConfigData, keyRadicalTable), 0, 256);

    Parse(u"");
    EXPECT_EQ(blocks.imeBytes, expected) << "options and the radicals of entries 4 to 127 stay";
    for (int key = 0; key < kKeyFunctionSlots; ++key) {
        EXPECT_TRUE(dme.keyFunctionTable[key].get().empty());
        EXPECT_TRUE(dme.shiftKeyFunctionTable[key].get().empty());
    }
    EXPECT_EQ(dme.combinationCount, 0);
    EXPECT_EQ(dme.combinations[0].keyCode.get(), 0u);
    for (const WordCodeRule& rule : dme.wordCodeRules) EXPECT_TRUE(RuleItemsOf(rule).empty());
    EXPECT_EQ(ModuleDataOf(dme), u"模块") << "the module's own area is the module's";
}

TEST_F(SettingsTextReaderTest, StampsTheHeadersOfTheThreeBlocks) {
    std::memset(&ime.header, 0xAB, sizeof ime.header);
    std::memset(&dme.header, 0, sizeof dme.header);
    std::memset(&blocks.skin().header, 0x7F, sizeof blocks.skin().header);
    const SettingsBlocks fresh;
    Parse(u"");
    EXPECT_EQ(std::memcmp(&ime.header, fresh.imeBytes.data(), sizeof ime.header), 0);
    EXPECT_EQ(std::memcmp(&dme.header, fresh.dmeBytes.data(), sizeof dme.header), 0);
    EXPECT_EQ(std::memcmp(&blocks.skin().header, fresh.skinBytes.data(), sizeof(SettingsBlockHeader)), 0);
    EXPECT_EQ(dme.header.size, 13888u);
    EXPECT_EQ(dme.header.type, 2);
    EXPECT_STREQ(dme.header.name, "zv_dme_config_data_default");
}

TEST_F(SettingsTextReaderTest, CommentsAreSkippedAndTextAfterTheirEndIsALine) {
    ime.optionFlags = 0;
    ime.behaviourFlags = 0;
    Parse(
        u"[-IME设置-]\r\n"
        u"//隐藏候选窗口=是\r\n\r\n"
        u"/* 隐藏状态条窗口=是\r\n"
        u"禁用组合快捷键=是 */禁用鼠标悬停词典=是\r\n"
        u"/*/隐藏词条相同编码不同的后续候选=是\r\n"
        u"*/\r\n"
        u"检索次显码表=是\r\n"
        u"/**/空码时检索次显码表=是");
    EXPECT_EQ(ime.optionFlags.get(),
              kOptionHoverDictionaryDisabled | kOptionSearchSecondary | kOptionSearchSecondaryWhenEmpty);
    EXPECT_EQ(ime.behaviourFlags.get(), kBehaviourHideSameWord) << "\"/*/\" is a whole comment";
}

TEST_F(SettingsTextReaderTest, AnUnclosedCommentEndsTheText) {
    ime.optionFlags = 0;
    std::memset(&ime.header, 0, sizeof ime.header);
    Parse(u"[-IME设置-]\n隐藏候选窗口=是\n/* 禁用组合快捷键=是\n检索次显码表=是\n");
    EXPECT_EQ(ime.optionFlags.get(), kOptionCandidateWindowHidden) << "the lines read so far still apply";
    EXPECT_EQ(ime.header.size, 21892u);
}

TEST_F(SettingsTextReaderTest, OnlyKnownHeadersOpenTheirSections) {
    struct Case {
        std::u16string header;
        bool read;
    };
    const Case cases[] = {
        {u"[-IME设置-]", true},
        {u"[-ime设置-]", true},  // ASCII case is ignored
        {u"[-IME设置-] ", false},
        {u" [-IME设置-]", false},
        {u"[-生成器选项-]", false},
        {u"[-软件选项-]", false},
        {u"[-其他安装文件-]", false},
        {u"[-", false},
        {u"", false},  // before any header
    };
    for (const Case& c : cases) {
        ime.optionFlags = 0;
        Parse(c.header + u"\r\n隐藏候选窗口=是\r\n");
        EXPECT_EQ(ime.optionFlags.get() == kOptionCandidateWindowHidden, c.read) << testing::PrintToString(c.header);
    }
}

TEST_F(SettingsTextReaderTest, ImeOptionsAreReadAsTheirKeysSay) {
    struct Case {
        std::u16string key, value;
        uint32_t option, behaviour, candidate, conversion;  // before
        uint32_t optionAfter, behaviourAfter, candidateAfter, conversionAfter;
    };
    constexpr uint32_t tsf = kBehaviourHasTsf;
    constexpr uint32_t n5 = 5u << kCandidateCountShift;
    const Case cases[] = {
        {u"编码窗口样式", u"TSF-嵌入编码", kOptionTsfClassic, tsf, 0, 0, kOptionTsfEmbeddedCode, tsf, 0, 0},
        {u"编码窗口样式", u"tsf-嵌入首选", 0, tsf, 0, 0, kOptionTsfEmbeddedFirst, tsf, 0, 0},
        {u"编码窗口样式", u"TSF-传统样式", 0, tsf, 0, 0, kOptionTsfClassic, tsf, 0, 0},
        {u"编码窗口样式", u"IME-传统样式", kOptionTsfClassic, tsf, 0, 0, 0, tsf, 0, 0},
        // Without TSF only the IME style exists.
        {u"编码窗口样式", u"TSF-嵌入编码", kOptionTsfClassic, 0, 0, 0, 0, 0, 0, 0},
        {u"是否嵌入状态栏窗口", u"是", 0, tsf, 0, 0, kOptionStatusBarEmbedded, tsf, 0, 0},
        {u"是否嵌入状态栏窗口", u"切换", kOptionStatusBarEmbedded, tsf, 0, 0, 0, tsf, 0, 0},
        {u"是否嵌入状态栏窗口", u"是", 0, 0, 0, 0, 0, 0, 0, 0},
        {u"是否嵌入状态栏窗口", u"否", kOptionStatusBarEmbedded, 0, 0, 0, kOptionStatusBarEmbedded, 0, 0, 0},
        {u"空码时空格行为", u"上屏英文", 0, 7, 0, 0, 0, kBehaviourSpaceCommitsEnglish, 0, 0},
        {u"空码时空格行为", u"上屏英文+空格", 0, 0, 0, 0, 0, kBehaviourSpaceCommitsEnglishSpace, 0, 0},
        {u"空码时空格行为", u"清屏", 0, 3, 0, 0, 0, kBehaviourSpaceClears, 0, 0},
        {u"空码时空格行为", u"别的", 0, 5, 0, 0, 0, kBehaviourSpaceCommitsEnglishSpace, 0, 0},
        {u"英文状态时空格行为", u"清屏", 0, 1, 0, 0, 0, kBehaviourSpaceClears, 0, 0},
        {u"初始化转换状态", u"与系统转换状态一致", 0, kBehaviourCustomConversion, 0, 0x108, 0, 0, 0, 0x401},
        {u"初始化转换状态", u"自定义：中文标点+全角+输入法关闭", 0, 0, 0, 0x401, 0, kBehaviourCustomConversion, 0,
         0x509},
        {u"初始化转换状态", u"自定义：英文标点+半角+输入法打开", 0, 0, 0, 0x401, 0, kBehaviourCustomConversion, 0,
         0x001},
        {u"初始化转换状态", u"全角", 0, 0, 0, 0, 0, kBehaviourCustomConversion, 0, 0x009},
        {u"是否开启命令直通车", u"是", 0, 0, 0, 0, 0, kBehaviourCommandShortcut, 0, 0},
        // A key that knows no toggle clears its option on "切换".
        {u"是否开启命令直通车", u"切换", 0, kBehaviourCommandShortcut, 0, 0, 0, 0, 0, 0},
        {u"隐藏候选窗口", u"切换", kOptionCandidateWindowHidden, 0, 0, 0, 0, 0, 0, 0},
        {u"隐藏候选窗口", u"切换", 0, 0, 0, 0, kOptionCandidateWindowHidden, 0, 0, 0},
        {u"CAPSLOCK转英文标点", u"是", 0, 0, 0, 0, 0, kBehaviourCapsLockEnglishPunctuation, 0, 0},
        {u"候选窗口位置", u"跟随状态栏", kOptionCandidatesFixed, 0, 0, 0, kOptionCandidatesFollowStatusBar, 0, 0, 0},
        {u"候选窗口位置", u"固定位置", 0, 0, 0, 0, kOptionCandidatesFixed, 0, 0, 0},
        {u"候选窗口位置", u"跟随光标", 0xC0, 0, 0, 0, 0, 0, 0, 0},
        {u"候选列表排序依据", u"单字先见,按编码排序,", 0, 0, 0, 0, 0, 0, 0x18, 0},
        {u"候选列表排序依据", u"按编码排序", 0, 0, 0x8, 0, 0, 0, 0x10, 0},
        {u"候选列表排序依据", u"码表原始序", 0, 0, 0x18, 0, 0, 0, 0, 0},
        {u"候选列表显示个数", u"12", 0, 0, n5, 0, 0, 0, 1u << kCandidateCountShift, 0},
        {u"候选列表显示个数", u"0", 0, 0, 3u << kCandidateCountShift, 0, 0, 0, n5, 0},
        {u"候选列表显示个数", u"10", 0, 0, 0x7, 0, 0, 0, 10u << kCandidateCountShift | 0x7, 0},
        {u"候选列表显示个数", u"7个", 0, 0, 0, 0, 0, 0, 7u << kCandidateCountShift, 0},
        {u"候选列表显示个数", u"", 0, 0, 0, 0, 0, 0, n5, 0},
        {u"候选列表显示个数", u" 3", 0, 0, 0, 0, 0, 0, n5, 0},
        {u"词频调整", u"一次到顶", 0, 0, 0x6, 0, 0, 0, kCandidateAdjustToTop, 0},
        {u"词频调整", u"逐渐调整", 0, 0, 0, 0, 0, 0, kCandidateAdjustGradually, 0},
        {u"词频调整", u"累加上屏数", 0, 0, 0, 0, 0, 0, kCandidateAdjustByCount, 0},
        {u"词频调整", u"禁止调整", 0, 0, 0x7, 0, 0, 0, 0, 0},
        {u"输入方案", u"主+辅", 0, 0, 0, 0, kOptionSchemeMain | kOptionSchemeAux, 0, 0, 0},
        {u"输入方案", u"主", kOptionSchemeAux, 0, 0, 0, kOptionSchemeMain, 0, 0, 0},
        {u"输入方案", u"辅", kOptionSchemeMain, 0, 0, 0, kOptionSchemeAux, 0, 0, 0},
        {u"输入方案", u"别的", kOptionSchemeMain, 0, 0, 0, kOptionSchemeAux, 0, 0, 0},
        {u"不认识的键", u"是", 0x1, 0x2, 0x3, 0x4, 0x1, 0x2, 0x3, 0x4},
    };
    for (const Case& c : cases) {
        ime.optionFlags = c.option;
        ime.behaviourFlags = c.behaviour;
        ime.candidateFlags = c.candidate;
        ime.conversionState = c.conversion;
        ApplyImeSetting(ime, c.key, c.value);
        const auto what = testing::PrintToString(c.key + u"=" + c.value);
        EXPECT_EQ(ime.optionFlags.get(), c.optionAfter) << what;
        EXPECT_EQ(ime.behaviourFlags.get(), c.behaviourAfter) << what;
        EXPECT_EQ(ime.candidateFlags.get(), c.candidateAfter) << what;
        EXPECT_EQ(ime.conversionState.get(), c.conversionAfter) << what;
    }
}

// Every yes/no key: "是" sets its bit and only that, anything else clears it,
// and "切换" flips the bits of the keys that toggle.
TEST_F(SettingsTextReaderTest, YesNoKeysSetClearOrToggleTheirBit) {
    struct Switch {
        std::u16string key;
        bool behaviourWord;
        uint32_t bit;
        bool toggles;
    };
    const Switch switches[] = {
        {u"保存自定义的初始化转换状态", true, kBehaviourSaveConversion, false},
        {u"是否开启命令直通车", true, kBehaviourCommandShortcut, false},
        {u"Capslock转英文标点", true, kBehaviourCapsLockEnglishPunctuation, false},
        {u"仅重码时显示候选窗口", true, kBehaviourCandidatesOnlyIfSeveral, true},
        {u"隐藏嵌入的首候选", true, kBehaviourHideEmbeddedFirst, true},
        {u"隐藏词条相同编码不同的后续候选", true, kBehaviourHideSameWord, false},
        {u"首字母大写开启临时英文输入", false, kOptionCapitalStartsEnglish, false},
        {u"临时词功能开启", false, kOptionTempWords, true},
        {u"临时词上屏即存", false, kOptionTempWordsStoredAtCommit, true},
        {u"临时词重启电脑后清空", false, kOptionTempWordsClearedAtBoot, true},
        {u"智能模式生成临时词", false, kOptionTempWordsSmart, true},
        {u"禁用鼠标悬停词典", false, kOptionHoverDictionaryDisabled, true},
        {u"隐藏候选窗口", false, kOptionCandidateWindowHidden, true},
        {u"隐藏状态条窗口", false, kOptionStatusBarHidden, true},
        {u"禁用组合快捷键", false, kOptionCombinationsDisabled, true},
        {u"是否在上屏时开启词语联想", false, kOptionWordAssociation, true},
        {u"是否打开非编码按键顶屏", false, kOptionNonCodeKeyCommits, true},
        {u"中英文切换时上屏输入字符", false, kOptionCommitOnSwitch, true},
        {u"检索次显码表", false, kOptionSearchSecondary, true},
        {u"空码时检索次显码表", false, kOptionSearchSecondaryWhenEmpty, true},
    };
    // The capability bits stay whatever the lines say.
    constexpr uint32_t kCapabilities = kBehaviourHasTsf | kBehaviourHasAssociation | kBehaviourHasTempWords;
    for (const Switch& s : switches) {
        const auto words = [&] { return std::pair{ime.optionFlags.get(), ime.behaviourFlags.get()}; };
        const auto with = [&](bool on) {
            const uint32_t bit = on ? s.bit : 0;
            return s.behaviourWord ? std::pair{0u, kCapabilities | bit} : std::pair{bit, kCapabilities};
        };
        const auto what = testing::PrintToString(s.key);
        ime.optionFlags = 0;
        ime.behaviourFlags = kCapabilities;
        ApplyImeSetting(ime, s.key, u"是");
        EXPECT_EQ(words(), with(true)) << what;
        ApplyImeSetting(ime, s.key, u"切换");
        EXPECT_EQ(words(), with(false)) << what;
        ApplyImeSetting(ime, s.key, u"切换");
        EXPECT_EQ(words(), with(s.toggles)) << what;
        ApplyImeSetting(ime, s.key, u"是");
        ApplyImeSetting(ime, s.key, u"是的");
        EXPECT_EQ(words(), with(false)) << what;
    }
}

TEST_F(SettingsTextReaderTest, PunctuationLinesDefineTheirEntriesAndTheListsMarkThem) {
    ime.punctuationTable['z'].kind = kPunctuationOneText;  // cleared first: no line defines it
    Parse(
        u"[-非编码符号转义定义表-]\r\n"
        u"==＝\r\n"
        u"０=〇\r\n"
        u"＋=加\r\n"
        u"中=不是键\r\n"
        u"a=甲,乙\r\n"
        u"b=,逗\r\n"
        u"c=" +
        std::u16string(33, u'丙') + u"\r\n" + u"d=" + std::u16string(16, u'丁') + u",乙\r\n" +
        u"e=\"\r\n"
        u"f=\"引号\"\r\n"
        u"g=\r\n"
        u"h=甲\\\\i=乙\r\n"
        u"智能标点表=\r\n"
        u"光标左移的标点表=\r\n"
        u"智能标点表=ae中\x7F\r\n"
        u"光标左移的标点表=d\r\n");
    struct Expected {
        int index;
        uint16_t kind;
        std::u16string first, second;
    };
    const Expected expected[] = {
        {'=', kPunctuationOneText, u"＝"},
        {kKeypadDigit0, kPunctuationOneText, u"〇"},
        {kKeypadPlus, kPunctuationOneText, u"加"},
        {'a', kPunctuationSmart, u"甲", u"乙"},  // the list changes only the kind
        {'b', kPunctuationOneText, u",逗"},      // a first comma divides nothing
        {'c', kPunctuationOneText, std::u16string(30, u'丙')},
        {'d', kPunctuationCaretLeft, std::u16string(14, u'丁'), u"乙"},
        {'e', kPunctuationSmart, u""},  // a lone quote is lost
        {'f', kPunctuationOneText, u"引号"},
        {'g', kPunctuationOneText, u""},
        {'h', kPunctuationOneText, u"甲"},  // cut at the backslashes, the rest skipped
        {'i', kPunctuationNone, u""},
        {'z', kPunctuationNone, u""},
        {0x7F, kPunctuationNone, u""},  // lists mark 1 to 126 only
    };
    int defined = 0;
    for (const Expected& e : expected) {
        const PunctuationEntry& entry = ime.punctuationTable[e.index];
        EXPECT_EQ(entry.kind.get(), e.kind) << e.index;
        const bool pair = !e.second.empty();
        EXPECT_EQ(TextOf(entry.units, pair ? PunctuationEntry::kPairTextUnits : PunctuationEntry::kTextUnits), e.first)
            << e.index;
        if (pair) {
            EXPECT_EQ(TextOf(entry.secondText(), PunctuationEntry::kPairTextUnits), e.second) << e.index;
        }
        defined += e.kind != kPunctuationNone;
    }
    int kinds = 0;
    for (const PunctuationEntry& entry : ime.punctuationTable) kinds += entry.kind != kPunctuationNone;
    EXPECT_EQ(kinds, defined) << "中 names no entry";
}

TEST_F(SettingsTextReaderTest, KeyRadicalLinesSetTheSwitchAndTheirEntries) {
    ime.behaviourFlags = 0;
    CopyCut(ime.keyRadicalTable['b'].units, u"旧");
    Parse(
        u"[-键位字根表-]\r\n"
        u"使用键位字根表=是的\r\n"
        u"a=工戈\r\n"
        u"０=零\r\n"
        u"x=" +
        std::u16string(40, u'根') + u"\r\n" + u"中=不是键\r\n");
    EXPECT_EQ(ime.behaviourFlags.get(), kBehaviourKeyRadicals) << "a value beginning with 是";
    EXPECT_EQ(TextOf(ime.keyRadicalTable['a'].units), u"工戈");
    EXPECT_EQ(TextOf(ime.keyRadicalTable[kKeypadDigit0].units), u"零");
    EXPECT_EQ(TextOf(ime.keyRadicalTable['x'].units), std::u16string(31, u'根'));
    EXPECT_EQ(TextOf(ime.keyRadicalTable['b'].units), u"旧") << "entries without a line keep their radicals";
    Parse(u"[-键位字根表-]\r\n使用键位字根表=否\r\n");
    EXPECT_EQ(ime.behaviourFlags.get(), 0u);
}

TEST_F(SettingsTextReaderTest, KeyFunctionLinesBindTheirKeys) {
    Parse(
        u"[-按键功能-]\r\n"
        u"键Esc=清除输入,\r\n"
        u"a+键Ctrl=前翻页,\r\n"
        u"中=前翻页,\r\n"
        u"键Enter+键Shift=后翻页,\r\n"
        u"A=英文上屏,\r\n"
        u"==后翻页,\r\n");
    EXPECT_EQ(dme.keyFunctionTable[0x1B].get(), FunctionSet{kLowClearInput});
    EXPECT_EQ(dme.shiftKeyFunctionTable[0x0D].get(), FunctionSet{kLowPageDown});
    EXPECT_EQ(dme.shiftKeyFunctionTable[0x41].get(), (FunctionSet{kLowCommitGroup | 11 << kLowNumberShift}));
    EXPECT_EQ(dme.keyFunctionTable[0xBB].get(), FunctionSet{kLowPageDown});
    ASSERT_EQ(dme.combinationCount, 1) << "a key name that names no key binds nothing";
    EXPECT_EQ(dme.combinations[0].keyCode.get(), 0x441u);
    EXPECT_EQ(dme.combinations[0].functions.get(), FunctionSet{kLowPageUp});
    int bound = 0;
    for (int key = 0; key < kKeyFunctionSlots; ++key)
        bound += !dme.keyFunctionTable[key].get().empty() + !dme.shiftKeyFunctionTable[key].get().empty();
    EXPECT_EQ(bound, 4);
}

TEST_F(SettingsTextReaderTest, RuleLinesAreStoredOnlyWhenSound) {
    struct Case {
        std::u16string key, value;
        int length;  // slot; 0 when the rule is refused
        std::vector<RuleItem> items;
    };
    const Case cases[] = {
        {u"P3", u"L1B1+R1B1", 3, {0x0101, 0x0301}},
        {u"P2", u"L1F2", 2, {0x8102}},
        {u"p2", u"l1b1+l1b2+l2f1+r1F2", 2, {0x0101, 0x0102, 0x8201, 0x8202}},
        {u"P2", u"L1B1L2B2", 2, {0x0101, 0x0202}},  // the "+" is optional
        {u"P2", u"+L1B1+", 2, {0x0101}},
        {u"P02", u"L1B130", 2, {0x0102}},  // letters modulo 128
        {u"P2", u"L1B99999999999999999999", 2, {0x017F}},
        {u"P30", u"R30B1+L30B0", 30, {0x0101, 0x1E00}},
        {u"P2", u"", 0, {}},
        {u"P1", u"L1B1", 0, {}},
        {u"P31", u"L1B1", 0, {}},
        {u"P99999999999", u"L1B1", 0, {}},
        {u"P2", u"L0B1", 0, {}},
        {u"P2", u"L31B1", 0, {}},
        {u"P2", u"R3B1", 0, {}},  // character 0
        {u"P2", u"L1X1", 0, {}},
        {u"P2", u"L1B", 0, {}},
        {u"P2", u"LB1", 0, {}},
        {u"P2", u"L1", 0, {}},
        {u"P2", u"L1B1 ", 0, {}},
        {u"P2", u"L1B1,L2B2", 0, {}},
        {u"P2 ", u"L1B1", 0, {}},
        {u"P", u"L1B1", 0, {}},
        {u"Q2", u"L1B1", 0, {}},
        {u"P2=L1B1", u"L1B1", 0, {}},
    };
    for (const Case& c : cases) {
        std::memset(dme.wordCodeRules, 0, sizeof dme.wordCodeRules);
        ParseWordRule(dme, c.key, c.value);
        const auto what = testing::PrintToString(c.key + u"=" + c.value);
        for (int n = 1; n < 32; ++n)
            EXPECT_EQ(RuleItemsOf(dme.wordCodeRules[n]), n == c.length ? c.items : std::vector<RuleItem>{})
                << what << n;
    }
}

// The rule is read from key "=" value cut to 511 units.
TEST_F(SettingsTextReaderTest, ARuleLineIsReadIn511Units) {
    std::u16string whole, cut;
    for (int i = 0; i < 128; ++i) whole += u"L1B1";
    for (int i = 0; i < 102; ++i) cut += u"L1B1+";
    ParseWordRule(dme, u"P2", whole);
    EXPECT_EQ(RuleItemsOf(dme.wordCodeRules[2]), std::vector<RuleItem>(127, 0x0101)) << "3 + 127 * 4 units";
    std::memset(dme.wordCodeRules, 0, sizeof dme.wordCodeRules);
    ParseWordRule(dme, u"P2", cut);
    EXPECT_TRUE(RuleItemsOf(dme.wordCodeRules[2]).empty()) << "the cut leaves the item \"L1B\"";
}

TEST_F(SettingsTextReaderTest, ALongLineIsReadAsTwoLines) {
    // 1,500 characters: the first 1,023 are a line, the rest the next.
    const std::u16string text =
        u"[-非编码符号转义定义表-]\r\na=" + std::u16string(1021, u'x') + u"b=" + std::u16string(475, u'y');
    Parse(text);
    EXPECT_EQ(TextOf(ime.punctuationTable['a'].units), std::u16string(30, u'x'));
    EXPECT_EQ(TextOf(ime.punctuationTable['b'].units), std::u16string(30, u'y'));
}

TEST_F(SettingsTextReaderTest, ModuleSectionsReachTheModuleAfterTheWholeText) {
    InProcessSettingsObject object;
    ime.optionFlags = 0;
    Parse(
        u"[-SKIN设置-]\r\ns=1\r\n"
        u"[-DME设置-]\r\nd=1\r\n模块数据=新\r\n"
        u"[-IME设置-]\r\n隐藏候选窗口=是\r\n"
        u"[-SKIN设置-]\r\ns=\"2\"\r\nno value\r\n",
        object.table());
    const std::vector<AppliedSetting> expected = {
        {&dme, u"d", u"1", kDmeBlockKind},
        {&dme, u"模块数据", u"新", kDmeBlockKind},
        {&blocks.skin(), u"s", u"1", kSkinBlockKind},
        {&blocks.skin(), u"s", u"2", kSkinBlockKind},
    };
    EXPECT_EQ(SettingsModule().applied, expected);
    EXPECT_EQ(ModuleDataOf(dme), u"新");
    EXPECT_EQ(ime.optionFlags.get(), kOptionCandidateWindowHidden);
    EXPECT_EQ(SettingsModule().releases, 0) << "the caller releases the object";
}

TEST_F(SettingsTextReaderTest, WithoutTheModulesParserItsLinesAreDropped) {
    InProcessSettingsObject noParser(false, true);
    for (const SettingsTextTable* settings : {static_cast<const SettingsTextTable*>(nullptr), noParser.table()}) {
        SetModuleData(dme, u"旧");
        std::memset(&dme.header, 0, sizeof dme.header);
        std::memset(&blocks.skin().header, 0, sizeof blocks.skin().header);
        Parse(u"[-DME设置-]\r\n模块数据=新\r\n[-SKIN设置-]\r\n模块数据=新\r\n", settings);
        EXPECT_EQ(ModuleDataOf(dme), u"旧");
        EXPECT_EQ(ModuleDataOf(blocks.skin()), u"");
        EXPECT_EQ(dme.header.size, 13888u) << "headers are stamped all the same";
        EXPECT_EQ(blocks.skin().header.size, 732u);
        EXPECT_EQ(SettingsModule().applied.size(), 0u);
    }
}

// Objects obtained from the module are released by their owner, once.
TEST(SettingsTextObjectTest, ReleasesItsObjectOnce) {
    InProcessSettingsObject module;
    { SettingsTextObject object(module.object()); }
    EXPECT_EQ(SettingsModule().releases, 1);
    { SettingsTextObject none(nullptr); }
    SettingsTextTable noRelease{};
    { SettingsTextObject object(&noRelease); }
    EXPECT_EQ(SettingsModule().releases, 1);
}

}  // namespace
