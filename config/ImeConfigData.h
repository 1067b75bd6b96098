// The IME options block of config.dsc ("zv_ime_config_data_default"): the
// flag words, the punctuation and key-radical tables, the recent output and
// the boot stamp.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/LittleEndian.h"
#include "config/SettingsFile.h"

// optionFlags.
constexpr uint32_t kOptionCommitOnSwitch = 0x1;              // "中英文切换时上屏输入字符"
constexpr uint32_t kOptionWordAssociation = 0x2;             // "是否在上屏时开启词语联想"
constexpr uint32_t kOptionNonCodeKeyCommits = 0x4;           // "是否打开非编码按键顶屏"
constexpr uint32_t kOptionCombinationsDisabled = 0x8;        // "禁用组合快捷键"
constexpr uint32_t kOptionCandidatesFixed = 0x40;            // "候选窗口位置=固定位置"
constexpr uint32_t kOptionCandidatesFollowStatusBar = 0x80;  // "候选窗口位置=跟随状态栏"; neither: the caret
constexpr uint32_t kOptionStatusBarHidden = 0x100;           // "隐藏状态条窗口"
constexpr uint32_t kOptionStatusBarEmbedded = 0x200;         // "是否嵌入状态栏窗口"
constexpr uint32_t kOptionCandidateWindowHidden = 0x400;     // "隐藏候选窗口"
constexpr uint32_t kOptionCapitalStartsEnglish = 0x800;      // "首字母大写开启临时英文输入"
// Code window style, at most one; none: "IME-传统样式".
constexpr uint32_t kOptionTsfEmbeddedCode = 0x1000;   // "TSF-嵌入编码"
constexpr uint32_t kOptionTsfEmbeddedFirst = 0x2000;  // "TSF-嵌入首选"
constexpr uint32_t kOptionTsfClassic = 0x4000;        // "TSF-传统样式"
constexpr uint32_t kOptionCodeWindowStyleMask = 0x7000;
// Input scheme: both "主+辅", only the auxiliary "辅", otherwise "主".
constexpr uint32_t kOptionSchemeMain = 0x8000;
constexpr uint32_t kOptionSchemeAux = 0x10000;
constexpr uint32_t kOptionSearchSecondary = 0x20000;            // "检索次显码表"
constexpr uint32_t kOptionSearchSecondaryWhenEmpty = 0x40000;   // "空码时检索次显码表"
constexpr uint32_t kOptionTempWords = 0x100000;                 // "临时词功能开启"
constexpr uint32_t kOptionTempWordsStoredAtCommit = 0x200000;   // "临时词上屏即存"
constexpr uint32_t kOptionTempWordsClearedAtBoot = 0x400000;    // "临时词重启电脑后清空"
constexpr uint32_t kOptionTempWordsSmart = 0x800000;            // "智能模式生成临时词"
constexpr uint32_t kOptionHoverDictionaryDisabled = 0x1000000;  // "禁用鼠标悬停词典"

// pageMask: the tabs of the main settings window.
constexpr uint32_t kPageAdvanced = 0x01;
constexpr uint32_t kPageCommon = 0x02;
constexpr uint32_t kPageAppearance = 0x04;
constexpr uint32_t kPageCodeTable = 0x08;
constexpr uint32_t kPageAbout = 0x10;

// candidateFlags. Frequency adjustment, at most one; none: "禁止调整".
constexpr uint32_t kCandidateAdjustToTop = 0x1;      // "一次到顶"
constexpr uint32_t kCandidateAdjustGradually = 0x2;  // "逐渐调整"
constexpr uint32_t kCandidateAdjustByCount = 0x4;    // "累加上屏数"
constexpr uint32_t kCandidateAdjustMask = 0x7;
constexpr uint32_t kCandidateSingleFirst = 0x8;  // "单字先见"
constexpr uint32_t kCandidateByCode = 0x10;      // "按编码排序"; neither: "码表原始序"
constexpr uint32_t kCandidateCountMask = 0xF0000000;
constexpr int kCandidateCountShift = 28;

// behaviourFlags. Space on an empty code, at most one.
constexpr uint32_t kBehaviourSpaceCommitsEnglish = 0x1;       // "上屏英文"
constexpr uint32_t kBehaviourSpaceCommitsEnglishSpace = 0x2;  // "上屏英文+空格"
constexpr uint32_t kBehaviourSpaceClears = 0x4;               // "清屏"
constexpr uint32_t kBehaviourSpaceMask = 0x7;
constexpr uint32_t kBehaviourHideSameWord = 0x8;              // "隐藏词条相同编码不同的后续候选"
constexpr uint32_t kBehaviourCommandShortcut = 0x20;          // "是否开启命令直通车"
constexpr uint32_t kBehaviourCandidatesOnlyIfSeveral = 0x40;  // "仅重码时显示候选窗口"
constexpr uint32_t kBehaviourHideEmbeddedFirst = 0x80;        // "隐藏嵌入的首候选"
constexpr uint32_t kBehaviourCustomConversion = 0x100;        // conversionState applies
constexpr uint32_t kBehaviourSaveConversion = 0x200;          // "保存自定义的初始化转换状态"
constexpr uint32_t kBehaviourAssociationImported = 0x400;
// Capabilities of the generated input method; never changed here.
constexpr uint32_t kBehaviourHasTsf = 0x1000;
constexpr uint32_t kBehaviourHasAssociation = 0x2000;
constexpr uint32_t kBehaviourHasTempWords = 0x4000;
constexpr uint32_t kBehaviourKeyRadicals = 0x10000;                 // "使用键位字根表"
constexpr uint32_t kBehaviourCapsLockEnglishPunctuation = 0x20000;  // "Capslock转英文标点"

