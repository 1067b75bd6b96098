// The order of the entry index: sorting it, and putting one new slot in its
// place. The order is by code under the comparison (null: the code bytes),
// then by word; entries whose keys are fully equal keep the order of their
// offsets, so the result never depends on the starting order. Damaged entries
// go to the end, in the order of their offsets. A word list is always in the
// order of its texts.
#pragma once

#include <cstdint>

#include "codetable/CodeOps.h"
#include "codetable/CodeTable.h"
#include "platform/MappedFile.h"

// The sign of `a` against `b` in index order, before the offsets decide.
int32_t CompareEntries(const TableEntry& a, const TableEntry& b, CompareKeysFunction compareEntry);

// Sorts the index slots in place (only the slots move, never the records),
// then flushes the view. Nothing without a table or when its index does not
// end before dataStart.
void SortEntryIndex(MappedFile* table, CompareKeysFunction compareEntry);

// Moves the last index slot to its place among the others, which must be in
// order already, then flushes the view. Gives the same index as
// SortEntryIndex in one search and one move.
void PlaceLastEntry(MappedFile* table, CompareKeysFunction compareEntry);
