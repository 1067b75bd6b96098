// Storing and removing records, and clearing a table. Each operation leaves
// the table as it was when it fails. After a change of membership the caller
// puts the index in order (SortEntryIndex, or PlaceLastEntry after one
// append) and then rebuilds the prefix table; a removal keeps the order.
#pragma once

#include <cstdint>
#include <span>

#include "platform/MappedFile.h"

// Grows the table's file to `newSize` bytes and maps it again. False when it
// is no file, the size would not fit a 32-bit length, or the resize fails;
// the table is then mapped at its old length as it was.
bool GrowTableFile(MappedFile* table, uint64_t newSize);

// Stores a copy of `record` (a record of the table's kind) and appends its
// slot to the index. Below dataStart while the free gap allows; otherwise at
// the end of the grown file, first moving the lowest record there too when
// the gap could not even take the new slot (an empty table grows for the
// slot and the record instead). False when the table's layout is
// unsound, the record malformed, no slot points at dataStart, or the file
// cannot grow (an in-memory copy never can).
bool AppendEntry(MappedFile* table, std::span<const uint8_t> record);

// Removes the entry at `position`: the records below it move up over it, the
// slots after it move down, and the file keeps its size. False without a
// table, for a position outside [0, entryCount), or a damaged entry.
bool RemoveEntryAt(MappedFile* table, uint32_t position);

// No entries, dataStart at the end of the file, the prefix table zero; the
// file keeps its size and all other bytes.
void ClearTable(MappedFile* table);
