#include "viewer/AddWordModel.h"

#include <algorithm>
#include <vector>

#include "codetable/CodeOps.h"
#include "codetable/CodeTable.h"
#include "codetable/CodeText.h"
#include "codetable/EntryBuilder.h"
#include "codetable/EntryLookup.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/TableEditing.h"
#include "codetable/WordCode.h"

namespace {

// Units the dialog reads from each edit, and the word it makes a code for.
constexpr size_t kConfirmUnits = 127;
constexpr size_t kCodedWordUnits = 128;
constexpr size_t kSourceUnits = 256;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Characters of `text`, a surrogate pair counting as one and a lone
// surrogate as one of its own.
int32_t CharacterCount(std::u16string_view text) {
    int32_t count = 0;
    for (size_t i = 0; i < text.size(); ++count)
        i += IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
    return count;
}

// The last `count` characters of `text`; never starts inside a pair.
std::u16string_view LastCharacters(std::u16string_view text, int32_t count) {
    size_t start = text.size();
    for (int32_t i = 0; i < count && start > 0; ++i)
        start -= start >= 2 && IsLowSurrogate(text[start - 1]) && IsHighSurrogate(text[start - 2]) ? 2 : 1;
    return text.substr(start);
}

// At most `units` units of `text`, without the high half of a cut pair.
std::u16string_view CutToUnits(std::u16string_view text, size_t units) {
    if (text.size() <= units) return text;
    if (units > 0 && IsHighSurrogate(text[units - 1])) --units;
    return text.substr(0, units);
}

// Code characters are keys: ASCII (0x80 included) and the shown forms of
// the folded code bytes.
bool IsKeyboardCode(std::u16string_view code) {
    for (char16_t c : code)
        if (c > 0x80 && (c < 0xFF0A || c > 0xFF19)) return false;
    return true;
}

bool IsCodeTable(MappedFile* table) { return CodeTable(table).tableKind() == KindCodeTable; }

}  // namespace

AddWordModel::AddWordModel(AddWordTables tables, AddWordMode mode, int32_t targetCategory)
    : tables_(tables), mode_(mode), targetCategory_(targetCategory) {}

void AddWordModel::SetOldEntry(int32_t position, std::u16string code, std::u16string word) {
    oldPosition_ = position;
    oldCode_ = std::move(code);
    oldWord_ = std::move(word);
}

std::u16string_view AddWordModel::idleMessage() const {
    return mode_ == AddWordMode::recentOutput ? kWordLengthHint : u"";
}

void AddWordModel::Start(std::u16string_view recentOutput) {
    if (mode_ != AddWordMode::recentOutput) return;
    wordLength_ = 2;
    sourceText_ = recentOutput.empty() ? kNoRecentOutputSource : recentOutput;
}

std::u16string AddWordModel::initialWord() const {
    switch (mode_) {
    case AddWordMode::recentOutput: return CutWord();
    case AddWordMode::modify: return oldWord_;
    case AddWordMode::add: break;
    }
    return {};
}

std::u16string AddWordModel::initialCode() const { return mode_ == AddWordMode::modify ? oldCode_ : u""; }

std::optional<std::u16string> AddWordModel::CodeForWord(std::u16string_view word) const {
    if (mode_ == AddWordMode::modify) return std::nullopt;
    word = word.substr(0, std::min(word.size(), kCodedWordUnits));
    const int32_t count = CountCodePoints(word, kCodedWordUnits);
    if (count < 1 || count >= kMaxRuleWordLength || !tables_.characterTable || !tables_.dme) return u"";
    return MakeWordCode(word, tables_.dme->wordCodeRules[count], tables_.characterTable);
}

std::u16string AddWordModel::CutWord() const {
    const std::u16string_view source = std::u16string_view(sourceText_).substr(0, kSourceUnits);
    return std::u16string(LastCharacters(source, std::min(wordLength_, CharacterCount(source))));
}

