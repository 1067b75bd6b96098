#include "codetable/EntryLookup.h"

#include <cstring>

#include "codetable/IndexSearch.h"

PrefixKey PrefixEndKey(const uint8_t* prefix, int length) {
    PrefixKey key{};
    key.bytes[0] = static_cast<uint8_t>(length + 1);
    std::memcpy(key.bytes + 1, prefix, length);
    key.bytes[1 + length] = 0xF0;
    return key;
}

PrefixKey PrefixStartKey(const uint8_t* prefix, int length) {
    const uint8_t last = prefix[length - 1];
    if (last == 0) {
        // No code byte lies below 0: the range starts after the codes that
        // equal the shorter prefix.
        PrefixKey key{};
        key.bytes[0] = static_cast<uint8_t>(length - 1);
        std::memcpy(key.bytes + 1, prefix, length - 1);
        return key;
    }
    uint8_t lower[2];
    std::memcpy(lower, prefix, length);
    lower[length - 1] = static_cast<uint8_t>(last - 1);
    return PrefixEndKey(lower, length);
}

int32_t FindEntry(MappedFile* file, const uint8_t* key, CompareKeysFunction compareEntry) {
    const CodeTable table(file);
    if (!table.hasView()) return -1;
    const int64_t last = int64_t{table.slotCount()} - 1;
    if (compareEntry && !table.isWordList())
        return SearchIndex(table, 0, last, [&](const TableEntry& entry) { return compareEntry(entry.key(), key); });
    return SearchIndex(table, 0, last, [&](const TableEntry& entry) { return CompareEntryWithKey(entry, key); });
}

PrefixRange FindPrefixRange(MappedFile* file, std::span<const uint8_t> prefix, CompareKeysFunction compareCode) {
    const CodeTable table(file);
    if (!table.hasView() || prefix.empty() || prefix.size() > 2) return {-1, -1};
    const int length = static_cast<int>(prefix.size());
    const PrefixKey endKey = PrefixEndKey(prefix.data(), length);
    const PrefixKey startKey = PrefixStartKey(prefix.data(), length);
    auto range = [&](auto compare) {
        // The start key sorts below the end key, so the start lies at or before the end.
        const uint32_t end = UpperBound(table, 0, table.slotCount(),
                                        [&](const TableEntry& entry) { return compare(entry, endKey.bytes); });
        const uint32_t start =
            UpperBound(table, 0, end, [&](const TableEntry& entry) { return compare(entry, startKey.bytes); });
        return PrefixRange{static_cast<int32_t>(start), static_cast<int32_t>(end)};
    };
    if (compareCode)
        return range([&](const TableEntry& entry, const uint8_t* key) { return compareCode(entry.key(), key); });
    return range(CompareEntryCode);
}
