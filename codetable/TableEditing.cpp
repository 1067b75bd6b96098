#include "codetable/TableEditing.h"

#include <cstring>
#include <optional>

#include "codetable/CodeTable.h"

namespace {

// The size a record of the table's kind declares, or 0 when it is malformed
// or has an empty field.
uint32_t DeclaredSize(std::span<const uint8_t> record, bool wordList) {
    if (record.size() < 6 || record[4] == 0) return 0;
    const uint32_t n = record[4];
    if (wordList) return 5 + n;
    if (5 + n >= record.size() || record[5 + n] == 0) return 0;
    return 6 + n + record[5 + n];
}

// The position of the slot that points at dataStart, searched from both ends
// inwards: a table appended to at the end keeps it near either end.
std::optional<uint32_t> LowestRecordSlot(const CodeTable& table) {
    const uint32_t n = table.entryCount();
    const uint32_t target = table.dataStart();
    for (uint32_t i = 0; i < (n + 1) / 2; ++i) {
        if (table.slot(i) == target) return i;
        if (table.slot(n - 1 - i) == target) return n - 1 - i;
    }
    return std::nullopt;
}

}  // namespace

bool GrowTableFile(MappedFile* file, uint64_t newSize) {
    if (!IsMappedToFile(*file) || newSize > INT32_MAX) return false;
    const uint32_t oldSize = file->size;
    if (ResizeMappedFile(file, static_cast<uint32_t>(newSize)) == newSize) return true;
    // A failed resize leaves the record empty: map the file again at its old
    // length to keep the table as it was.
    if (ReopenMappedFile(file) != oldSize && IsMappedToFile(*file)) ResizeMappedFile(file, oldSize);
    return false;
}

bool AppendEntry(MappedFile* file, std::span<const uint8_t> record) {
    const CodeTable table(file);
    if (!table.hasSoundLayout()) return false;
    const uint32_t s = DeclaredSize(record, table.isWordList());
    if (s == 0 || s != record.size()) return false;
    const uint32_t n = table.entryCount();
    // The free gap less the 4 bytes the new slot takes.
    const int64_t free = int64_t{table.dataStart()} - (kEmptyTableSize + 4 * int64_t{n});

    uint32_t at;
    if (free > s + 4) {
        at = table.dataStart() - s;
        table.setDataStart(at);
    } else if (free > 4) {
        at = table.size();
        if (!GrowTableFile(file, uint64_t{at} + s)) return false;
    } else if (n == 0 && table.dataStart() == table.size()) {
        // An empty table has no lowest record to move out of the way: the
        // file grows by the new slot and the record, which becomes the lowest.
        const uint32_t oldEnd = table.size();
        if (!GrowTableFile(file, uint64_t{oldEnd} + 4 + s)) return false;
        at = oldEnd + 4;
        table.setDataStart(at);
    } else {
        const std::optional<uint32_t> lowest = LowestRecordSlot(table);
        const std::optional<TableEntry> moved = lowest ? table.entryAtOffset(table.dataStart()) : std::nullopt;
        if (!moved) return false;
        const uint32_t s2 = moved->size;
        const uint32_t oldEnd = table.size();
        if (!GrowTableFile(file, uint64_t{oldEnd} + s2 + s)) return false;
        std::memcpy(table.view() + oldEnd, table.view() + table.dataStart(), s2);
        table.setSlot(*lowest, oldEnd);
        table.setDataStart(table.dataStart() + s2);
        at = oldEnd + s2;
    }
    std::memcpy(table.view() + at, record.data(), s);
    table.setSlot(n, at);
    table.setEntryCount(n + 1);
    return true;
}

bool RemoveEntryAt(MappedFile* file, uint32_t position) {
    const CodeTable table(file);
    if (!table.hasSoundLayout() || position >= table.entryCount()) return false;
    const std::optional<TableEntry> entry = table.entryAt(position);
    const uint32_t low = table.dataStart();
    if (!entry || entry->offset < low) return false;
    const uint32_t o = entry->offset;
    const uint32_t s = entry->size;
    std::memmove(table.view() + low + s, table.view() + low, o - low);
    const uint32_t n = table.entryCount();
    for (uint32_t i = 0; i < n; ++i) {
        const uint32_t offset = table.slot(i);
        if (offset >= low && offset < o) table.setSlot(i, offset + s);
    }
    uint8_t* const at = table.slots() + 4 * size_t{position};
    std::memmove(at, at + 4, 4 * size_t{n - 1 - position});
    table.setEntryCount(n - 1);
    table.setDataStart(low + s);
    return true;
}

void ClearTable(MappedFile* file) {
    const CodeTable table(file);
    if (!table.hasView()) return;
    table.setEntryCount(0);
    table.setDataStart(table.size());
    std::memset(table.view() + kPrefixTableOffset, 0, kPrefixTableSize);
}
