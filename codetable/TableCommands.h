// What the management page's "替换(&L)" and "清空(&C)" do for the selected
// table and row, before any question is asked. `rowFlags` is the flag word of
// the row's category in the software settings (row 0: the whole input code
// table); its bit 0 permits changing the category.
#pragma once

#include <cstdint>
#include <string_view>

enum class ReplaceAction {
    None,
    ImportWordList,     // sysl.dmg and engl.dmg: the word-list import instead
    ReplaceWholeTable,  // main.dmg, row 0
    ReplaceCategory,    // main.dmg, rows 1 to 31: remove it, then import into it
};
ReplaceAction ReplaceActionFor(std::u16string_view path, bool isMainTable, int row, uint32_t rowFlags);

enum class ClearAction {
    None,
    NotPermitted,    // show kClearNotPermittedMessage
    ClearMainTable,  // ClearTable on main.dmg
    RemoveCategory,  // RemoveCategories with CategoryMask(row)
    ClearTable,      // ClearTableAt on the table by its path
};
ClearAction ClearActionFor(bool isMainTable, int row, uint32_t rowFlags);

// The question asked before an action, or null when none is asked.
const char16_t* ReplaceQuestion(ReplaceAction action);
const char16_t* ClearQuestion(ClearAction action);

inline uint32_t CategoryMask(int row) { return 1u << row; }
