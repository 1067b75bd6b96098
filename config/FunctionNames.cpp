// The names of the input method functions and the conversions between
// FunctionSet and function list text.
#include "config/FunctionNames.h"

#include <string>

namespace {

struct NamedBits {
    std::u16string_view name;
    uint32_t bits;
};

// In the order in which they are written.
constexpr NamedBits kLowFunctions[] = {
    {u"输入法打开/关闭", kLowImeOnOff},
    {u"英文输入开关", kLowEnglishInput},
    {u"清除输入", kLowClearInput},
    {u"输入方案主/辅切换", kLowSchemeMainAux},
    {u"输入方案主/混切换", kLowSchemeMainMixed},
    {u"检索范围主/次切换", kLowSearchMainSecondary},
    {u"检索范围主/混切换", kLowSearchMainMixed},
    {u"重复输入", kLowRepeatInput},
    {u"撤销输入", kLowUndoInput},
    {u"前翻页", kLowPageUp},
    {u"后翻页", kLowPageDown},
    {u"首选前移", kLowFirstForward},
    {u"首选后移", kLowFirstBackward},
};
constexpr NamedBits kCursorFunctions[] = {
    {u"光标左移", kLowCursorLeft}, {u"光标右移", kLowCursorRight},      {u"光标至头", kLowCursorHome},
    {u"光标至尾", kLowCursorEnd},  {u"编码前删", kLowDeleteCodeBefore}, {u"编码后删", kLowDeleteCodeAfter},
};
constexpr NamedBits kHighFunctions[] = {
    {u"显示|关闭界面", kHighToggleInterface},     {u"显示|关闭候选窗口", kHighToggleCandidateWindow},
    {u"上屏转换 - 简体", kHighConvertSimplified}, {u"上屏转换 - 繁体", kHighConvertTraditional},
    {u"软键盘切换", kHighSoftKeyboard},           {u"在线加词", kHighOnlineAddWord},
    {u"在线删词", kHighOnlineDeleteWord},
};
constexpr NamedBits kConfigFunctions[] = {
    {u"配置 - 主页", kHighConfigHome},
    {u"配置 - 按键设置", kHighConfigKeys},
    {u"配置 - 帮助", kHighConfigHelp},
    {u"配置 - 关于", kHighConfigAbout},
    {u"配置 - 输出反查", kHighConfigOutputLookup},
    {u"配置 - 剪贴板反查", kHighConfigClipboardLookup},
    {u"配置 - 词典查询", kHighConfigDictionary},
};
constexpr NamedBits kCustomFunctions[] = {{u"定制1", kHighCustom1}, {u"定制2", kHighCustom2}, {u"定制3", kHighCustom3}};

// The commit group's names by number.
constexpr std::u16string_view kCommitNames[] = {
    u"首选上屏",    u"第1候选上屏", u"第2候选上屏", u"第3候选上屏",  u"第4候选上屏", u"第5候选上屏",     u"第6候选上屏",
    u"第7候选上屏", u"第8候选上屏", u"第9候选上屏", u"第10候选上屏", u"英文上屏",    u"倒数第1候选上屏", u"首选顶屏",
};
// The commit names tested after the numbered ones, in this order: a later
// match replaces the number, so "倒数第1候选上屏" ends with 12 although it
// contains "第1候选上屏".
constexpr int kCommitNamesAfterNumbers[] = {kCommitFirst, kCommitFirstTop, kCommitLast, kCommitEnglish};

constexpr int kMaxGroupNumber = 10;

// "第N" followed by the suffix, for the numbered items of the adjust, delete
// and customise groups.
std::u16string NumberedName(int number, std::u16string_view suffix) {
    std::u16string name = u"第";
    if (number >= 10) name += static_cast<char16_t>(u'0' + number / 10);
    name += static_cast<char16_t>(u'0' + number % 10);
    name += suffix;
    return name;
}

bool Contains(std::u16string_view text, std::u16string_view name) {
    return text.find(name) != std::u16string_view::npos;
}

void SetLowGroup(FunctionSet& functions, uint32_t bit, int number) {
    functions.low |= bit;
    SetFunctionNumber(functions, number);
}

void ParseGroup(std::u16string_view text, FunctionSet& functions, uint32_t bit, std::u16string_view suffix) {
    for (int n = 1; n <= kMaxGroupNumber; ++n)
        if (Contains(text, NumberedName(n, suffix))) SetLowGroup(functions, bit, n);
}

void AppendNamed(std::u16string& list, uint32_t word, const NamedBits& function) {
    if (word & function.bits) {
        list += function.name;
        list += u',';
    }
}

}  // namespace

FunctionSet ParseFunctionList(std::u16string_view text) {
    FunctionSet functions;
    for (const NamedBits& f : kLowFunctions)
        if (Contains(text, f.name)) functions.low |= f.bits;
    for (int n = 1; n <= kMaxGroupNumber; ++n)
        if (Contains(text, kCommitNames[n])) SetLowGroup(functions, kLowCommitGroup, n);
    for (int n : kCommitNamesAfterNumbers)
        if (Contains(text, kCommitNames[n])) SetLowGroup(functions, kLowCommitGroup, n);
    ParseGroup(text, functions, kLowAdjustGroup, u"候选调频");
    ParseGroup(text, functions, kLowDeleteGroup, u"候选删除");
    for (const NamedBits& f : kCursorFunctions)
        if (Contains(text, f.name)) functions.low |= f.bits;
    for (const NamedBits& f : kHighFunctions)
        if (Contains(text, f.name)) functions.high |= f.bits;
    for (const NamedBits& f : kConfigFunctions)
        if (Contains(text, f.name)) functions.high |= f.bits;

    for (const NamedBits& f : kCustomFunctions) {
        if (Contains(text, f.name)) {
            functions.high |= f.bits;
            return functions;
        }
    }
    for (int n = 1; n <= kMaxGroupNumber; ++n) {
        if (Contains(text, NumberedName(n, u"候选定制"))) {
            functions.high |= kHighCustomiseGroup;
            SetFunctionNumber(functions, n);
            break;
        }
    }
    return functions;
}

std::u16string FunctionListOf(FunctionSet functions) {
    // Even with every function the list stays below 230 units, well within the
    // 255 units of the text form, so nothing is ever cut.
    std::u16string list;
    const int number = FunctionNumber(functions);
    const bool numbered = number >= 1 && number <= kMaxGroupNumber;
    for (const NamedBits& f : kLowFunctions) AppendNamed(list, functions.low, f);
    if ((functions.low & kLowCommitGroup) && number < static_cast<int>(std::size(kCommitNames)))
        (list += kCommitNames[number]) += u',';
    if ((functions.low & kLowAdjustGroup) && numbered) (list += NumberedName(number, u"候选调频")) += u',';
    if ((functions.low & kLowDeleteGroup) && numbered) (list += NumberedName(number, u"候选删除")) += u',';
    for (const NamedBits& f : kCursorFunctions) AppendNamed(list, functions.low, f);
    for (const NamedBits& f : kHighFunctions) AppendNamed(list, functions.high, f);
    for (const NamedBits& f : kConfigFunctions) {
        if (functions.high & f.bits) {
            AppendNamed(list, functions.high, f);
            break;
        }
    }
    for (const NamedBits& f : kCustomFunctions)
        if (functions.high & f.bits) list += f.name;
    if ((functions.high & kHighCustomiseGroup) && numbered) (list += NumberedName(number, u"候选定制")) += u',';
    return list;
}
