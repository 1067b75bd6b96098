#include "codetable/TableClearing.h"

#include "codetable/CodeTable.h"
#include "codetable/TableEditing.h"

bool ClearTemporaryTable(MappedFile* file) {
    const CodeTable table(file);
    if (!table.hasView() || table.size() < TempSlotOffset(kTempSlotCount)) return false;
    for (uint32_t k = 0; k < kTempSlotCount; ++k) table.setSlot(k, TempSlotOffset(k));
    table.setEntryCount(0);
    return true;
}

bool ClearTableAt(MappedFile* file, std::u16string_view path) {
    if (path.find(u"temp.dmg") != std::u16string_view::npos) return ClearTemporaryTable(file);
    if (!CodeTable(file).hasView()) return false;
    ClearTable(file);
    return true;
}
