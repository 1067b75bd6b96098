// Write, read, write: the text reads back into the blocks bit for bit and is
// written again unchanged, for the defaults of a new config.dsc and for blocks
// filled with random values of every field the text carries.
//
// What the text cannot carry, and so the blocks below never hold:
// - punctuation and radical entries below 32 other than the keypad slots (the
//   text names them by characters that read back as no key), and the radicals
//   of entries 0 to 3, which the reader clears;
// - the smart and caret-left kinds of keypad * and keypad -, whose indexes are
//   the codes of LF and CR, and of entry 127, which the lists do not mark;
// - texts with CR, LF, two backslashes in a row, a lone surrogate, or a
//   double quote at both ends; a comma after the first unit of a one-text
//   entry; an empty first text or a comma in the first text of a pair;
//   unused punctuation kinds;
// - bindings of table slots without a key name; combination records out of
//   order (read back packed from record 0), with a key without a name, with
//   both the left and the right form of a modifier, or under a table key;
//   function sets with bits or numbers that no function name stands for;
// - rule items of characters outside 1 to 30, or more than one line holds;
// - IME options: neither input scheme bit (read back as "主"), no or several
//   space bits, several code window styles, any style without TSF, both
//   candidate positions, candidate counts outside 1 to 10, conversion states
//   other than those the custom text names, and the options that are written
//   only with a capability when it is missing (those keep their bits).
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "config/FunctionNames.h"
#include "config/KeyNames.h"
#include "config/SettingsTextReader.h"
#include "config/SettingsTextWriter.h"
#include "config/TextFile.h"
#include "tests/support/InProcessSettingsObject.h"
#include "tests/support/SettingsBlocks.h"
#include "tests/support/TempDir.h"

namespace {

constexpr uint32_t kCapabilities = kBehaviourHasTsf | kBehaviourHasAssociation | kBehaviourHasTempWords;

// The bits of each flag word that the text writes and reads back.
uint32_t CarriedOptionBits(uint32_t behaviour) {
    uint32_t bits = kOptionCommitOnSwitch | kOptionNonCodeKeyCommits | kOptionCombinationsDisabled |
                    kOptionCandidatesFixed | kOptionCandidatesFollowStatusBar | kOptionStatusBarHidden |
                    kOptionCandidateWindowHidden | kOptionCapitalStartsEnglish | kOptionCodeWindowStyleMask |
                    kOptionSchemeMain | kOptionSchemeAux | kOptionSearchSecondary | kOptionSearchSecondaryWhenEmpty |
                    kOptionHoverDictionaryDisabled;
    if (behaviour & kBehaviourHasTsf) bits |= kOptionStatusBarEmbedded;
    if (behaviour & kBehaviourHasAssociation) bits |= kOptionWordAssociation;
    if (behaviour & kBehaviourHasTempWords)
        bits |=
            kOptionTempWords | kOptionTempWordsStoredAtCommit | kOptionTempWordsClearedAtBoot | kOptionTempWordsSmart;
    return bits;
}

uint32_t CarriedBehaviourBits(uint32_t behaviour) {
    uint32_t bits = kBehaviourSpaceMask | kBehaviourHideSameWord | kBehaviourCommandShortcut |
                    kBehaviourCustomConversion | kBehaviourSaveConversion | kBehaviourKeyRadicals |
                    kBehaviourCapsLockEnglishPunctuation;
    if (behaviour & kBehaviourHasTsf) bits |= kBehaviourCandidatesOnlyIfSeveral | kBehaviourHideEmbeddedFirst;
    return bits;
}

constexpr uint32_t kCarriedCandidateBits =
    kCandidateAdjustMask | kCandidateSingleFirst | kCandidateByCode | kCandidateCountMask;

bool IsCarriedEntry(int index) { return index >= 32 || KeypadSlotOf(KeyTableCharacter(index)) == index; }

class RandomSettings {
public:
    explicit RandomSettings(uint32_t seed) : random_(seed) {}

    // Random bytes everywhere, then carried values in the carried fields.
    void Fill(SettingsBlocks& blocks) {
        const SettingsBlocks defaults;
        for (auto* bytes : {&blocks.imeBytes, &blocks.dmeBytes, &blocks.skinBytes})
            for (uint8_t& b : *bytes) b = static_cast<uint8_t>(random_());
        std::memcpy(&blocks.ime().header, defaults.imeBytes.data(), sizeof(SettingsBlockHeader));
        std::memcpy(&blocks.dme().header, defaults.dmeBytes.data(), sizeof(SettingsBlockHeader));
        std::memcpy(&blocks.skin().header, defaults.skinBytes.data(), sizeof(SettingsBlockHeader));
        FillIme(blocks.ime());
        FillDme(blocks.dme());
        SetModuleData(blocks.skin(), Text(347, true));
    }

