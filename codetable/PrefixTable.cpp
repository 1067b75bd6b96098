#include "codetable/PrefixTable.h"

#include <cstring>

#include "codetable/CodeTable.h"
#include "codetable/IndexSearch.h"

namespace {

constexpr uint32_t kUnknown = UINT32_MAX;

// The upper bounds of the keys "prefix x 0xF0" for every second byte x that a
// cell needs, each searched once and only inside [lo, hi): the codes that
// begin with a prefix lie inside the range of the prefix's first byte.
template <class Compare>
class BoundCache {
public:
    BoundCache(const CodeTable& table, Compare compare) : table_(table), compare_(compare) {}

    void Reset(uint32_t lo, uint32_t hi) {
        lo_ = lo;
        hi_ = hi;
        bounds_.fill(kUnknown);
    }

    // The bound that ends the codes beginning with `prefix`, and the one that
    // starts them (the end of the prefix whose last byte is one less).
    uint32_t End(const uint8_t* prefix, int length) { return Bound(prefix[length - 1], PrefixEndKey(prefix, length)); }
    uint32_t Start(const uint8_t* prefix, int length) {
        return Bound(static_cast<uint8_t>(prefix[length - 1] - 1), PrefixStartKey(prefix, length));
    }

private:
    uint32_t Bound(uint8_t last, const PrefixKey& key) {
        uint32_t& bound = bounds_[last];
        if (bound == kUnknown)
            bound = UpperBound(table_, lo_, hi_, [&](const TableEntry& entry) { return compare_(entry, key.bytes); });
        return bound;
    }

    const CodeTable& table_;
    Compare compare_;
    uint32_t lo_ = 0, hi_ = 0;
    std::array<uint32_t, 256> bounds_{};
};

template <class Compare>
void ComputeCells(const CodeTable& table, Compare compare, uint32_t* cells) {
    BoundCache<Compare> firsts(table, compare), seconds(table, compare);
    firsts.Reset(0, table.slotCount());
    for (const uint8_t c1 : KeyCharacters) {
        const uint32_t start = firsts.Start(&c1, 1);
        const uint32_t end = firsts.End(&c1, 1);
        uint32_t* row = cells + 128 * c1;
        row[0] = start;
        row[1] = end;
        seconds.Reset(start, end);
        for (const uint8_t c2 : KeyCharacters) {
            const uint8_t prefix[2] = {c1, c2};
            row[c2] = seconds.Start(prefix, 2);
            row[c2 + 1] = seconds.End(prefix, 2);
        }
    }
}

}  // namespace

std::vector<uint32_t> ComputePrefixTable(MappedFile* file, CompareKeysFunction compareCode) {
    const CodeTable table(file);
    if (!table.hasView()) return {};
    std::vector<uint32_t> cells(kPrefixCells, 0);
    if (compareCode)
        ComputeCells(
            table, [&](const TableEntry& entry, const uint8_t* key) { return compareCode(entry.key(), key); },
            cells.data());
    else
        ComputeCells(table, CompareEntryCode, cells.data());
    return cells;
}

void BuildPrefixTable(MappedFile* file, CompareKeysFunction compareCode) {
    const std::vector<uint32_t> cells = ComputePrefixTable(file, compareCode);
    if (!cells.empty()) std::memcpy(file->view + kPrefixTableOffset, cells.data(), kPrefixTableSize);
}
