// A new config.dsc with Wubi-86 defaults.
#include "config/ConfigFileBuilder.h"

#include <cstring>

#include "config/DmeConfigData.h"
#include "config/ImeConfigData.h"
#include "config/KeyBindings.h"
#include "config/SettingsFile.h"
#include "config/SkinConfigData.h"
#include "config/SoftConfigData.h"

namespace {

// The software block's type is not fixed by the input method; 0 continues the
// numbering of the other three.
constexpr uint8_t kSoftBlockType = 0;

void FillSoftBlock(SoftConfigData& soft, const ConfigFileIdentity& identity) {
    std::memcpy(soft.imeGuid, identity.imeGuid.data(), sizeof soft.imeGuid);
    CopyCut(soft.displayName, identity.displayName);
    CopyCut(soft.programVersionText, identity.programVersionText);
    CopyCut(soft.versionText, identity.versionText);
    struct Category {
        int index;
        std::u16string_view name;
        uint32_t flags;
    };
    const Category categories[] = {
        {0, u"输入编码表", kCategoryEditable},
        {1, u"系统码表", kCategoryEditable | kCategoryInUse},
        {2, u"用户码表", kCategoryEditable | kCategoryInUse},
        {3, u"次显码表", kCategoryEditable},
        {4, u"辅码码表", kCategoryEditable},
    };
    for (const Category& c : categories) {
        CopyCut(soft.categoryNames[c.index], c.name);
        soft.categoryFlags[c.index] = c.flags;
    }
    soft.programBuild = identity.programBuild;
    soft.dataBuild = identity.dataBuild;
}

void FillImeBlock(ImeConfigData& ime) {
    ime.optionFlags = kOptionNonCodeKeyCommits | kOptionSchemeMain;
    ime.pageMask = kPageAdvanced | kPageCommon | kPageAppearance | kPageCodeTable | kPageAbout;
    ime.candidateFlags = 5u << kCandidateCountShift;
    ime.behaviourFlags = kBehaviourSpaceClears | kBehaviourHasTsf | kBehaviourHasAssociation | kBehaviourHasTempWords;
    ime.conversionState = kConversionSameAsSystem;
}

// Wubi: two characters give the first two letters of each; three the first
// letter of the first two and the first two of the third; four and more the
// first letter of the first three and of the last.
void FillWordCodeRules(DmeConfigData& dme) {
    const RuleItem two[] = {MakeRuleItem(1, 1), MakeRuleItem(1, 2), MakeRuleItem(2, 1), MakeRuleItem(2, 2)};
    StoreRule(dme.wordCodeRules[2], two);
    const RuleItem three[] = {MakeRuleItem(1, 1), MakeRuleItem(2, 1), MakeRuleItem(3, 1), MakeRuleItem(3, 2)};
    StoreRule(dme.wordCodeRules[3], three);
    for (int n = 4; n <= kMaxRuleWordLength; ++n) {
        const RuleItem more[] = {MakeRuleItem(1, 1), MakeRuleItem(2, 1), MakeRuleItem(3, 1), MakeRuleItem(n, 1)};
        StoreRule(dme.wordCodeRules[n], more);
    }
}

template <typename Block>
Block& StampedBlockAt(std::vector<uint8_t>& file, size_t offset, uint8_t type) {
    auto& block = *reinterpret_cast<Block*>(file.data() + offset);
    StampBlockHeader(block.header, sizeof(Block), type, Block::kName);
    return block;
}

}  // namespace

std::vector<uint8_t> BuildConfigFile(const ConfigFileIdentity& identity) {
    constexpr size_t kBlocks = 4;
    const size_t soft = kBlockTableOffset + 4 * kBlocks;
    const size_t ime = soft + sizeof(SoftConfigData);
    const size_t dme = ime + sizeof(ImeConfigData);
    const size_t skin = dme + sizeof(DmeConfigData);
    std::vector<uint8_t> file(skin + sizeof(SkinConfigData));

    file[0] = kBlocks;
    auto* table = reinterpret_cast<Le32*>(file.data() + kBlockTableOffset);
    const size_t offsets[kBlocks] = {soft, ime, dme, skin};
    for (size_t i = 0; i < kBlocks; ++i) table[i] = static_cast<uint32_t>(offsets[i]);

    FillSoftBlock(StampedBlockAt<SoftConfigData>(file, soft, kSoftBlockType), identity);
    FillImeBlock(StampedBlockAt<ImeConfigData>(file, ime, ImeConfigData::kType));
    DmeConfigData& dmeBlock = StampedBlockAt<DmeConfigData>(file, dme, DmeConfigData::kType);
    FillWordCodeRules(dmeBlock);
    LoadDefaultKeyScheme(dmeBlock);
    StampedBlockAt<SkinConfigData>(file, skin, SkinConfigData::kType);
    return file;
}
