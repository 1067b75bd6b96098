// Word codes made from the word code rules and danzi.dmi.
#include "codetable/WordCode.h"

#include <gtest/gtest.h>

#include "tests/codetable/TableTestSupport.h"

namespace {

WordCodeRule RuleOf(std::initializer_list<RuleItem> items) {
    WordCodeRule rule{};
    StoreRule(rule, std::vector<RuleItem>(items));
    return rule;
}

class MakeWordCodeTest : public ::testing::Test {
protected:
    // 中 has a second, later record whose code must not be used.
    MappedFilePtr characters = SortedCharacterTable(
        {CharacterRecordBytes("中", "khk"), CharacterRecordBytes("华", "wxfj"), CharacterRecordBytes("人", "w"),
         CharacterRecordBytes("民", "nav"), CharacterRecordBytes("中", "kz"), CharacterRecordBytes("𠀀", "gkd")});
};

TEST_F(MakeWordCodeTest, FollowsTheRuleItems) {
    struct Case {
        const char* name;
        std::u16string word;
        WordCodeRule rule;
        std::u16string code;
    };
    for (const Case& c : {
             Case{"ThreeCharacters", u"中华民", RuleOf({0x0101, 0x0201, 0x0301, 0x0302}), u"kwna"},
             Case{"TwoCharactersFirstTwoLetters", u"中华", RuleOf({0x0101, 0x0102, 0x0201, 0x0202}), u"khwx"},
             Case{"WholeCodes", u"中人", RuleOf({0x0100, 0x0200}), u"khkw"},
             Case{"PositionBeyondTheEndIsTheLastCharacter", u"中华", RuleOf({0x0101, 0x1F01}), u"kw"},
             Case{"PositionZeroIsSkipped", u"中华", RuleOf({0x0001, 0x0201}), u"w"},
             Case{"LetterBeyondTheCodeAddsNothing", u"人民", RuleOf({0x0102, 0x0203}), u"v"},
             Case{"UnknownCharacterIsSkipped", u"中国", RuleOf({0x0101, 0x0201}), u"k"},
             Case{"FormFlagAndBitSevenAreIgnored", u"中华", RuleOf({0x8181, 0x0201}), u"kw"},
             Case{"SurrogatePairIsOneCharacter", u"𠀀中", RuleOf({0x0101, 0x0201}), u"gk"},
             Case{"ItemsAfterTheZeroItemAreIgnored", u"中华", RuleOf({0x0101, 0, 0x0201}), u"k"},
             Case{"EmptyRule", u"中华", RuleOf({}), u""},
             Case{"EmptyWord", u"", RuleOf({0x0101}), u""},
         }) {
        EXPECT_EQ(MakeWordCode(c.word, c.rule, characters.get()), c.code) << c.name;
    }
    EXPECT_EQ(MakeWordCode(u"中华", RuleOf({0x0101}), nullptr), u"");
}

TEST_F(MakeWordCodeTest, CodeIsCutAt127Units) {
    std::vector<RuleItem> items(128, 0x0200);  // 128 times "wxfj"
    WordCodeRule rule{};
    StoreRule(rule, items);
    const std::u16string code = MakeWordCode(u"中华", rule, characters.get());
    EXPECT_EQ(code.size(), 127u);
    EXPECT_EQ(code.substr(124), u"wxf");
}

}  // namespace
