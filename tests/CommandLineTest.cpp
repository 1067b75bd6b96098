// The command-line grammar: switches found anywhere, quoting, masking, cuts.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

#include "base/FixedText.h"

namespace {

std::u16string Text(const char16_t* buffer, size_t capacity) { return std::u16string(TextOf(buffer, capacity)); }
template <size_t N>
std::u16string Text(const char16_t (&buffer)[N]) {
    return Text(buffer, N);
}

struct Case {
    const char* name;
    std::u16string line;
    std::u16string guid, mode, argument, version;
    int32_t width, height, left, top;
};

class ParseCommandLineTest : public ::testing::TestWithParam<Case> {};

TEST_P(ParseCommandLineTest, FillsTheOptions) {
    const Case& c = GetParam();
    const CommandLineOptions o = ParseCommandLine(c.line);
    EXPECT_EQ(Text(o.imeGuidText), c.guid);
    EXPECT_EQ(Text(o.mode), c.mode);
    EXPECT_EQ(Text(o.argument), c.argument);
    EXPECT_EQ(Text(o.currentVersion), c.version);
    EXPECT_EQ(o.htmlWidth, c.width);
    EXPECT_EQ(o.htmlHeight, c.height);
    EXPECT_EQ(o.htmlLeft, c.left);
    EXPECT_EQ(o.htmlTop, c.top);
}

const std::u16string kGuid = u"{8B3C1A52-6F1E-4C1B-9E1D-2A7F4E3B5C60}";

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseCommandLineTest,
    ::testing::Values(
        Case{"Empty", u"", u"", u"", u"", u"", -1, -1, 0, 0},
        Case{"GuidAndMode", u"/n " + kGuid + u" /do jiemian", kGuid, u"jiemian", u"", u"", -1, -1, 0, 0},
        Case{"OrderDoesNotMatter", u"/do mabiao /n " + kGuid, kGuid, u"mabiao", u"", u"", -1, -1, 0, 0},
        Case{"ChineseMode", u"/n x /do 高级设置", u"x", u"高级设置", u"", u"", -1, -1, 0, 0},
        Case{"SwitchWithoutBlankIsNoSwitch", u"/n x /dict", u"x", u"", u"", u"", -1, -1, 0, 0},
        Case{"FirstOccurrenceCounts", u"/do a /do b", u"", u"a", u"", u"", -1, -1, 0, 0},
        Case{"UnknownTextIgnored", u"hello /x y /do update", u"", u"update", u"", u"", -1, -1, 0, 0},
        Case{"DoubleQuotedValue", u"/do \"add word\" /n x", u"x", u"add word", u"", u"", -1, -1, 0, 0},
        Case{"ApostropheClosesDoubleQuote", u"/dict \"ab'cd\"", u"", u"dict", u"ab", u"", -1, -1, 0, 0},
        Case{"UnclosedQuoteRunsToTheEnd", u"/dict '中 国", u"", u"dict", u"中 国", u"", -1, -1, 0, 0},
        Case{"DictOverridesDo", u"/do jiemian /dict 中国", u"", u"dict", u"中国", u"", -1, -1, 0, 0},
        Case{"DictAtTheVeryEnd", u"/n x /dict ", u"x", u"dict", u"", u"", -1, -1, 0, 0},
        Case{"ShowUrlQuotedWithWidth", u"/showurl \"http://a/b c.html\" /showurlCX 800", u"", u"showurl",
             u"http://a/b c.html", u"", 800, -1, -1, -1},
        Case{"ShowUrlBothSizes", u"/showurlCY 300 /showurl x.html /showurlCX 12px", u"", u"showurl", u"x.html", u"",
             12, 300, -1, -1},
        Case{"ShowUrlSizeWithoutDigitsIsZero", u"/showurl a /showurlCX px", u"", u"showurl", u"a", u"", 0, -1, -1,
             -1},
        Case{"ShowUrlSizeSaturates", u"/showurl a /showurlCX 99999999999", u"", u"showurl", u"a", u"", 2147483647,
             -1, -1, -1},
        Case{"ShowUrlMasksDictAndCurrver", u"/dict w /showurl a /currver 3.1", u"", u"showurl", u"a", u"", -1, -1,
             -1, -1},
        Case{"Currver", u"/n x /currver 3.0.1.5 /do jiemian", u"x", u"jiemian", u"", u"3.0.1.5", -1, -1, 0, 0},
        Case{"CurrverSkipsAnyOneCharacter", u"/currver=9.9", u"", u"", u"", u"9.9", -1, -1, 0, 0},
        Case{"CurrverAtTheEnd", u"/do x /currver", u"", u"x", u"", u"", -1, -1, 0, 0},
        Case{"CurrverCutTo39UnitsThenAtTheBlank", u"/currver " + std::u16string(45, u'7'), u"", u"", u"",
             std::u16string(39, u'7'), -1, -1, 0, 0},
        Case{"GuidCutTo39Units", u"/n " + std::u16string(50, u'g'), std::u16string(39, u'g'), u"", u"", u"", -1, -1,
             0, 0},
        Case{"ModeCutTo255Units", u"/do " + std::u16string(300, u'm'), u"", std::u16string(255, u'm'), u"", u"",
             -1, -1, 0, 0},
        Case{"ArgumentCutTo255Units", u"/dict " + std::u16string(300, u'w'), u"", u"dict",
             std::u16string(255, u'w'), u"", -1, -1, 0, 0}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(SkipProgramPathTest, DropsTheProgramAndTheBlanksAfterIt) {
    EXPECT_EQ(SkipProgramPath(u"\"C:\\Program Files\\ime\\config.exe\" /n x"), u"/n x");
    EXPECT_EQ(SkipProgramPath(u"config.exe   /do a"), u"/do a");
    EXPECT_EQ(SkipProgramPath(u"config.exe"), u"");
    EXPECT_EQ(SkipProgramPath(u"\"unclosed /n x"), u"");
    EXPECT_EQ(SkipProgramPath(u""), u"");
}

}  // namespace
