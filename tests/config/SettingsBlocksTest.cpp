// The typed views of the settings blocks: fields land little-endian at their
// bytes, single-bit writers keep every other bit, and the small readers of the
// IME and DME blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/DmeConfigData.h"
#include "config/ImeConfigData.h"
#include "config/SoftConfigData.h"

namespace {

template <typename Block>
struct BlockBytes {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(sizeof(Block));
    Block& block = *reinterpret_cast<Block*>(bytes.data());

    std::vector<uint8_t> At(size_t offset, size_t count) const {
        return {bytes.begin() + static_cast<long>(offset), bytes.begin() + static_cast<long>(offset + count)};
    }
};

TEST(SettingsBlockViewTest, FieldsAreWrittenLittleEndianAtTheirOffsets) {
    BlockBytes<ImeConfigData> ime;
    ime.block.optionFlags = 0x11223344;
    ime.block.candidateFlags = 0x50000001;
    ime.block.bootStamp = 0x0102030405060708;
    EXPECT_EQ(ime.At(36, 4), (std::vector<uint8_t>{0x44, 0x33, 0x22, 0x11}));
    EXPECT_EQ(ime.At(44, 4), (std::vector<uint8_t>{0x01, 0, 0, 0x50}));
    EXPECT_EQ(ime.At(21860, 8), (std::vector<uint8_t>{8, 7, 6, 5, 4, 3, 2, 1}));

    BlockBytes<DmeConfigData> dme;
    dme.block.shiftKeyFunctionTable[0x41].set({0x80000201, 0xC0000004});
    dme.block.combinations[1].keyCode = 0x441;
    EXPECT_EQ(dme.At(10552 + 8 * 0x41, 8), (std::vector<uint8_t>{0x01, 0x02, 0, 0x80, 0x04, 0, 0, 0xC0}));
    EXPECT_EQ(dme.At(12608 + 16, 4), (std::vector<uint8_t>{0x41, 0x04, 0, 0}));
    EXPECT_EQ(dme.block.shiftKeyFunctionTable[0x41].get(), (FunctionSet{0x80000201, 0xC0000004}));

    BlockBytes<SoftConfigData> soft;
    CopyCut(soft.block.categoryNames[2], u"用户");
    soft.block.dataBuild = 0x0A0B;
    EXPECT_EQ(soft.At(5460 + 64 * 2, 6), (std::vector<uint8_t>{0x28, 0x75, 0x37, 0x62, 0, 0}));
    EXPECT_EQ(soft.At(7640, 4), (std::vector<uint8_t>{0x0B, 0x0A, 0, 0}));
}

TEST(SettingsBlockViewTest, BitWritersChangeOnlyTheirBits) {
    struct Case {
        uint32_t before, mask, value, after;
    };
    const Case cases[] = {
        {0xFFFFFFFF, kOptionTempWords, 0, 0xFFEFFFFF},
        {0x00000000, kOptionTempWords, kOptionTempWords, 0x00100000},
        {0xA5A5A5A5, kCandidateCountMask, 7u << kCandidateCountShift, 0x75A5A5A5},
        {0x12345678, kCandidateAdjustMask, kCandidateAdjustByCount, 0x1234567C},
        {0x12345678, kOptionCodeWindowStyleMask, 0xFFFFFFFF, 0x12347678},
    };
    for (const Case& c : cases) {
        Le32 word;
        word = c.before;
        word.setBits(c.mask, c.value);
        EXPECT_EQ(word.get(), c.after);
    }
    Le32 flags;
    flags = 0x40001;
    flags.setFlag(kBehaviourSpaceCommitsEnglish, false);
    flags.setFlag(kBehaviourKeyRadicals, true);
    EXPECT_EQ(flags.get(), 0x50000u);
}

TEST(SettingsBlockViewTest, TextFieldsAreCutAndReadWithinTheirCapacity) {
    Le16 field[4];
    for (Le16& unit : field) unit = 0x4E2D;
    EXPECT_EQ(TextOf(field), u"中中中中") << "an unterminated field ends at its capacity";
    CopyCut(field, u"ab");
    EXPECT_EQ(TextOf(field), u"ab");
    EXPECT_EQ(field[3].get(), 0x4E2D) << "units after the NUL keep their values";
    CopyCut(field, u"abcdef");
    EXPECT_EQ(TextOf(field), u"abc");
}

TEST(PunctuationEntryTest, TwoTextsSitAtBytes2And32AndOneTextKeepsItsKind) {
    BlockBytes<ImeConfigData> ime;
    PunctuationEntry& pair = ime.block.punctuationTable[u'\''];
    pair.kind = kPunctuationTwoTexts;
    CopyCut(pair.firstText(), PunctuationEntry::kPairTextUnits, u"‘");
    CopyCut(pair.secondText(), PunctuationEntry::kPairTextUnits, u"’一二三四五六七八九十甲乙丙丁");
    const size_t entry = 60 + 64 * u'\'';
    EXPECT_EQ(ime.At(entry, 6), (std::vector<uint8_t>{2, 0, 0x18, 0x20, 0, 0}));
    EXPECT_EQ(ime.At(entry + 32, 2), (std::vector<uint8_t>{0x19, 0x20}));
    EXPECT_EQ(TextOf(pair.secondText(), PunctuationEntry::kPairTextUnits), u"’一二三四五六七八九十甲乙丙");

    PunctuationEntry& smart = ime.block.punctuationTable[u'.'];
    CopyCut(smart.units, u"。");
    smart.kind = kPunctuationSmart;
    EXPECT_EQ(TextOf(smart.units), u"。");
}

TEST(KeypadSlotTest, TenIndexesBelow32NameTheKeypad) {
    const std::pair<int, char16_t> slots[] = {{10, u'＊'}, {11, u'＋'}, {13, u'－'}, {14, u'．'},
                                              {15, u'／'}, {16, u'０'}, {20, u'４'}, {25, u'９'}};
    for (const auto& [index, character] : slots) {
        EXPECT_EQ(KeyTableCharacter(index), character);
        EXPECT_EQ(KeypadSlotOf(character), index);
    }
    EXPECT_EQ(KeyTableCharacter(0), u'\xFF00');
    EXPECT_EQ(KeyTableCharacter(32), u' ');
    EXPECT_EQ(KeyTableCharacter(127), u'\x7F');
    for (char16_t other : {u'*', u'0', u'A', u'\xFF0C', u'\xFF1A', u'\xFF00'}) EXPECT_EQ(KeypadSlotOf(other), -1);
}

TEST(CandidateCountTest, OutsideOneToTenCountsAsFive) {
    const std::pair<uint32_t, int> cases[] = {{0x00000000, 5}, {0x10000000, 1}, {0x90000000, 9}, {0xA0000000, 10},
                                              {0xB0000000, 5}, {0xF0000000, 5}, {0x3FFFFFFF, 3}, {0x0000001F, 5}};
    for (const auto& [flags, count] : cases) EXPECT_EQ(CandidateCount(flags), count) << std::hex << flags;
}

TEST(WordCodeRuleTest, ItemsRunToTheFirstZeroOrTheEndOfTheSlot) {
    EXPECT_EQ(MakeRuleItem(1, 2, true), 0x8102);
    EXPECT_EQ(MakeRuleItem(30, 127), 0x1E7F);
    EXPECT_EQ(RuleCharacter(0x9E05), 30);
    EXPECT_EQ(RuleLetter(0x9E05), 5);

    WordCodeRule rule;
    std::vector<RuleItem> full(kRuleItemsPerSlot + 5, MakeRuleItem(2, 1));
    StoreRule(rule, full);
    EXPECT_EQ(RuleItemsOf(rule), std::vector<RuleItem>(kRuleItemsPerSlot, MakeRuleItem(2, 1)));

    const std::vector<RuleItem> shorter = {MakeRuleItem(1, 1), MakeRuleItem(3, 2, true)};
    StoreRule(rule, shorter);
    EXPECT_EQ(RuleItemsOf(rule), shorter);
    EXPECT_EQ(rule.items[kRuleItemsPerSlot - 1].get(), 0) << "the old items are gone";
}

}  // namespace
