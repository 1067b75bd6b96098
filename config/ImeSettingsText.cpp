// The keys and values of the IME section, written from the flag words and
// applied back to them.
#include "config/ImeSettingsText.h"

#include <span>

#include "base/AsciiCase.h"
#include "base/DecimalText.h"

namespace {

enum class FlagWord { kOption, kCandidate, kBehaviour };

// The flag word itself, writable through a writable block.
template <typename Ime>
auto& WordOf(Ime& ime, FlagWord word) {
    switch (word) {
        case FlagWord::kOption:
            return ime.optionFlags;
        case FlagWord::kCandidate:
            return ime.candidateFlags;
        case FlagWord::kBehaviour:
            break;
    }
    return ime.behaviourFlags;
}

constexpr std::u16string_view kYes = u"是";
constexpr std::u16string_view kToggle = u"切换";

// A yes/no option of one bit. Read back, "是" sets the bit and anything else
// clears it; a toggling option flips it on "切换" instead.
struct Switch {
    std::u16string_view key;
    FlagWord word;
    uint32_t bit;
    bool toggles;
};

constexpr Switch kSaveConversion{u"保存自定义的初始化转换状态", FlagWord::kBehaviour, kBehaviourSaveConversion, false};
constexpr Switch kStatusBarEmbedded{u"是否嵌入状态栏窗口", FlagWord::kOption, kOptionStatusBarEmbedded, true};
constexpr Switch kHideEmbeddedFirst{u"隐藏嵌入的首候选", FlagWord::kBehaviour, kBehaviourHideEmbeddedFirst, true};
constexpr Switch kCandidatesOnlyIfSeveral{u"仅重码时显示候选窗口", FlagWord::kBehaviour,
                                          kBehaviourCandidatesOnlyIfSeveral, true};
constexpr Switch kHoverDictionaryDisabled{u"禁用鼠标悬停词典", FlagWord::kOption, kOptionHoverDictionaryDisabled, true};
constexpr Switch kCandidateWindowHidden{u"隐藏候选窗口", FlagWord::kOption, kOptionCandidateWindowHidden, true};
constexpr Switch kStatusBarHidden{u"隐藏状态条窗口", FlagWord::kOption, kOptionStatusBarHidden, true};
constexpr Switch kHideSameWord{u"隐藏词条相同编码不同的后续候选", FlagWord::kBehaviour, kBehaviourHideSameWord, false};
constexpr Switch kNonCodeKeyCommits{u"是否打开非编码按键顶屏", FlagWord::kOption, kOptionNonCodeKeyCommits, true};
constexpr Switch kCommitOnSwitch{u"中英文切换时上屏输入字符", FlagWord::kOption, kOptionCommitOnSwitch, true};
constexpr Switch kCommandShortcut{u"是否开启命令直通车", FlagWord::kBehaviour, kBehaviourCommandShortcut, false};
constexpr Switch kCapsLockEnglishPunctuation{u"Capslock转英文标点", FlagWord::kBehaviour,
                                             kBehaviourCapsLockEnglishPunctuation, false};
constexpr Switch kCombinationsDisabled{u"禁用组合快捷键", FlagWord::kOption, kOptionCombinationsDisabled, true};
constexpr Switch kCapitalStartsEnglish{u"首字母大写开启临时英文输入", FlagWord::kOption, kOptionCapitalStartsEnglish,
                                       false};
constexpr Switch kWordAssociation{u"是否在上屏时开启词语联想", FlagWord::kOption, kOptionWordAssociation, true};
constexpr Switch kTempWords{u"临时词功能开启", FlagWord::kOption, kOptionTempWords, true};
constexpr Switch kTempWordsStoredAtCommit{u"临时词上屏即存", FlagWord::kOption, kOptionTempWordsStoredAtCommit, true};
constexpr Switch kTempWordsClearedAtBoot{u"临时词重启电脑后清空", FlagWord::kOption, kOptionTempWordsClearedAtBoot,
                                         true};
constexpr Switch kTempWordsSmart{u"智能模式生成临时词", FlagWord::kOption, kOptionTempWordsSmart, true};
constexpr Switch kSearchSecondary{u"检索次显码表", FlagWord::kOption, kOptionSearchSecondary, true};
constexpr Switch kSearchSecondaryWhenEmpty{u"空码时检索次显码表", FlagWord::kOption, kOptionSearchSecondaryWhenEmpty,
                                           true};

// Read back without a condition; "是否嵌入状态栏窗口" counts only with TSF.
constexpr const Switch* kPlainSwitches[] = {
    &kSaveConversion,
    &kHideEmbeddedFirst,
    &kCandidatesOnlyIfSeveral,
    &kHoverDictionaryDisabled,
    &kCandidateWindowHidden,
    &kStatusBarHidden,
    &kHideSameWord,
    &kNonCodeKeyCommits,
    &kCommitOnSwitch,
    &kCommandShortcut,
    &kCapsLockEnglishPunctuation,
    &kCombinationsDisabled,
    &kCapitalStartsEnglish,
    &kWordAssociation,
    &kTempWords,
    &kTempWordsStoredAtCommit,
    &kTempWordsClearedAtBoot,
    &kTempWordsSmart,
    &kSearchSecondary,
    &kSearchSecondaryWhenEmpty,
};

// One value out of several for a group of bits.
struct Choice {
    std::u16string_view value;
    uint32_t bits;
};

// Written: the value of the first choice whose bits are all set, else
// `writtenOtherwise`. Read back: the bits of the value's choice, else
// `readOtherwise`.
struct ChoiceSetting {
    std::u16string_view key;
    FlagWord word;
    uint32_t mask;
    std::span<const Choice> choices;
    std::u16string_view writtenOtherwise;
    uint32_t readOtherwise;
};

constexpr Choice kSpaceChoices[] = {
    {u"上屏英文", kBehaviourSpaceCommitsEnglish},
    {u"上屏英文+空格", kBehaviourSpaceCommitsEnglishSpace},
    {u"清屏", kBehaviourSpaceClears},
};
constexpr ChoiceSetting kSpaceOnEmptyCode{u"空码时空格行为", FlagWord::kBehaviour, kBehaviourSpaceMask,
                                          kSpaceChoices,     u"上屏英文",          kBehaviourSpaceCommitsEnglishSpace};
// Read as the same setting; never written.
constexpr std::u16string_view kSpaceInEnglishKey = u"英文状态时空格行为";

constexpr Choice kCodeWindowStyles[] = {
    {u"TSF-嵌入编码", kOptionTsfEmbeddedCode},
    {u"TSF-嵌入首选", kOptionTsfEmbeddedFirst},
    {u"TSF-传统样式", kOptionTsfClassic},
};
constexpr std::u16string_view kImeClassicStyle = u"IME-传统样式";
constexpr ChoiceSetting kCodeWindowStyle{u"编码窗口样式",   FlagWord::kOption, kOptionCodeWindowStyleMask,
                                         kCodeWindowStyles, kImeClassicStyle,  0};

constexpr Choice kCandidatePositions[] = {
    {u"固定位置", kOptionCandidatesFixed},
    {u"跟随状态栏", kOptionCandidatesFollowStatusBar},
};
constexpr ChoiceSetting kCandidatePosition{
    u"候选窗口位置",     FlagWord::kOption, kOptionCandidatesFixed | kOptionCandidatesFollowStatusBar,
    kCandidatePositions, u"跟随光标",       0};

constexpr Choice kSchemes[] = {
    {u"主+辅", kOptionSchemeMain | kOptionSchemeAux},
    {u"辅", kOptionSchemeAux},
    {u"主", kOptionSchemeMain},
};
constexpr ChoiceSetting kInputScheme{u"输入方案", FlagWord::kOption, kOptionSchemeMain | kOptionSchemeAux, kSchemes,
                                     u"主",       kOptionSchemeAux};

constexpr Choice kAdjustments[] = {
    {u"一次到顶", kCandidateAdjustToTop},
    {u"逐渐调整", kCandidateAdjustGradually},
    {u"累加上屏数", kCandidateAdjustByCount},
};
constexpr ChoiceSetting kFrequencyAdjustment{u"词频调整",  FlagWord::kCandidate, kCandidateAdjustMask,
                                             kAdjustments, u"禁止调整",          0};

constexpr const ChoiceSetting* kPlainChoices[] = {&kCandidatePosition, &kInputScheme, &kFrequencyAdjustment};

constexpr std::u16string_view kConversionKey = u"初始化转换状态";
constexpr std::u16string_view kSameAsSystem = u"与系统转换状态一致";
constexpr std::u16string_view kChinesePunctuation = u"中文标点";
constexpr std::u16string_view kFullWidth = u"全角";
constexpr std::u16string_view kImeClosed = u"输入法关闭";

constexpr std::u16string_view kSortKey = u"候选列表排序依据";
constexpr std::u16string_view kSingleFirst = u"单字先见";
constexpr std::u16string_view kByCode = u"按编码排序";

constexpr std::u16string_view kCountKey = u"候选列表显示个数";

bool Has(const ImeConfigData& ime, FlagWord word, uint32_t bit) { return (WordOf(ime, word) & bit) != 0; }
bool Contains(std::u16string_view text, std::u16string_view part) {
    return text.find(part) != std::u16string_view::npos;
}

std::u16string SwitchLine(const ImeConfigData& ime, const Switch& option) {
    return std::u16string(option.key) + (Has(ime, option.word, option.bit) ? u"=是" : u"=否");
}

std::u16string ChoiceLine(const ImeConfigData& ime, const ChoiceSetting& setting) {
    std::u16string_view value = setting.writtenOtherwise;
    const uint32_t word = WordOf(ime, setting.word);
    for (const Choice& choice : setting.choices) {
        if ((word & choice.bits) == choice.bits) {
            value = choice.value;
            break;
        }
    }
    return std::u16string(setting.key) + u"=" + std::u16string(value);
}

std::u16string ConversionLine(const ImeConfigData& ime) {
    if (!(ime.behaviourFlags & kBehaviourCustomConversion)) return u"初始化转换状态=与系统转换状态一致";
    const uint32_t state = ime.conversionState;
    std::u16string line = u"初始化转换状态=自定义：";
    line += (state & kConversionChinesePunctuation) ? u"中文标点+" : u"英文标点+";
    line += (state & kConversionFullWidth) ? u"全角+" : u"半角+";
    line += (state & kConversionClosed) ? u"输入法关闭" : u"输入法打开";
    return line;
}

std::u16string SortLine(const ImeConfigData& ime) {
    const uint32_t flags = ime.candidateFlags;
    std::u16string line = u"候选列表排序依据=";
    if (flags & kCandidateSingleFirst) line += u"单字先见,";
    if (flags & kCandidateByCode) line += u"按编码排序,";
    if (!(flags & (kCandidateSingleFirst | kCandidateByCode))) line += u"码表原始序";
    return line;
}

void ApplySwitch(ImeConfigData& ime, const Switch& option, std::u16string_view value) {
    Le32& word = WordOf(ime, option.word);
    if (option.toggles && value == kToggle)
        word = word ^ option.bit;
    else
        word.setFlag(option.bit, value == kYes);
}

void ApplyChoice(ImeConfigData& ime, const ChoiceSetting& setting, std::u16string_view value) {
    uint32_t bits = setting.readOtherwise;
    for (const Choice& choice : setting.choices) {
        if (EqualsIgnoringAsciiCase(value, choice.value)) {
            bits = choice.bits;
            break;
        }
    }
    WordOf(ime, setting.word).setBits(setting.mask, bits);
}

void ApplyConversion(ImeConfigData& ime, std::u16string_view value) {
    if (EqualsIgnoringAsciiCase(value, kSameAsSystem)) {
        ime.behaviourFlags.setFlag(kBehaviourCustomConversion, false);
        ime.conversionState = kConversionSameAsSystem;
        return;
    }
    ime.behaviourFlags.setFlag(kBehaviourCustomConversion, true);
    uint32_t state = kConversionWritten;
    if (Contains(value, kChinesePunctuation)) state |= kConversionChinesePunctuation;
    if (Contains(value, kFullWidth)) state |= kConversionFullWidth;
    if (Contains(value, kImeClosed)) state |= kConversionClosed;
    ime.conversionState = state;
}

// By the first character: "10" is ten, any other value outside 1 to 9 but 5
// itself means the default, five.
int CandidateCountOf(std::u16string_view value) {
    const char16_t first = value.empty() ? u'\0' : value[0];
    if (first == u'1') return value.size() > 1 && value[1] == u'0' ? 10 : 1;
    if (first >= u'2' && first <= u'9') return first - u'0';
    return 5;
}

}  // namespace

