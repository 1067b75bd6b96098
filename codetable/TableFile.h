// Writing a new table file in the layout of a freshly written table: the
// header, a zero prefix table, the index in writing order, 4 free bytes, then
// the records back to back to the end of the file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "codetable/CodeTable.h"
#include "platform/MappedFile.h"

// Creates (or replaces) the file at `path` with `header`, whose dataStart and
// entryCount it sets, and `records`. The caller sorts the index and builds
// the prefix table. Null when the file cannot be created or would not fit a
// 32-bit length.
MappedFilePtr CreateTableFile(const char16_t* path, const CodeTableHeader& header,
                              std::span<const std::vector<uint8_t>> records);