    // New random values in every field the text carries; the rest stays.
    void Scramble(SettingsBlocks& blocks) {
        ImeConfigData& ime = blocks.ime();
        const uint32_t behaviour = ime.behaviourFlags;
        ime.optionFlags = ime.optionFlags ^ (random_() & CarriedOptionBits(behaviour));
        ime.behaviourFlags = behaviour ^ (random_() & CarriedBehaviourBits(behaviour));
        ime.candidateFlags = ime.candidateFlags ^ (random_() & kCarriedCandidateBits);
        ime.conversionState = random_();
        Garble(ime.punctuationTable, sizeof ime.punctuationTable);
        for (int i = 0; i < kKeyTableEntries; ++i) {
            KeyRadicalEntry& entry = ime.keyRadicalTable[i];
            if (i < 4 || (IsCarriedEntry(i) && !TextOf(entry.units).empty())) Garble(&entry, sizeof entry);
        }
        DmeConfigData& dme = blocks.dme();
        Garble(dme.moduleSettings, sizeof dme.moduleSettings);
        Garble(dme.wordCodeRules, sizeof dme.wordCodeRules);
        Garble(dme.keyFunctionTable, sizeof dme.keyFunctionTable);
        Garble(dme.shiftKeyFunctionTable, sizeof dme.shiftKeyFunctionTable);
        Garble(&dme.combinationCount, 1);
        Garble(dme.combinations, sizeof dme.combinations);
        Garble(blocks.skin().moduleData, sizeof blocks.skin().moduleData);
    }

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T, size_t N>
    T OneOf(const T (&values)[N]) {
        return values[Below(N)];
    }

    void Garble(void* at, size_t size) {
        for (size_t i = 0; i < size; ++i) static_cast<uint8_t*>(at)[i] = static_cast<uint8_t>(random_());
    }

    // Up to `maxUnits` units of ASCII, CJK, full-width forms, tabs, spaces and
    // surrogate pairs; never CR, LF, NUL, a backslash or a double quote.
    std::u16string Text(size_t maxUnits, bool commas, size_t minUnits = 0) {
        std::u16string text;
        const size_t length = minUnits + static_cast<size_t>(Below(static_cast<int>(maxUnits - minUnits) + 1));
        while (text.size() < length) {
            char16_t c = 0;
            switch (Below(5)) {
                case 0:
                case 1:
                    c = static_cast<char16_t>(0x20 + Below(0x5F));
                    break;
                case 2:
                    c = static_cast<char16_t>(0x4E00 + Below(0x51A6));
                    break;
                case 3:
                    c = static_cast<char16_t>(Chance(50) ? 0xFF01 + Below(0x5E) : OneOf({u'\t', u'\u3000', u'“'}));
                    break;
                default:
                    if (text.size() + 2 <= length) {
                        text += static_cast<char16_t>(0xD800 + Below(0x400));
                        c = static_cast<char16_t>(0xDC00 + Below(0x400));
                    }
            }
            if (c == 0 || c == u'\\' || c == u'"' || (c == u',' && !commas)) continue;
            text += c;
        }
        return text;
    }

