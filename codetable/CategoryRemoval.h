// Removing whole categories from main.dmg by rebuilding its entry area from
// the records it keeps.
#pragma once

#include <cstdint>

#include "codetable/CodeOps.h"
#include "platform/MappedFile.h"

// Removes every entry whose category bit (1 << the low 5 bits of its
// category) is in `mask`. The kept records move as one block to the end of
// the file, the index is rebuilt, sorted and the prefix table built with
// `compareCode`; with no record kept the table is cleared, with none removed
// it is unchanged. The file keeps its size. False, the table unchanged, when
// it is no sound code table whose entry area holds entryCount whole records
// back to back to the end of the file.
bool RemoveCategories(MappedFile* table, uint32_t mask, CompareKeysFunction compareCode);