// conversionState.
constexpr uint32_t kConversionWritten = 0x1;  // always set when written here
constexpr uint32_t kConversionFullWidth = 0x8;
constexpr uint32_t kConversionClosed = 0x100;
constexpr uint32_t kConversionChinesePunctuation = 0x400;
constexpr uint32_t kConversionSameAsSystem = 0x401;

// Punctuation entry kinds.
constexpr uint16_t kPunctuationNone = 0;
constexpr uint16_t kPunctuationOneText = 1;
constexpr uint16_t kPunctuationTwoTexts = 2;
constexpr uint16_t kPunctuationCaretLeft = 3;  // one text; the caret moves left after it
constexpr uint16_t kPunctuationSmart = 4;      // one text; a smart punctuation key

// Entry i belongs to the character with code i, or to a keypad slot.
struct PunctuationEntry {
    static constexpr size_t kTextUnits = 31;      // one text: 30 units and the NUL
    static constexpr size_t kPairTextUnits = 15;  // each of two texts: 14 units and the NUL

    Le16 kind;
    Le16 units[kTextUnits];  // one text, or the first text and at 15 the second

    Le16* firstText() { return units; }
    Le16* secondText() { return units + kPairTextUnits; }
    const Le16* firstText() const { return units; }
    const Le16* secondText() const { return units + kPairTextUnits; }
};
static_assert(offsetof(PunctuationEntry, units) == 2);
static_assert(sizeof(PunctuationEntry) == 64);
static_assert(2 + 2 * PunctuationEntry::kPairTextUnits == 32, "the second text of a pair starts at byte 32");

// The radicals of one key, indexed like the punctuation table.
struct KeyRadicalEntry {
    Le16 units[32];  // 31 units and the NUL
};
static_assert(sizeof(KeyRadicalEntry) == 64);

constexpr int kKeyTableEntries = 128;

// Indexes below 32 are no printable characters; ten of them hold the keypad
// keys, and the text form names every index below 32 by U+FF00 + index.
constexpr int kKeypadMultiply = 10;  // "＊"
constexpr int kKeypadPlus = 11;      // "＋"
constexpr int kKeypadMinus = 13;     // "－"
constexpr int kKeypadPoint = 14;     // "．"
constexpr int kKeypadDivide = 15;    // "／"
constexpr int kKeypadDigit0 = 16;    // "０" to "９" at 16 to 25

// The character that names entry `index` (0 to 127) in the text form.
constexpr char16_t KeyTableCharacter(int index) { return static_cast<char16_t>(index < 32 ? 0xFF00 + index : index); }

// The keypad slot that the character names, or -1.
int KeypadSlotOf(char16_t character);

struct RecentOutputRecord {
    Le16 reserved;
    Le16 text[164];  // NUL-terminated
};
static_assert(sizeof(RecentOutputRecord) == 330);

// Whole records that fit between the count and the boot stamp; a larger count
// read from the file is limited to this.
constexpr uint32_t kRecentOutputCapacity = 16;

struct ImeConfigData {
    static constexpr char kName[] = "zv_ime_config_data_default";
    static constexpr uint8_t kType = 1;

    SettingsBlockHeader header;
    Le32 optionFlags;
    Le32 pageMask;
    Le32 candidateFlags;
    Le32 behaviourFlags;
    uint8_t unused52[4];
    Le32 conversionState;
    PunctuationEntry punctuationTable[kKeyTableEntries];  // "非编码符号转义定义表"
    KeyRadicalEntry keyRadicalTable[kKeyTableEntries];    // "键位字根表"
    Le32 recentOutputCount;
    RecentOutputRecord recentOutput[kRecentOutputCapacity];  // oldest first
    uint8_t unused21728[132];
    Le64 bootStamp;  // time of the last boot seen
    uint8_t unused21868[24];
};
static_assert(offsetof(ImeConfigData, optionFlags) == 36);
static_assert(offsetof(ImeConfigData, pageMask) == 40);
static_assert(offsetof(ImeConfigData, candidateFlags) == 44);
static_assert(offsetof(ImeConfigData, behaviourFlags) == 48);
static_assert(offsetof(ImeConfigData, conversionState) == 56);
static_assert(offsetof(ImeConfigData, punctuationTable) == 60);
static_assert(offsetof(ImeConfigData, keyRadicalTable) == 8252);
static_assert(offsetof(ImeConfigData, recentOutputCount) == 16444);
static_assert(offsetof(ImeConfigData, recentOutput) == 16448);
static_assert(offsetof(ImeConfigData, bootStamp) == 21860);
static_assert(sizeof(ImeConfigData) == 21892 && alignof(ImeConfigData) == 1);

// The number of candidates shown: bits 28 to 31, or 5 when outside 1 to 10.
int CandidateCount(uint32_t candidateFlags);
