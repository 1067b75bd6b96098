// FunctionSet: the input method functions bound to one key, 64 bits kept as a
// low and a high word. Bits 8 to 11 of the low word are one number field
// shared by the commit, adjust, delete and customise groups.
#pragma once

#include <cstdint>

#include "base/LittleEndian.h"

struct FunctionSet {
    uint32_t low = 0;
    uint32_t high = 0;

    bool empty() const { return low == 0 && high == 0; }
    bool operator==(const FunctionSet&) const = default;
};

// The form in the key tables and combination records: low word, then high word.
struct StoredFunctionSet {
    Le32 low;
    Le32 high;

    FunctionSet get() const { return {low, high}; }
    void set(FunctionSet functions) {
        low = functions.low;
        high = functions.high;
    }
};
static_assert(sizeof(StoredFunctionSet) == 8 && alignof(StoredFunctionSet) == 1);

// Low word.
constexpr uint32_t kLowImeOnOff = 0x1;      // "输入法打开/关闭"
constexpr uint32_t kLowEnglishInput = 0x2;  // "英文输入开关"
constexpr uint32_t kLowClearInput = 0x4;    // "清除输入"
constexpr uint32_t kLowRepeatInput = 0x8;   // "重复输入"
constexpr uint32_t kLowUndoInput = 0x10;    // "撤销输入"
constexpr uint32_t kLowPageUp = 0x20;       // "前翻页"
constexpr uint32_t kLowPageDown = 0x40;     // "后翻页"
constexpr uint32_t kLowCommitGroup = 0x80;  // number 0 to 13 picks the item
constexpr uint32_t kLowNumberMask = 0xF00;
constexpr int kLowNumberShift = 8;
constexpr uint32_t kLowCursorLeft = 0x1000;              // "光标左移"
constexpr uint32_t kLowCursorRight = 0x2000;             // "光标右移"
constexpr uint32_t kLowCursorHome = 0x4000;              // "光标至头"
constexpr uint32_t kLowCursorEnd = 0x8000;               // "光标至尾"
constexpr uint32_t kLowDeleteCodeBefore = 0x10000;       // "编码前删"
constexpr uint32_t kLowDeleteCodeAfter = 0x20000;        // "编码后删"
constexpr uint32_t kLowFirstForward = 0x40000;           // "首选前移"
constexpr uint32_t kLowFirstBackward = 0x80000;          // "首选后移"
constexpr uint32_t kLowAdjustGroup = 0x100000;           // number 1 to 10
constexpr uint32_t kLowDeleteGroup = 0x200000;           // number 1 to 10
constexpr uint32_t kLowSchemeMainMixed = 0x400000;       // "输入方案主/混切换"
constexpr uint32_t kLowSchemeMainAux = 0x800000;         // "输入方案主/辅切换"
constexpr uint32_t kLowSearchMainMixed = 0x1000000;      // "检索范围主/混切换"
constexpr uint32_t kLowSearchMainSecondary = 0x2000000;  // "检索范围主/次切换"

// Numbers of the commit group.
constexpr int kCommitFirst = 0;      // "首选上屏"; 1 to 10 commit that candidate
constexpr int kCommitEnglish = 11;   // "英文上屏"
constexpr int kCommitLast = 12;      // "倒数第1候选上屏"
constexpr int kCommitFirstTop = 13;  // "首选顶屏"

// High word.
constexpr uint32_t kHighConfigHome = 0x1;               // "配置 - 主页"
constexpr uint32_t kHighConfigHelp = 0x2;               // "配置 - 帮助"
constexpr uint32_t kHighConfigAbout = 0x4;              // "配置 - 关于"
constexpr uint32_t kHighConfigKeys = 0x8;               // "配置 - 按键设置"
constexpr uint32_t kHighConfigOutputLookup = 0x10;      // "配置 - 输出反查"
constexpr uint32_t kHighOnlineAddWord = 0x20;           // "在线加词"
constexpr uint32_t kHighConfigClipboardLookup = 0x80;   // "配置 - 剪贴板反查"
constexpr uint32_t kHighToggleInterface = 0x100;        // "显示|关闭界面"
constexpr uint32_t kHighToggleCandidateWindow = 0x200;  // "显示|关闭候选窗口"
constexpr uint32_t kHighConvertSimplified = 0x400;      // "上屏转换 - 简体"
constexpr uint32_t kHighConvertTraditional = 0x800;     // "上屏转换 - 繁体"
constexpr uint32_t kHighOnlineDeleteWord = 0x2000;      // "在线删词"
constexpr uint32_t kHighSoftKeyboard = 0x4000;          // "软键盘切换"
constexpr uint32_t kHighConfigDictionary = 0x8000;      // "配置 - 词典查询"
constexpr uint32_t kHighCustom1 = 0x10000000;           // "定制1"
constexpr uint32_t kHighCustom2 = 0x20000000;           // "定制2"
constexpr uint32_t kHighCustom3 = 0x40000000;           // "定制3"
constexpr uint32_t kHighCustomiseGroup = 0x80000000;    // number 1 to 10

constexpr int FunctionNumber(FunctionSet functions) {
    return static_cast<int>((functions.low & kLowNumberMask) >> kLowNumberShift);
}

constexpr void SetFunctionNumber(FunctionSet& functions, int number) {
    functions.low =
        (functions.low & ~kLowNumberMask) | ((static_cast<uint32_t>(number) << kLowNumberShift) & kLowNumberMask);
}
