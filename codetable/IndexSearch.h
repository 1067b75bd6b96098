// The binary search of the entry index that lookups, prefix ranges, the
// placing of a new slot and the character table share. It steps over damaged entries: a probe that
// lands on one moves up to the next sound entry of the range, and when none is
// left there the range ends below the probe.
#pragma once

#include <cstdint>

#include "codetable/CodeTable.h"
#include "codetable/EntryKey.h"

// Searches positions [lo, hi] of an index whose sound entries are in order.
// `entryAt(position)` gives the entry or none when it is damaged;
// `compare(entry)` the sign of the entry against the key. Returns position + 1
// of an entry that compares equal, else minus the insertion position.
template <class EntryAt, class CompareWithKey>
int32_t SearchPositions(int64_t lo, int64_t hi, EntryAt entryAt, CompareWithKey compare) {
    while (hi >= lo) {
        const int64_t mid = lo + (hi - lo) / 2;
        int64_t probe = mid;
        auto entry = entryAt(static_cast<uint32_t>(probe));
        while (!entry && probe < hi) entry = entryAt(static_cast<uint32_t>(++probe));
        if (!entry) {
            hi = mid - 1;
            continue;
        }
        const int32_t r = compare(*entry);
        if (r == 0) return static_cast<int32_t>(probe + 1);
        if (r > 0)
            hi = mid - 1;
        else
            lo = probe + 1;
    }
    return static_cast<int32_t>(-lo);
}

template <class CompareWithKey>
int32_t SearchIndex(const CodeTable& table, int64_t lo, int64_t hi, CompareWithKey compare) {
    return SearchPositions(lo, hi, [&](uint32_t position) { return table.entryAt(position); }, compare);
}

// The first position of [lo, hi) whose entry sorts above the key.
template <class CompareWithKey>
uint32_t UpperBound(const CodeTable& table, uint32_t lo, uint32_t hi, CompareWithKey compare) {
    // Equal entries count as below the key, so the search runs to its end.
    return static_cast<uint32_t>(-SearchIndex(table, lo, int64_t{hi} - 1, [&](const TableEntry& entry) {
        const int32_t r = compare(entry);
        return r == 0 ? -1 : r;
    }));
}

// The code of an entry against the code of a key.
inline int32_t CompareEntryCode(const TableEntry& entry, const uint8_t* key) {
    return CompareCodeBytes(entry.codeField(), key);
}

// The default entry order against a key. A word list's entry has no word
// field and compares as one with an empty word.
inline int32_t CompareEntryWithKey(const TableEntry& entry, const uint8_t* key) {
    const int32_t r = CompareCodeBytes(entry.codeField(), key);
    if (r != 0) return r;
    static constexpr uint8_t kNoWord = 0;
    return CompareCodeBytes(entry.hasWord ? entry.wordField() : &kNoWord, key + 1 + key[0]);
}

// The search key whose upper bound ends the range of codes beginning with
// `prefix` (1 or 2 bytes): the prefix followed by 0xF0, which sorts above
// every byte that codes use, and an empty word.
struct PrefixKey {
    uint8_t bytes[5];
};
PrefixKey PrefixEndKey(const uint8_t* prefix, int length);
// The key whose upper bound starts the range: the end key of the prefix whose
// last byte is one less, or the shorter prefix itself when that byte is 0.
PrefixKey PrefixStartKey(const uint8_t* prefix, int length);
