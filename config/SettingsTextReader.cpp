// The sections, comments and lines of the settings text, and where each line
// goes.
#include "config/SettingsTextReader.h"

#include <cstring>
#include <vector>

#include "base/AsciiCase.h"
#include "config/ImeSettingsText.h"
#include "config/KeyBindings.h"
#include "config/KeyFunctionText.h"
#include "config/KeyTableText.h"
#include "config/WordRuleText.h"

namespace {

enum class Section { kOther, kKeyFunctions, kIme, kDme, kSkin, kWordRules, kPunctuation, kKeyRadicals };

struct Header {
    std::u16string_view text;
    Section section;
};

// "[-生成器选项-]", "[-其他安装文件-]" and "[-软件选项-]" are known but ignored,
// like any other header.
constexpr Header kHeaders[] = {
    {u"[-按键功能-]", Section::kKeyFunctions},
    {u"[-IME设置-]", Section::kIme},
    {u"[-DME设置-]", Section::kDme},
    {u"[-SKIN设置-]", Section::kSkin},
    {u"[-构词规则定义-]", Section::kWordRules},
    {u"[-非编码符号转义定义表-]", Section::kPunctuation},
    {u"[-键位字根表-]", Section::kKeyRadicals},
};

Section SectionOf(std::u16string_view header) {
    for (const Header& h : kHeaders)
        if (EqualsIgnoringAsciiCase(header, h.text)) return h.section;
    return Section::kOther;
}

bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

size_t SkipLineBreaks(std::u16string_view text, size_t at) {
    while (at < text.size() && IsLineBreak(text[at])) ++at;
    return at;
}

using SettingList = std::vector<std::pair<std::u16string, std::u16string>>;

// Entries 0 to 3 of the radicals, the first 256 bytes, are cleared with the
// tables the text defines whole.
constexpr size_t kClearedRadicalEntries = 4;

// The lists start with room for 100 settings.
constexpr size_t kListRoom = 100;

void ApplyModuleList(const SettingList& list, void* block, int32_t blockKind, const SettingsTextTable* settings) {
    if (!settings || !settings->applySetting) return;
    for (const auto& [key, value] : list) settings->applySetting(block, key.c_str(), value.c_str(), blockKind);
}

}  // namespace

size_t ReadTextLine(std::u16string_view text, std::u16string& line) {
    size_t at = 0;
    while (at < text.size() && at < kTextLineUnits && IsLineBreak(text[at])) ++at;
    const size_t start = at;
    while (at < text.size() && at < kTextLineUnits && !IsLineBreak(text[at])) {
        if (text.substr(at).starts_with(u"\\\\")) {
            line = text.substr(start, at - start);
            while (at < text.size() && !IsLineBreak(text[at])) ++at;
            return SkipLineBreaks(text, at);
        }
        ++at;
    }
    line = text.substr(start, at - start);
    return SkipLineBreaks(text, at);
}

std::optional<KeyValue> SplitKeyValue(std::u16string_view line) {
    const size_t equals = line.find(u'=', line.starts_with(u'=') ? 1 : 0);
    if (equals == std::u16string_view::npos) return std::nullopt;
    KeyValue split{line.substr(0, equals), line.substr(equals + 1)};
    if (split.value.starts_with(u'"') && split.value.ends_with(u'"')) {
        const std::u16string_view quoted = split.value.substr(1);
        split.value = quoted.substr(0, quoted.find(u'"'));
    }
    return split;
}

void ParseSettingsText(DmeConfigData& dme, SkinConfigData& skin, std::u16string_view text, ImeConfigData& ime,
                       const SettingsTextTable* settings) {
    text = text.substr(0, text.find(u'\0'));
    SettingList imeList, dmeList, skinList;
    for (SettingList* list : {&imeList, &dmeList, &skinList}) list->reserve(kListRoom);

    ClearKeyBindings(dme);
    std::memset(dme.wordCodeRules, 0, sizeof dme.wordCodeRules);
    std::memset(ime.punctuationTable, 0, sizeof ime.punctuationTable);
    // Only the radicals of the first entries: the others stay until a line
    // sets them.
    std::memset(ime.keyRadicalTable, 0, kClearedRadicalEntries * sizeof(KeyRadicalEntry));

    Section section = Section::kOther;
    std::u16string line;
    size_t at = 0;
    while (at < text.size()) {
        const std::u16string_view rest = text.substr(at);
        if (rest.starts_with(u"//")) {
            const size_t end = rest.find_first_of(u"\r\n");
            at = end == std::u16string_view::npos ? text.size() : SkipLineBreaks(text, at + end);
            continue;
        }
        if (rest.starts_with(u"/*")) {
            // The "*" of "/*" may also close it: "/*/" is a whole comment.
            const size_t close = rest.find(u"*/", 1);
            if (close == std::u16string_view::npos) break;
            at = SkipLineBreaks(text, at + close + 2);
            continue;
        }
        at += ReadTextLine(rest, line);
        if (line.starts_with(u"[-")) {
            section = SectionOf(line);
            continue;
        }
        const std::optional<KeyValue> split = SplitKeyValue(line);
        if (!split) continue;
        const auto [key, value] = *split;
        switch (section) {
            case Section::kKeyFunctions:
                ApplyKeyFunctionLine(dme, key, value);
                break;
            case Section::kIme:
                imeList.emplace_back(key, value);
                break;
            case Section::kDme:
                dmeList.emplace_back(key, value);
                break;
            case Section::kSkin:
                skinList.emplace_back(key, value);
                break;
            case Section::kWordRules:
                ParseWordRule(dme, key, value);
                break;
            case Section::kPunctuation:
                ApplyPunctuationLine(ime, key, value);
                break;
            case Section::kKeyRadicals:
                ApplyKeyRadicalLine(ime, key, value);
                break;
            case Section::kOther:
                break;
        }
    }

    for (const auto& [key, value] : imeList) ApplyImeSetting(ime, key, value);
    StampBlockHeader(ime.header, sizeof(ImeConfigData), ImeConfigData::kType, ImeConfigData::kName);
    ApplyModuleList(dmeList, &dme, kDmeBlockKind, settings);
    StampBlockHeader(dme.header, sizeof(DmeConfigData), DmeConfigData::kType, DmeConfigData::kName);
    ApplyModuleList(skinList, &skin, kSkinBlockKind, settings);
    StampBlockHeader(skin.header, sizeof(SkinConfigData), SkinConfigData::kType, SkinConfigData::kName);
}