    void FillIme(ImeConfigData& ime) {
        uint32_t behaviour = random_() & ~kBehaviourSpaceMask;
        behaviour |= OneOf({kBehaviourSpaceCommitsEnglish, kBehaviourSpaceCommitsEnglishSpace, kBehaviourSpaceClears});
        ime.behaviourFlags = behaviour;
        uint32_t option = random_() & ~(kOptionCodeWindowStyleMask | kOptionCandidatesFixed |
                                        kOptionCandidatesFollowStatusBar | kOptionSchemeMain | kOptionSchemeAux);
        if (behaviour & kBehaviourHasTsf)
            option |= OneOf({0u, kOptionTsfEmbeddedCode, kOptionTsfEmbeddedFirst, kOptionTsfClassic});
        option |= OneOf({0u, kOptionCandidatesFixed, kOptionCandidatesFollowStatusBar});
        option |= OneOf({kOptionSchemeMain, kOptionSchemeAux, kOptionSchemeMain | kOptionSchemeAux});
        ime.optionFlags = option;
        uint32_t candidate = random_() & ~(kCandidateAdjustMask | kCandidateCountMask);
        candidate |= OneOf({0u, kCandidateAdjustToTop, kCandidateAdjustGradually, kCandidateAdjustByCount});
        ime.candidateFlags = candidate | static_cast<uint32_t>(1 + Below(10)) << kCandidateCountShift;
        ime.conversionState =
            (behaviour & kBehaviourCustomConversion)
                ? kConversionWritten |
                      (random_() & (kConversionChinesePunctuation | kConversionFullWidth | kConversionClosed))
                : kConversionSameAsSystem;

        std::memset(ime.punctuationTable, 0, sizeof ime.punctuationTable);
        for (int i = 0; i < kKeyTableEntries; ++i) {
            if (IsCarriedEntry(i)) FillPunctuation(i, ime.punctuationTable[i]);
            KeyRadicalEntry& radicals = ime.keyRadicalTable[i];
            // Entries the text does not carry keep their random bytes.
            if (i >= 4 && !IsCarriedEntry(i)) continue;
            std::memset(&radicals, 0, sizeof radicals);
            if (i >= 4 && Chance(60)) CopyCut(radicals.units, Text(31, true, 1));
        }
    }

    void FillPunctuation(int index, PunctuationEntry& entry) {
        uint16_t kind = static_cast<uint16_t>(Below(5));
        const bool listable = index != '\n' && index != '\r' && index != 0x7F;
        if (!listable && kind >= kPunctuationCaretLeft) kind = kPunctuationOneText;
        entry.kind = kind;
        if (kind == kPunctuationTwoTexts) {
            CopyCut(entry.firstText(), PunctuationEntry::kPairTextUnits, Text(14, false, 1));
            CopyCut(entry.secondText(), PunctuationEntry::kPairTextUnits, Text(14, true));
        } else if (kind != kPunctuationNone) {
            CopyCut(entry.units, Text(30, false));
        }
    }

    // Only functions whose names read back; the shared number field belongs
    // to the groups it numbers, or is 0.
    FunctionSet Functions() {
        constexpr uint32_t kLow[] = {
            kLowImeOnOff,        kLowEnglishInput,     kLowClearInput,      kLowRepeatInput,        kLowUndoInput,
            kLowPageUp,          kLowPageDown,         kLowCursorLeft,      kLowCursorRight,        kLowCursorHome,
            kLowCursorEnd,       kLowDeleteCodeBefore, kLowDeleteCodeAfter, kLowFirstForward,       kLowFirstBackward,
            kLowSchemeMainMixed, kLowSchemeMainAux,    kLowSearchMainMixed, kLowSearchMainSecondary};
        constexpr uint32_t kHigh[] = {kHighToggleInterface,    kHighToggleCandidateWindow, kHighConvertSimplified,
                                      kHighConvertTraditional, kHighSoftKeyboard,          kHighOnlineAddWord,
                                      kHighOnlineDeleteWord};
        constexpr uint32_t kConfig[] = {kHighConfigHome,      kHighConfigHelp,         kHighConfigAbout,
                                        kHighConfigKeys,      kHighConfigOutputLookup, kHighConfigClipboardLookup,
                                        kHighConfigDictionary};
        FunctionSet functions;
        for (uint32_t bit : kLow)
            if (Chance(15)) functions.low |= bit;
        for (uint32_t bit : kHigh)
            if (Chance(15)) functions.high |= bit;
        if (Chance(30)) functions.high |= OneOf(kConfig);
        const int number = Below(kCommitFirstTop + 1);
        const bool numbered = number >= 1 && number <= 10;
        bool grouped = false;
        if (Chance(40)) functions.low |= kLowCommitGroup, grouped = true;
        if (numbered && Chance(30)) functions.low |= kLowAdjustGroup, grouped = true;
        if (numbered && Chance(30)) functions.low |= kLowDeleteGroup, grouped = true;
        switch (Below(6)) {
            case 2:
                functions.high |= kHighCustom1;
                break;
            case 3:
                functions.high |= kHighCustom2;
                break;
            case 4:
                functions.high |= kHighCustom3;
                break;
            case 5:
                if (numbered) functions.high |= kHighCustomiseGroup, grouped = true;
                break;
        }
        SetFunctionNumber(functions, grouped ? number : 0);
        if (functions.empty()) functions.low = kLowPageUp;
        return functions;
    }

