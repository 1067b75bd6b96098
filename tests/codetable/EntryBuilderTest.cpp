// Records built from code texts with markers and words, and the text helpers
// they use.
#include "codetable/EntryBuilder.h"

#include <gtest/gtest.h>

#include "codetable/CodeTable.h"
#include "codetable/CodeText.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

struct MarkerCase {
    std::u16string text;
    std::u16string code;
    uint16_t order;
    uint8_t category;
    bool pinned, deleted;
};

class CodeMarkersTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(CodeMarkersTest, BecomeFlagsAndAreCutFromTheCode) {
    const MarkerCase& c = GetParam();
    std::u16string code = c.text;
    const Bytes record = BuildEntry(code, u"词", nullptr);
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(code, c.code);
    const EntryFlags flags{LoadU32(record.data())};
    EXPECT_EQ(flags.order(), c.order);
    EXPECT_EQ(flags.category(), c.category);
    EXPECT_EQ(flags.pinned(), c.pinned);
    EXPECT_EQ(flags.deleted(), c.deleted);
    EXPECT_FALSE(flags.headMark());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodeMarkersTest,
    ::testing::Values(MarkerCase{u"kmg", u"kmg", 0, 0, false, false},
                      MarkerCase{u"kmg#固#用#序12", u"kmg", 12, 2, true, false},
                      // "#序" is searched first and cuts "#固" away with it.
                      MarkerCase{u"kmg#序12#固", u"kmg", 12, 0, false, false},
                      MarkerCase{u"ab#删#固#类3#序7", u"ab", 7, 18, true, true},
                      MarkerCase{u"ab#类0", u"ab", 0, 16, false, false},
                      MarkerCase{u"ab#类-3", u"ab", 0, 16, false, false},
                      MarkerCase{u"ab#类40", u"ab", 0, 31, false, false},
                      MarkerCase{u"ab#类16", u"ab", 0, 31, false, false},
                      MarkerCase{u"ab#类 5x", u"ab", 0, 20, false, false},
                      MarkerCase{u"ab#次", u"ab", 0, 3, false, false},
                      MarkerCase{u"ab#辅", u"ab", 0, 4, false, false},
                      // "#次" is searched after "#用" and replaces its category.
                      MarkerCase{u"ab#次#用", u"ab", 0, 3, false, false},
                      MarkerCase{u"ab#用#次", u"ab", 0, 2, false, false},
                      MarkerCase{u"ab#序70000", u"ab", 70000 & 0xFFFF, 0, false, false},
                      MarkerCase{u"ab#序", u"ab", 0, 0, false, false},
                      MarkerCase{u"ab#序99999999999", u"ab", 0xFFFF, 0, false, false},
                      MarkerCase{u"a#b", u"a#b", 0, 0, false, false}));

TEST(BuildEntryTest, StoresFlagsCodeAndWordWithoutAModule) {
    std::u16string code = u"a\uFF10b";
    const Bytes record = BuildEntry(code, u"中国", nullptr);
    EXPECT_EQ(code, u"a\x10" u"b") << "the code is folded in place";
    EXPECT_EQ(record, (Bytes{0, 0, 0, 0, 3, 'a', 0x10, 'b', 6, 0xE4, 0xB8, 0xAD, 0xE5, 0x9B, 0xBD}));
}

TEST(BuildEntryTest, RefusesWhatCannotBeStoredWhole) {
    struct Case {
        const char* name;
        std::u16string code, word;
    };
    for (const Case& c : {Case{"EmptyCode", u"", u"词"}, Case{"EmptyWord", u"ab", u""},
                          Case{"OnlyMarkers", u"#固#用", u"词"},
                          Case{"CodeOver250Units", std::u16string(251, u'a'), u"词"},
                          Case{"WordOver250Units", u"ab", std::u16string(251, u'a')},
                          Case{"CodeOver250Bytes", std::u16string(84, u'中'), u"词"},
                          Case{"WordOver250Bytes", u"ab", std::u16string(84, u'中')}}) {
        std::u16string code = c.code;
        EXPECT_TRUE(BuildEntry(code, c.word, nullptr).empty()) << c.name;
    }
    std::u16string code(250, u'a');
    const Bytes longest = BuildEntry(code, std::u16string(83, u'中'), nullptr);
    ASSERT_EQ(longest.size(), 4 + 1 + 250 + 1 + 249u);
    EXPECT_EQ(longest[4], 250);
    EXPECT_EQ(longest[255], 249);
}

// A module encoder that stores codes upper-cased behind a marker byte.
int encodeCalls = 0;
int32_t EncodeUpper(const char16_t* code, uint8_t* destination, int32_t capacity) {
    ++encodeCalls;
    std::u16string_view text(code);
    const auto length = static_cast<int32_t>(text.size() + 1);
    if (!destination) return capacity == 0 ? length : -1;
    if (capacity < length) return -1;
    destination[0] = static_cast<uint8_t>(length);
    destination[1] = '^';
    for (size_t i = 0; i < text.size(); ++i) destination[2 + i] = static_cast<uint8_t>(text[i] & ~0x20);
    return length;
}
int32_t EncodeInconsistently(const char16_t*, uint8_t* destination, int32_t) { return destination ? 2 : 3; }

TEST(BuildEntryTest, ModuleEncoderStoresTheCode) {
    encodeCalls = 0;
    std::u16string code = u"ab\uFF10#固";
    const Bytes record = BuildEntry(code, u"x", EncodeUpper);
    EXPECT_EQ(encodeCalls, 2);
    EXPECT_EQ(code, u"ab\uFF10") << "not folded: the module encodes";
    EXPECT_EQ(record, (Bytes{0, 0, 0, 0x40, 4, '^', 'A', 'B', 0x10, 1, 'x'}));

    std::u16string other = u"ab";
    EXPECT_TRUE(BuildEntry(other, u"x", EncodeInconsistently).empty());
}

TEST(FoldCodeCharactersTest, OnlyTheFullwidthRangeFolds) {
    std::u16string text = u"\uFF09\uFF0A\uFF10\uFF19\uFF1Aa中";
    FoldCodeCharacters(text);
    EXPECT_EQ(text, std::u16string(u"\uFF09") + u'\x0A' + u'\x10' + u'\x19' + u"\uFF1Aa中");
}

TEST(CountCodePointsTest, SurrogatePairsAreOneCharacter) {
    struct Case {
        std::u16string text;
        size_t limit;
        int32_t expected;
    };
    for (const Case& c : {Case{u"", 10, 0}, Case{u"abc", 10, 3}, Case{u"abc", 2, 2}, Case{u"中\U00020000国", 10, 3},
                          Case{u"\U00020000", 1, 1}, Case{u"a\xD840", 10, -1}, Case{u"\xD840" u"b", 10, -1},
                          Case{u"\xDC00\xDC00", 10, -1}, Case{u"ab\xD840", 2, 2}}) {
        EXPECT_EQ(CountCodePoints(c.text, c.limit), c.expected) << c.text.size() << " units, limit " << c.limit;
    }
}

}  // namespace