std::vector<std::u16string> ImeSettingsLines(const ImeConfigData& ime) {
    std::vector<std::u16string> lines;
    const uint32_t behaviour = ime.behaviourFlags;
    lines.emplace_back(u"//可选：“上屏英文”、“上屏英文+空格”、“清屏”之一");
    lines.push_back(ChoiceLine(ime, kSpaceOnEmptyCode));
    lines.emplace_back();
    lines.emplace_back(u"//每次打开输入法时的标点符号状态,一般设置为“与系统转换状态一致”");
    lines.emplace_back(u"//如需特别指定，可设置“输入法打开”或“输入法关闭”、“中文标点”或“英文标点”、“全角”或“半角”");
    lines.push_back(ConversionLine(ime));
    lines.emplace_back();
    lines.emplace_back(u"//关闭输入法时，将当前的标点状态保存为“初始化转换状态”，下次打开输入法时标点状态与此一致。");
    lines.emplace_back(u"//该选项仅当“初始化转换状态”为“自定义”时有效。");
    lines.push_back(SwitchLine(ime, kSaveConversion));
    lines.emplace_back();
    if (behaviour & kBehaviourHasTsf) {
        lines.emplace_back(u"//可选：“TSF-嵌入编码”、“TSF-嵌入首选”、“TSF-传统样式”、“IME-传统样式”之一");
        lines.push_back(ChoiceLine(ime, kCodeWindowStyle));
        lines.emplace_back();
        lines.push_back(SwitchLine(ime, kStatusBarEmbedded));
        lines.push_back(SwitchLine(ime, kHideEmbeddedFirst));
        lines.push_back(SwitchLine(ime, kCandidatesOnlyIfSeveral));
    } else {
        lines.emplace_back(u"//未包含TSF框架,此处只能设置为IME-传统样式");
        lines.emplace_back(u"编码窗口样式=IME-传统样式");
    }
    lines.emplace_back();
    lines.emplace_back(u"//可选：“固定位置”、“跟随状态栏”、“跟随光标”之一");
    lines.push_back(ChoiceLine(ime, kCandidatePosition));
    lines.emplace_back();
    lines.emplace_back(
        u"//如果生成时包含了词典，系统默认当鼠标在候选窗口悬停800毫秒后打开词典窗口。如果您不需要该功能，可在此处关闭");
    lines.push_back(SwitchLine(ime, kHoverDictionaryDisabled));
    lines.emplace_back();
    lines.push_back(SwitchLine(ime, kCandidateWindowHidden));
    lines.push_back(SwitchLine(ime, kStatusBarHidden));
    lines.emplace_back();
    for (const Switch* option : {&kHideSameWord, &kNonCodeKeyCommits, &kCommitOnSwitch, &kCommandShortcut,
                                 &kCapsLockEnglishPunctuation, &kCombinationsDisabled, &kCapitalStartsEnglish})
        lines.push_back(SwitchLine(ime, *option));
    if (behaviour & kBehaviourHasAssociation) lines.push_back(SwitchLine(ime, kWordAssociation));
    if (behaviour & kBehaviourHasTempWords) {
        lines.emplace_back();
        lines.push_back(SwitchLine(ime, kTempWords));
        lines.push_back(SwitchLine(ime, kTempWordsStoredAtCommit));
        lines.push_back(SwitchLine(ime, kTempWordsClearedAtBoot));
        lines.emplace_back();
        lines.emplace_back(u"//如果此项设置为是，程序依据每次上屏时的编码和构词规则生成临时词");
        lines.emplace_back(u"//否则，程序在单字编码表中查询每个单字编码后，依据构词规则生成临时词");
        lines.push_back(SwitchLine(ime, kTempWordsSmart));
        lines.emplace_back();
    }
    lines.emplace_back(u"//可选：“主+辅”、“主”、“辅”之一");
    lines.push_back(ChoiceLine(ime, kInputScheme));
    lines.emplace_back();
    lines.emplace_back(u"//检索范围仅限定次显码表，当“检索次显码表为否”时,“候选为空时检索次显码表”有效");
    lines.push_back(SwitchLine(ime, kSearchSecondary));
    lines.push_back(SwitchLine(ime, kSearchSecondaryWhenEmpty));
    lines.emplace_back();
    lines.emplace_back(u"//可选：“单字先见”、“按编码排序”、“码表原始序”之一");
    lines.push_back(SortLine(ime));
    lines.emplace_back();
    lines.emplace_back(u"//可选：1~10之间整数");
    lines.push_back(u"候选列表显示个数=" + DecimalText(CandidateCount(ime.candidateFlags)));
    lines.emplace_back();
    lines.emplace_back(u"//可选：“一次到顶”、“逐渐调整”、“累加上屏数”、“禁止调整”之一");
    lines.push_back(ChoiceLine(ime, kFrequencyAdjustment));
    lines.emplace_back();
    return lines;
}

