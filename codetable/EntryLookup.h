// Finding entries: an exact entry by its key, and the index range of the
// codes beginning with a one- or two-byte prefix.
#pragma once

#include <cstdint>
#include <span>

#include "codetable/CodeOps.h"
#include "platform/MappedFile.h"

// Binary search for `key` with `compareEntry` (null: code, then word), the
// table's entry being its first argument. Position + 1 when an entry compares
// equal; otherwise minus the insertion position (0 for an empty table or a
// key that sorts first); −1 without a table. A word list is searched by its
// texts, each an entry with an empty word, whatever `compareEntry` is.
int32_t FindEntry(MappedFile* table, const uint8_t* key, CompareKeysFunction compareEntry);

struct PrefixRange {
    int32_t start;  // first position whose code begins with the prefix
    int32_t end;    // first position after them
};

// The positions of the codes that begin with `prefix` (1 or 2 bytes), ordered
// by `compareCode` (null: the code bytes); {−1, −1} without a table or for
// another prefix length.
PrefixRange FindPrefixRange(MappedFile* table, std::span<const uint8_t> prefix, CompareKeysFunction compareCode);
