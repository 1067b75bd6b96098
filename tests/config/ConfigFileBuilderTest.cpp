// The new config.dsc: four blocks found by name with their header sizes and
// types, the identity in the software block, and the Wubi-86 defaults.
#include <gtest/gtest.h>

#include <vector>

#include "config/ConfigFileBuilder.h"
#include "config/DmeConfigData.h"
#include "config/FunctionNames.h"
#include "config/ImeConfigData.h"
#include "config/KeyBindings.h"
#include "config/KeyNames.h"
#include "config/SettingsFile.h"
#include "config/SkinConfigData.h"
#include "config/SoftConfigData.h"

namespace {

class ConfigFileBuilderTest : public ::testing::Test {
protected:
    ConfigFileBuilderTest() {
        identity.imeGuid = {0x52, 0x1A, 0x3C, 0x8B, 0x1E, 0x6F, 0x1B, 0x4C,
                            0x9E, 0x1D, 0x2A, 0x7F, 0x4E, 0x3B, 0x5C, 0x60};
        identity.displayName = u"泽瓦五笔";
        identity.programVersionText = u"3.3.0.221";
        identity.versionText = u"3.3.0.230";
        identity.programBuild = 221;
        identity.dataBuild = 7;
        file = BuildConfigFile(identity);
    }

    template <typename Block>
    Block* Find() {
        return FindSettingsBlockAs<Block>(file.data(), static_cast<uint32_t>(file.size()));
    }

    ConfigFileIdentity identity;
    std::vector<uint8_t> file;
};

TEST_F(ConfigFileBuilderTest, HoldsTheFourBlocksWithTheirHeaders) {
    EXPECT_EQ(file[0], 4);
    EXPECT_EQ(file.size(),
              20 + sizeof(SoftConfigData) + sizeof(ImeConfigData) + sizeof(DmeConfigData) + sizeof(SkinConfigData));
    struct Expected {
        const SettingsBlockHeader* header;
        uint32_t size;
        uint8_t type;
        const char* name;
    };
    const Expected blocks[] = {
        {&Find<SoftConfigData>()->header, 7644, 0, "zv_soft_config_data_default"},
        {&Find<ImeConfigData>()->header, 21892, 1, "zv_ime_config_data_default"},
        {&Find<DmeConfigData>()->header, 13888, 2, "zv_dme_config_data_default"},
        {&Find<SkinConfigData>()->header, 732, 3, "zv_skin_config_data_default"},
    };
    for (const Expected& b : blocks) {
        EXPECT_EQ(b.header->size.get(), b.size);
        EXPECT_EQ(b.header->type, b.type);
        EXPECT_STREQ(b.header->name, b.name);
    }
}

TEST_F(ConfigFileBuilderTest, SoftwareBlockHoldsTheIdentityAndTheCategories) {
    const SoftConfigData& soft = *Find<SoftConfigData>();
    EXPECT_TRUE(std::equal(identity.imeGuid.begin(), identity.imeGuid.end(), soft.imeGuid));
    EXPECT_EQ(TextOf(soft.displayName), u"泽瓦五笔");
    EXPECT_EQ(TextOf(soft.programVersionText), u"3.3.0.221");
    EXPECT_EQ(TextOf(soft.versionText), u"3.3.0.230");
    EXPECT_EQ(TextOf(soft.updateUrlTemplate), u"");
    EXPECT_EQ(soft.programBuild.get(), 221u);
    EXPECT_EQ(soft.dataBuild.get(), 7u);

    const std::u16string names[] = {u"输入编码表", u"系统码表", u"用户码表", u"次显码表", u"辅码码表"};
    const uint32_t flags[] = {1, 3, 3, 1, 1};
    for (int k = 0; k < kCategorySlots; ++k) {
        EXPECT_EQ(TextOf(soft.categoryNames[k]), k < 5 ? names[k] : u"") << k;
        EXPECT_EQ(soft.categoryFlags[k].get(), k < 5 ? flags[k] : 0u) << k;
    }
}

TEST_F(ConfigFileBuilderTest, ImeBlockHoldsPlainWubiDefaults) {
    const ImeConfigData& ime = *Find<ImeConfigData>();
    EXPECT_EQ(ime.optionFlags.get(), kOptionNonCodeKeyCommits | kOptionSchemeMain);
    EXPECT_EQ(ime.pageMask.get(), 0x1Fu);
    EXPECT_EQ(CandidateCount(ime.candidateFlags), 5);
    EXPECT_EQ(ime.candidateFlags & ~kCandidateCountMask, 0u) << "table order, no frequency adjustment";
    EXPECT_EQ(ime.behaviourFlags.get(),
              kBehaviourSpaceClears | kBehaviourHasTsf | kBehaviourHasAssociation | kBehaviourHasTempWords);
    EXPECT_EQ(ime.conversionState.get(), kConversionSameAsSystem);
    EXPECT_EQ(ime.recentOutputCount.get(), 0u);
    EXPECT_EQ(ime.punctuationTable['.'].kind.get(), kPunctuationNone);
}

TEST_F(ConfigFileBuilderTest, DmeBlockHoldsTheWubiWordCodeRules) {
    const DmeConfigData& dme = *Find<DmeConfigData>();
    using Items = std::vector<RuleItem>;
    EXPECT_EQ(RuleItemsOf(dme.wordCodeRules[2]), (Items{0x0101, 0x0102, 0x0201, 0x0202}));
    EXPECT_EQ(RuleItemsOf(dme.wordCodeRules[3]), (Items{0x0101, 0x0201, 0x0301, 0x0302}));
    for (int n = 4; n <= kMaxRuleWordLength; ++n)
        EXPECT_EQ(RuleItemsOf(dme.wordCodeRules[n]), (Items{0x0101, 0x0201, 0x0301, MakeRuleItem(n, 1)})) << n;
    for (int unused : {0, 1, 31}) EXPECT_TRUE(RuleItemsOf(dme.wordCodeRules[unused]).empty()) << unused;
}

TEST_F(ConfigFileBuilderTest, DmeBlockHoldsTheDefaultKeyScheme) {
    DmeConfigData& dme = *Find<DmeConfigData>();
    std::vector<uint8_t> expected(sizeof(DmeConfigData));
    auto& scheme = *reinterpret_cast<DmeConfigData*>(expected.data());
    LoadDefaultKeyScheme(scheme);
    EXPECT_TRUE(std::equal(std::begin(scheme.keyFunctionTable), std::end(scheme.keyFunctionTable),
                           std::begin(dme.keyFunctionTable),
                           [](const StoredFunctionSet& a, const StoredFunctionSet& b) { return a.get() == b.get(); }));
    EXPECT_EQ(FunctionListOf(FindFunctionSet(dme, ParseKeyName(u"键Enter"), false)->get()), u"英文上屏,");
    EXPECT_EQ(dme.combinationCount, 0);
}

}  // namespace