    // A key with a plain name and modifiers that make it no table key.
    KeyCode Combination() {
        constexpr KeyCode kForms[3][4] = {
            {0, kKeyShift, kKeyShift | kKeyLeftShift, kKeyShift | kKeyRightShift},
            {0, kKeyAlt, kKeyAlt | kKeyLeftAlt, kKeyAlt | kKeyRightAlt},
            {0, kKeyCtrl, kKeyCtrl | kKeyLeftCtrl, kKeyCtrl | kKeyRightCtrl},
        };
        for (;;) {
            const KeyCode key = Below(255);
            if (KeyTableName(key).empty()) continue;
            KeyCode code = key;
            for (const auto& forms : kForms) code |= OneOf(forms);
            if (KeyTableName(code).empty()) return code;
        }
    }

    void FillDme(DmeConfigData& dme) {
        SetModuleData(dme, Text(134, true));
        std::memset(dme.wordCodeRules, 0, sizeof dme.wordCodeRules);
        for (int n = 2; n <= 30; ++n) {
            if (!Chance(70)) continue;
            std::vector<RuleItem> items(static_cast<size_t>(1 + Below(24)));
            for (RuleItem& item : items) item = MakeRuleItem(1 + Below(30), Below(128), Chance(50));
            StoreRule(dme.wordCodeRules[n], items);
        }
        for (KeyCode key = 0; key < kKeyFunctionSlots; ++key) {
            const bool plain = !KeyTableName(key).empty() && Chance(30);
            const bool shifted = !KeyTableName(key | kKeyShift).empty() && Chance(30);
            dme.keyFunctionTable[key].set(plain ? Functions() : FunctionSet{});
            dme.shiftKeyFunctionTable[key].set(shifted ? Functions() : FunctionSet{});
        }
        std::memset(dme.combinations, 0, sizeof dme.combinations);
        const int count = Chance(10) ? kMaxCombinations : Below(12);
        std::set<KeyCode> used;
        while (static_cast<int>(used.size()) < count) {
            const KeyCode code = Combination();
            if (!used.insert(code).second) continue;
            KeyCombination& record = dme.combinations[used.size() - 1];
            record.keyCode = static_cast<uint32_t>(code);
            record.functions.set(Functions());
        }
        dme.combinationCount = static_cast<uint8_t>(count);
    }

    std::mt19937 random_;
};

class SettingsTextRoundTripTest : public ::testing::Test {
protected:
    std::vector<uint8_t> Write(SettingsBlocks& blocks) {
        const std::u16string path = dir.File("settings.txt");
        EXPECT_TRUE(WriteSettingsText(path.c_str(), blocks.ime(), object.table(), blocks.dme(), blocks.skin()));
        return ReadBytes(dir.path() / "settings.txt");
    }

    void Read(SettingsBlocks& blocks) {
        std::u16string text;
        ASSERT_EQ(ReadTextFile(dir.File("settings.txt").c_str(), text), kTextFileRead);
        ParseSettingsText(blocks.dme(), blocks.skin(), text, blocks.ime(), object.table());
    }

    // Writes `source`, reads the text into `target` (a copy of it whose
    // carried fields hold other values), and expects the blocks equal and the
    // text written again unchanged.
    void RoundTrip(SettingsBlocks& source, RandomSettings& random) {
        const std::vector<uint8_t> text = Write(source);
        SettingsBlocks target = source;
        random.Scramble(target);
        Read(target);
        // Slot 0 of the rules is the reader's work area: it holds the last rule read.
        std::memcpy(&source.dme().wordCodeRules[0], &target.dme().wordCodeRules[0], sizeof(WordCodeRule));
        EXPECT_EQ(target.imeBytes, source.imeBytes);
        EXPECT_EQ(target.dmeBytes, source.dmeBytes);
        EXPECT_EQ(target.skinBytes, source.skinBytes);
        EXPECT_EQ(Write(target), text);
    }

    TempDir dir;
    InProcessSettingsObject object;
};

TEST_F(SettingsTextRoundTripTest, DefaultsReadBackAsWritten) {
    SettingsBlocks defaults;
    RandomSettings random(1);
    RoundTrip(defaults, random);
}

TEST_F(SettingsTextRoundTripTest, RandomBlocksReadBackBitForBit) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(seed);
        SettingsBlocks blocks;
        RandomSettings random(seed);
        random.Fill(blocks);
        RoundTrip(blocks, random);
        if (HasFailure()) break;
    }
}

}  // namespace
