// Punctuation and key-radical entries as key=value lines, and back.
#include "config/KeyTableText.h"

#include <cstring>

#include "base/AsciiCase.h"

namespace {

constexpr std::u16string_view kSmartListKey = u"智能标点表";
constexpr std::u16string_view kCaretLeftListKey = u"光标左移的标点表";
constexpr std::u16string_view kUseRadicalsKey = u"使用键位字根表";

// A list line has 132 units with its NUL.
constexpr size_t kListLineUnits = 131;
// Characters 1 to 126 mark entries when read back.
constexpr char16_t kLastListCharacter = 126;

// A text of a block as part of one line: a line break in it would end the line
// early and make its rest read as another setting.
std::u16string LineText(std::u16string text) {
    std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    return text;
}

std::u16string EntryLine(int index, std::u16string_view value) {
    std::u16string line(1, KeyTableCharacter(index));
    line += u'=';
    return line + LineText(std::u16string(value));
}

// In the lists an entry is its index itself, not its key. Index 0 would end
// the text, and the indexes of CR and LF would end the line.
std::u16string ListLine(const ImeConfigData& ime, std::u16string_view key, uint16_t kind) {
    std::u16string line = std::u16string(key) + u"=";
    for (int i = 0; i < kKeyTableEntries && line.size() < kListLineUnits; ++i) {
        if (i == 0 || i == u'\r' || i == u'\n') continue;
        if (ime.punctuationTable[i].kind == kind) line += static_cast<char16_t>(i);
    }
    return line;
}

// The entry a key names: a keypad key by its whole key, else the first
// character when it is 1 to 127; -1 for none.
int EntryOf(std::u16string_view key) {
    if (key.size() == 1) {
        const int slot = KeypadSlotOf(key[0]);
        if (slot >= 0) return slot;
    }
    if (key.empty() || key[0] < 1 || key[0] >= kKeyTableEntries) return -1;
    return key[0];
}

void MarkListed(ImeConfigData& ime, std::u16string_view list, uint16_t kind) {
    for (char16_t c : list)
        if (c >= 1 && c <= kLastListCharacter) ime.punctuationTable[c].kind = kind;
}

}  // namespace

std::vector<std::u16string> PunctuationLines(const ImeConfigData& ime) {
    std::vector<std::u16string> lines;
    for (int i = 0; i < kKeyTableEntries; ++i) {
        const PunctuationEntry& entry = ime.punctuationTable[i];
        switch (entry.kind) {
            case kPunctuationTwoTexts:
                lines.push_back(EntryLine(i, TextOf(entry.firstText(), PunctuationEntry::kPairTextUnits) + u"," +
                                                 TextOf(entry.secondText(), PunctuationEntry::kPairTextUnits)));
                break;
            case kPunctuationOneText:
            case kPunctuationCaretLeft:
            case kPunctuationSmart:
                lines.push_back(EntryLine(i, TextOf(entry.units)));
                break;
            default:
                break;
        }
    }
    lines.emplace_back(u"//智能标点键位表，该表中指定的健位，第一次输入为中文标点，第二次输入删除中文并上屏英文标点。");
    lines.emplace_back(u"//数字后半角标点行为也受此功能影响，再次输入时删除半角标点并上屏中文标点。");
    lines.push_back(ListLine(ime, kSmartListKey, kPunctuationSmart));
    lines.emplace_back();
    lines.emplace_back(u"//光标左移的标点表，该表中指定的键位在输出中文标点符号后，会模拟一次键盘光标左移键");
    lines.push_back(ListLine(ime, kCaretLeftListKey, kPunctuationCaretLeft));
    lines.emplace_back();
    return lines;
}

std::vector<std::u16string> KeyRadicalLines(const ImeConfigData& ime) {
    std::vector<std::u16string> lines;
    lines.emplace_back((ime.behaviourFlags & kBehaviourKeyRadicals) ? u"使用键位字根表=是" : u"使用键位字根表=否");
    for (int i = 0; i < kKeyTableEntries; ++i) {
        const std::u16string radicals = TextOf(ime.keyRadicalTable[i].units);
        if (!radicals.empty()) lines.push_back(EntryLine(i, radicals));
    }
    return lines;
}

void ApplyPunctuationLine(ImeConfigData& ime, std::u16string_view key, std::u16string_view value) {
    if (key == kSmartListKey) {
        MarkListed(ime, value, kPunctuationSmart);
        return;
    }
    if (key == kCaretLeftListKey) {
        MarkListed(ime, value, kPunctuationCaretLeft);
        return;
    }
    const int index = EntryOf(key);
    if (index < 0) return;
    PunctuationEntry& entry = ime.punctuationTable[index];
    // The whole entry is rewritten, so no part of an earlier text stays.
    std::memset(&entry, 0, sizeof entry);
    const size_t comma = value.find(u',');
    if (comma != std::u16string_view::npos && comma > 0) {
        entry.kind = kPunctuationTwoTexts;
        CopyCut(entry.firstText(), PunctuationEntry::kPairTextUnits, value.substr(0, comma));
        CopyCut(entry.secondText(), PunctuationEntry::kPairTextUnits, value.substr(comma + 1));
    } else {
        entry.kind = kPunctuationOneText;
        CopyCut(entry.units, value);
    }
}

void ApplyKeyRadicalLine(ImeConfigData& ime, std::u16string_view key, std::u16string_view value) {
    if (EqualsIgnoringAsciiCase(key, kUseRadicalsKey)) {
        ime.behaviourFlags.setFlag(kBehaviourKeyRadicals, value.starts_with(u"是"));
        return;
    }
    const int index = EntryOf(key);
    if (index < 0) return;
    KeyRadicalEntry& entry = ime.keyRadicalTable[index];
    std::memset(&entry, 0, sizeof entry);
    CopyCut(entry.units, value);
}
