#include "codetable/CodeTable.h"

#include <algorithm>

CodeTableHeader NewTableHeader(TableKind kind) {
    CodeTableHeader header{};
    header.tableKind = kind;
    header.formatVersion = kFormatVersion;
    return header;
}

CodeTableHeader CodeTable::header() const {
    CodeTableHeader header;
    std::memcpy(&header, view(), sizeof header);
    return header;
}

uint32_t CodeTable::slotCount() const {
    if (!hasView()) return 0;
    const uint32_t limit = std::min(dataStart(), size());
    if (limit < kEntryIndexOffset) return 0;
    return std::min(entryCount(), (limit - kEntryIndexOffset) / 4);
}

bool CodeTable::hasSoundLayout() const {
    return hasView() && dataStart() <= size() &&
           kEntryIndexOffset + 4 * uint64_t{entryCount()} <= dataStart();
}

std::optional<TableEntry> CodeTable::entryAtOffset(uint32_t offset) const {
    const uint64_t end = size();
    // The flags and the first length byte.
    if (offset < indexEnd() || uint64_t{offset} + 5 > end) return std::nullopt;
    uint8_t* record = view() + offset;
    const uint32_t n = record[4];
    if (isWordList()) {
        if (uint64_t{offset} + 5 + n > end) return std::nullopt;
        return TableEntry{record, offset, 5 + n, false};
    }
    if (uint64_t{offset} + 6 + n > end) return std::nullopt;
    const uint32_t m = record[5 + n];
    if (uint64_t{offset} + 6 + n + m > end) return std::nullopt;
    return TableEntry{record, offset, 6 + n + m, true};
}

uint32_t CodeTable::prefixCell(uint8_t c1, uint8_t c2) const {
    return LoadU32(view() + kPrefixTableOffset + 4 * (128 * (size_t{c1} & 0x7F) + (c2 & 0x7F)));
}

std::array<uint32_t, kCategoryCount> CountEntriesByCategory(MappedFile* file) {
    std::array<uint32_t, kCategoryCount> counts{};
    const CodeTable table(file);
    const uint32_t n = table.slotCount();
    for (uint32_t i = 0; i < n; ++i) {
        if (const auto entry = table.entryAt(i)) {
            const uint8_t category = entry->flags().category();
            if (category < kCategoryCount) ++counts[category];
        }
    }
    return counts;
}
