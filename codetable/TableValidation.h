// A full check of a table's invariants, for tests, tools and repair: what
// every writer keeps and every reader may rely on.
#pragma once

#include <string>

#include "codetable/CodeOps.h"
#include "platform/MappedFile.h"

// The first violated invariant in words, or an empty text when the table is
// sound: an index that ends at least 4 bytes before dataStart, which lies in
// the file; every slot pointing at a whole record in [dataStart, end of
// file) with non-empty fields; the index in order under `compareEntry`; the
// records back to back from dataStart, each referenced by exactly one slot;
// and for a code table the records reaching the end of the file and the
// prefix table equal to a rebuild with `compareCode`. A word list may keep
// old bytes after its last record and its prefix table is not checked.
// temp.dmg's fixed slots are not an entry area of this kind.
std::string ValidateTable(MappedFile* table, CompareKeysFunction compareEntry, CompareKeysFunction compareCode);
