#include "codetable/EntryOrder.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "codetable/CodeTable.h"
#include "codetable/EntryKey.h"
#include "codetable/IndexSearch.h"

namespace {

// Records read in index order lie anywhere in the file: reading a few slots
// ahead lets the memory fetch them in parallel.
constexpr uint32_t kPrefetchDistance = 16;

// Records of sound entries only; `hasWord` is false in a word list, which is
// always in the order of its texts: a module's entry order would read the
// word field that its records lack.
int32_t CompareRecords(const uint8_t* a, const uint8_t* b, bool hasWord, CompareKeysFunction compare) {
    if (!hasWord) return CompareCodeBytes(a + 4, b + 4);
    const int32_t r = compare ? compare(a + 4, b + 4) : CompareCodeBytes(a + 4, b + 4);
    if (r != 0) return r;
    return CompareCodeBytes(a + 5 + a[4], b + 5 + b[4]);
}

struct SlotLess {
    const uint8_t* view;
    bool hasWord;
    CompareKeysFunction compare;

    bool operator()(uint32_t a, uint32_t b) const {
        const int32_t r = CompareRecords(view + a, view + b, hasWord, compare);
        return r != 0 ? r < 0 : a < b;
    }
};

// A 64-bit summary of the default order: up to four code bytes, then the code
// length (0xFF for longer codes), then up to three word bytes when the whole
// code is in the summary. Summaries that differ order their entries the same
// way; equal ones are decided by the records.
uint64_t OrderSummary(const uint8_t* record, bool hasWord) {
    const uint8_t n = record[4];
    uint64_t summary = 0;
    for (int i = 0; i < 4; ++i) summary = summary << 8 | (i < n ? record[5 + i] : 0);
    summary = summary << 8 | (n <= 4 ? n : 0xFF);
    const uint8_t m = n <= 4 && hasWord ? record[5 + n] : 0;
    for (int i = 0; i < 3; ++i) summary = summary << 8 | (i < m ? record[6 + n + i] : 0);
    return summary;
}

struct SummarisedSlot {
    uint64_t summary;
    uint32_t offset;
};

// The default order without touching the records for most comparisons.
// False when there is no memory for the summaries.
bool SortBySummary(uint32_t* slots, uint32_t count, const SlotLess& less) {
    std::unique_ptr<SummarisedSlot[]> items(new (std::nothrow) SummarisedSlot[count]);
    if (!items) return false;
    for (uint32_t i = 0; i < count; ++i) {
        if (i + kPrefetchDistance < count) __builtin_prefetch(less.view + slots[i + kPrefetchDistance]);
        items[i] = {OrderSummary(less.view + slots[i], less.hasWord), slots[i]};
    }
    std::sort(items.get(), items.get() + count, [&](const SummarisedSlot& a, const SummarisedSlot& b) {
        return a.summary != b.summary ? a.summary < b.summary : less(a.offset, b.offset);
    });
    for (uint32_t i = 0; i < count; ++i) slots[i] = items[i].offset;
    return true;
}

// Keeps the sound entries' slots at the front in their order and puts the
// damaged ones after them, by offset; returns where those begin.
uint32_t* MoveDamagedToTheEnd(const CodeTable& table, uint32_t* slots, uint32_t count) {
    std::vector<uint32_t> damaged;
    uint32_t kept = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (i + kPrefetchDistance < count && slots[i + kPrefetchDistance] < table.size())
            __builtin_prefetch(table.view() + slots[i + kPrefetchDistance]);
        if (table.entryAtOffset(slots[i]))
            slots[kept++] = slots[i];
        else
            damaged.push_back(slots[i]);
    }
    std::sort(damaged.begin(), damaged.end());
    std::copy(damaged.begin(), damaged.end(), slots + kept);
    return slots + kept;
}

}  // namespace

int32_t CompareEntries(const TableEntry& a, const TableEntry& b, CompareKeysFunction compareEntry) {
    return CompareRecords(a.record, b.record, a.hasWord && b.hasWord, compareEntry);
}

void SortEntryIndex(MappedFile* file, CompareKeysFunction compareEntry) {
    const CodeTable table(file);
    // Slots beyond dataStart would overlap the records.
    if (!table.hasSoundLayout() || table.entryCount() == 0) return;
    const uint32_t n = table.entryCount();
    // Views are page-aligned and the index starts at a multiple of 4.
    auto* slots = reinterpret_cast<uint32_t*>(table.slots());
    uint32_t* const damaged = MoveDamagedToTheEnd(table, slots, n);
    const SlotLess less{table.view(), !table.isWordList(), compareEntry};
    const auto sound = static_cast<uint32_t>(damaged - slots);
    if ((compareEntry && less.hasWord) || !SortBySummary(slots, sound, less)) std::sort(slots, damaged, less);
    FlushMappedFile(*file);
}

void PlaceLastEntry(MappedFile* file, CompareKeysFunction compareEntry) {
    const CodeTable table(file);
    if (!table.hasSoundLayout() || table.entryCount() == 0) return;
    const uint32_t n = table.entryCount();
    const uint32_t last = table.slot(n - 1);
    if (table.entryAtOffset(last)) {
        const SlotLess less{table.view(), !table.isWordList(), compareEntry};
        // Never equal: the order falls back to the offsets.
        const auto place = static_cast<uint32_t>(-SearchIndex(table, 0, int64_t{n} - 2, [&](const TableEntry& entry) {
            return less(entry.offset, last) ? -1 : 1;
        }));
        uint8_t* const at = table.slots() + 4 * size_t{place};
        std::memmove(at + 4, at, 4 * size_t{n - 1 - place});
        StoreU32(at, last);
    }
    FlushMappedFile(*file);
}
