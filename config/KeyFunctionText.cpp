// Key bindings as key name = function list lines, and back.
#include "config/KeyFunctionText.h"

#include "config/FunctionNames.h"
#include "config/KeyBindings.h"
#include "config/KeyNames.h"

namespace {

std::u16string BindingLine(KeyCode code, FunctionSet functions) {
    return KeyNameOf(code) + u"=" + FunctionListOf(functions);
}

}  // namespace

std::vector<std::u16string> KeyFunctionLines(const DmeConfigData& dme) {
    std::vector<std::u16string> lines;
    for (KeyCode key = 0; key < kKeyFunctionSlots; ++key) {
        const FunctionSet plain = dme.keyFunctionTable[key].get();
        if (!plain.empty()) lines.push_back(BindingLine(key, plain));
        const FunctionSet shifted = dme.shiftKeyFunctionTable[key].get();
        if (!shifted.empty() && !KeyTableName(key | kKeyShift).empty())
            lines.push_back(BindingLine(key | kKeyShift, shifted));
    }
    // All records, whatever the count says: a record in use need not lie
    // below it. A key without a name of its own would be written as its
    // modifier suffixes alone, which read back as another key ("+" and Ctrl).
    for (const KeyCombination& record : dme.combinations) {
        const auto code = static_cast<KeyCode>(record.keyCode.get());
        const FunctionSet functions = record.functions.get();
        if (code != 0 && !functions.empty() && !KeyTableName(code & kVirtualKeyMask).empty())
            lines.push_back(BindingLine(code, functions));
    }
    return lines;
}

void ApplyKeyFunctionLine(DmeConfigData& dme, std::u16string_view key, std::u16string_view value) {
    StoreFunctionSet(dme, ParseKeyName(key), ParseFunctionList(value));
}
