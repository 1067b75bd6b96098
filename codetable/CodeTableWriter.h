// Writing the records of a replacement source as a new code table: the
// table a whole-table replacement copies into main.dmg.
#pragma once

#include "codetable/ReplaceSource.h"

// The longest stored code and word.
constexpr int32_t kMaxStoredFieldBytes = 255;

// Writes the kept records of the job (after ParseSource and
// DeduplicateRecords) in record order as a new table at the job's output
// path, then sorts its index with compareEntry and builds its prefix table
// with compareCode. A record whose code or word has no stored form of 1 to
// 255 bytes (a lone surrogate has none) is reported as malformed and dropped;
// then the statistics are reported. The header is that of tables built here:
// "SYSMB", the bytes YNSN at 62 and 100 at 132. False, with no file written,
// when the job has no records made or the file cannot be created (or the
// encoder answers the two calls for one code with different lengths).
bool WriteCodeTable(ReplaceJob& job);
