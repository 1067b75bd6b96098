// Storing, finding and resetting key bindings.
#include "config/KeyBindings.h"

#include <algorithm>
#include <cstring>

#include "config/KeyNames.h"

namespace {

bool IsTableKey(KeyCode code) { return !KeyTableName(code).empty(); }

// A count read from the file never reaches past the 64 records.
int UsedRecordBound(const DmeConfigData& dme) { return std::min<int>(dme.combinationCount, kMaxCombinations); }

FunctionSet Commit(int number) {
    FunctionSet functions{kLowCommitGroup};
    SetFunctionNumber(functions, number);
    return functions;
}

}  // namespace

void StoreFunctionSet(DmeConfigData& dme, KeyCode code, FunctionSet functions) {
    if (code <= 0) return;
    if (IsTableKey(code)) {
        auto& table = (code & kKeyShift) ? dme.shiftKeyFunctionTable : dme.keyFunctionTable;
        table[code & kVirtualKeyMask].set(functions);
        return;
    }
    const int used = UsedRecordBound(dme);
    for (int i = 0; i < used; ++i) {
        if (static_cast<KeyCode>(dme.combinations[i].keyCode.get()) == code) {
            dme.combinations[i].functions.set(functions);
            return;
        }
    }
    if (dme.combinationCount >= kMaxCombinations) return;
    KeyCombination& record = dme.combinations[dme.combinationCount];
    record.keyCode = static_cast<uint32_t>(code);
    record.reserved = 0;
    record.functions.set(functions);
    ++dme.combinationCount;
}

StoredFunctionSet* FindFunctionSet(DmeConfigData& dme, KeyCode code, bool shiftChosen) {
    if (code <= 0) return nullptr;
    if (IsTableKey(code))
        return &(shiftChosen ? dme.shiftKeyFunctionTable : dme.keyFunctionTable)[code & kVirtualKeyMask];
    StoredFunctionSet* found = nullptr;
    const int used = UsedRecordBound(dme);
    for (int i = 0; i < used; ++i)
        if (static_cast<KeyCode>(dme.combinations[i].keyCode.get()) == code) found = &dme.combinations[i].functions;
    return found;
}

void ClearKeyBindings(DmeConfigData& dme) {
    std::memset(dme.keyFunctionTable, 0, sizeof dme.keyFunctionTable);
    std::memset(dme.shiftKeyFunctionTable, 0, sizeof dme.shiftKeyFunctionTable);
    dme.combinationCount = 0;
    std::memset(dme.combinations, 0, sizeof dme.combinations);
}

void LoadDefaultKeyScheme(DmeConfigData& dme) {
    struct Binding {
        int virtualKey;
        FunctionSet functions;
    };
    const Binding bindings[] = {
        {0x1B, {kLowClearInput}},        // "键Esc"
        {0x08, {kLowDeleteCodeBefore}},  // "键Backspace"
        {0x2E, {kLowDeleteCodeAfter}},   // "键Delete"
        {0x0D, Commit(kCommitEnglish)},  // "键Enter"
        {0x20, Commit(kCommitFirst)},    // space
        {0x30, Commit(10)},              // "0"
        {0xA0, {kLowImeOnOff}},          // "键左Shift"
        {0x21, {kLowPageUp}},            // "键PageUp"
        {0xBD, {kLowPageUp}},            // "-"
        {0x22, {kLowPageDown}},          // "键PageDown"
        {0xBB, {kLowPageDown}},          // "="
        {0x24, {kLowCursorHome}},        // "键Home"
        {0x23, {kLowCursorEnd}},         // "键End"
        {0x25, {kLowCursorLeft}},        // "键左箭头"
        {0x27, {kLowCursorRight}},       // "键右箭头"
        {0x26, {kLowFirstForward}},      // "键上箭头"
        {0x28, {kLowFirstBackward}},     // "键下箭头"
    };
    ClearKeyBindings(dme);
    for (const Binding& b : bindings) dme.keyFunctionTable[b.virtualKey].set(b.functions);
    for (int n = 1; n <= 9; ++n) dme.keyFunctionTable[0x30 + n].set(Commit(n));  // "1" to "9"
}