bool AddWordModel::LengthenWord() {
    if (mode_ != AddWordMode::recentOutput) return false;
    // Never past the source: the cut is as long as the text at most.
    const int32_t characters = CharacterCount(std::u16string_view(sourceText_).substr(0, kSourceUnits));
    wordLength_ = std::min({wordLength_ + 1, kMaxCutLength, characters});
    return true;
}

bool AddWordModel::ShortenWord() {
    if (mode_ != AddWordMode::recentOutput) return false;
    wordLength_ = std::max(wordLength_ - 1, 0);
    return true;
}

void AddWordModel::ChooseSource(bool clipboard, std::u16string_view clipboardText, std::u16string_view recentOutput) {
    if (clipboard) {
        sourceText_ = clipboardText;
        wordLength_ = CharacterCount(clipboardText);
    } else {
        sourceText_ = recentOutput;
        wordLength_ = 2;
    }
    if (sourceText_.empty()) sourceText_ = kNoClipboardSource;
}

bool AddWordModel::OldEntryPresent() const {
    if (mode_ != AddWordMode::modify || oldPosition_ < 0) return false;
    const CodeTable table(tables_.mainTable);
    return static_cast<uint32_t>(oldPosition_) < table.slotCount() && table.entryAt(oldPosition_).has_value();
}

ConfirmResult AddWordModel::Confirm(std::u16string_view word, std::u16string_view code, bool newWordsFirst) {
    word = CutToUnits(word, kConfirmUnits);
    code = CutToUnits(code, kConfirmUnits);
    if (word.empty()) return {false, kEmptyWordMessage};
    if (code.empty()) return {false, kEmptyCodeMessage};
    if (!IsKeyboardCode(code)) return {false, kNonKeyboardCodeMessage};
    return Store(std::u16string(word), std::u16string(code), newWordsFirst);
}

// Everything is checked before the table changes: a modification removes the
// old entry only together with storing the new one.
ConfirmResult AddWordModel::Store(const std::u16string& word, std::u16string code, bool newWordsFirst) {
    const CodeOps ops(tables_.module);
    std::vector<uint8_t> record = BuildEntry(code, word, ops.encodeCode());
    if (record.empty()) return {false, kInvalidEntryMessage};
    EntryFlags flags{LoadU32(record.data())};
    flags.setCategory(static_cast<uint8_t>(targetCategory_ & 0x3F));
    if (flags.order() == 0) flags.setOrder(newWordsFirst ? kNewWordsFirstOrder : kNewWordsLastOrder);
    StoreU32(record.data(), flags.value);

    MappedFile* table = tables_.mainTable;
    if (!CodeTable(table).hasSoundLayout()) return {false, kAddFailedMessage};
    const bool replacesOld = OldEntryPresent();
    const int32_t found = FindEntry(table, record.data() + 4, ops.compareEntry());
    const bool foundOld = replacesOld && found - 1 == oldPosition_;

    ConfirmResult result{true, {}};
    if (found > 0 && !foundOld) {
        const TableEntry existing = *CodeTable(table).entryAt(found - 1);
        EntryFlags existingFlags = existing.flags();
        if (!existingFlags.deleted()) return {false, kEntryExistsMessage};
        existingFlags.setDeleted(false);
        existingFlags.setOrder(flags.order());
        existing.setFlags(existingFlags);
        result.message = kRestoredMessage;
        if (replacesOld) RemoveEntryAt(table, oldPosition_);
    } else {
        // Appended first: a failure leaves the old entry where it was. The
        // new slot stays last while the old one is removed.
        if (!AppendEntry(table, record)) return {false, kAddFailedMessage};
        if (replacesOld) RemoveEntryAt(table, oldPosition_);
        PlaceLastEntry(table, ops.compareEntry());
    }
    const bool membershipChanged = replacesOld || result.message.empty();
    if (replacesOld) oldPosition_ = -1;
    if (membershipChanged && IsCodeTable(table)) BuildPrefixTable(table, ops.compareCode());
    return result;
}
