#include "codetable/CategoryRemoval.h"

#include <cstring>
#include <optional>
#include <vector>

#include "codetable/CodeTable.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/TableEditing.h"

bool RemoveCategories(MappedFile* file, uint32_t mask, CompareKeysFunction compareCode) {
    const CodeTable table(file);
    if (!table.hasSoundLayout() || table.isWordList()) return false;
    // The kept records back to back, and where each starts among them.
    std::vector<uint8_t> kept;
    std::vector<uint32_t> starts;
    uint32_t walked = 0;
    for (uint32_t at = table.dataStart(); at < table.size(); ++walked) {
        const std::optional<TableEntry> entry = table.entryAtOffset(at);
        if (!entry) return false;
        if ((mask >> (entry->flags().category() & 0x1F) & 1) == 0) {
            starts.push_back(static_cast<uint32_t>(kept.size()));
            kept.insert(kept.end(), entry->record, entry->record + entry->size);
        }
        at += entry->size;
    }
    // Records no slot refers to would come back to life in the new index.
    if (walked != table.entryCount()) return false;
    if (starts.size() == walked) return true;
    if (starts.empty()) {
        ClearTable(file);
        return true;
    }
    const auto newStart = static_cast<uint32_t>(table.size() - kept.size());
    table.setEntryCount(static_cast<uint32_t>(starts.size()));
    table.setDataStart(newStart);
    for (uint32_t i = 0; i < starts.size(); ++i) table.setSlot(i, newStart + starts[i]);
    std::memcpy(table.view() + newStart, kept.data(), kept.size());
    SortEntryIndex(file, compareCode);
    BuildPrefixTable(file, compareCode);
    return true;
}
