#include "codetable/TableCommands.h"

#include "codetable/ReplaceMessages.h"

namespace {

bool MayChange(uint32_t rowFlags) { return rowFlags & 1; }

}  // namespace

ReplaceAction ReplaceActionFor(std::u16string_view path, bool isMainTable, int row, uint32_t rowFlags) {
    if (path.find(u"temp.dmg") != std::u16string_view::npos) return ReplaceAction::None;
    if (path.find(u"\\sysl.dmg") != std::u16string_view::npos || path.find(u"\\engl.dmg") != std::u16string_view::npos)
        return ReplaceAction::ImportWordList;
    if (!isMainTable || !MayChange(rowFlags)) return ReplaceAction::None;
    if (row == 0) return ReplaceAction::ReplaceWholeTable;
    return row >= 1 && row <= 31 ? ReplaceAction::ReplaceCategory : ReplaceAction::None;
}

ClearAction ClearActionFor(bool isMainTable, int row, uint32_t rowFlags) {
    if (!isMainTable) return ClearAction::ClearTable;
    if (row == 0) return MayChange(rowFlags) ? ClearAction::ClearMainTable : ClearAction::None;
    if (row < 1 || row > 31) return ClearAction::None;
    return MayChange(rowFlags) ? ClearAction::RemoveCategory : ClearAction::NotPermitted;
}

const char16_t* ReplaceQuestion(ReplaceAction action) {
    switch (action) {
        case ReplaceAction::ReplaceWholeTable: return kReplaceTableQuestion;
        case ReplaceAction::ReplaceCategory: return kReplaceCategoryQuestion;
        case ReplaceAction::None:
        case ReplaceAction::ImportWordList: return nullptr;  // the import asks its own
    }
    return nullptr;
}

const char16_t* ClearQuestion(ClearAction action) {
    switch (action) {
        case ClearAction::ClearMainTable:
        case ClearAction::RemoveCategory:
        case ClearAction::ClearTable: return kClearTableQuestion;
        case ClearAction::None:
        case ClearAction::NotPermitted: return nullptr;
    }
    return nullptr;
}