void ApplyImeSetting(ImeConfigData& ime, std::u16string_view key, std::u16string_view value) {
    const bool hasTsf = ime.behaviourFlags & kBehaviourHasTsf;
    if (EqualsIgnoringAsciiCase(key, kCodeWindowStyle.key)) {
        // Without TSF only the IME style exists.
        ime.optionFlags.setBits(kOptionCodeWindowStyleMask, 0);
        if (hasTsf) ApplyChoice(ime, kCodeWindowStyle, value);
    } else if (EqualsIgnoringAsciiCase(key, kStatusBarEmbedded.key)) {
        if (hasTsf) ApplySwitch(ime, kStatusBarEmbedded, value);
    } else if (EqualsIgnoringAsciiCase(key, kSpaceOnEmptyCode.key) ||
               EqualsIgnoringAsciiCase(key, kSpaceInEnglishKey)) {
        ApplyChoice(ime, kSpaceOnEmptyCode, value);
    } else if (EqualsIgnoringAsciiCase(key, kConversionKey)) {
        ApplyConversion(ime, value);
    } else if (EqualsIgnoringAsciiCase(key, kSortKey)) {
        uint32_t bits = 0;
        if (Contains(value, kSingleFirst)) bits |= kCandidateSingleFirst;
        if (Contains(value, kByCode)) bits |= kCandidateByCode;
        ime.candidateFlags.setBits(kCandidateSingleFirst | kCandidateByCode, bits);
    } else if (EqualsIgnoringAsciiCase(key, kCountKey)) {
        ime.candidateFlags.setBits(kCandidateCountMask, static_cast<uint32_t>(CandidateCountOf(value))
                                                            << kCandidateCountShift);
    } else {
        for (const Switch* option : kPlainSwitches)
            if (EqualsIgnoringAsciiCase(key, option->key)) ApplySwitch(ime, *option, value);
        for (const ChoiceSetting* setting : kPlainChoices)
            if (EqualsIgnoringAsciiCase(key, setting->key)) ApplyChoice(ime, *setting, value);
    }
}
