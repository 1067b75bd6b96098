// Writing a table, or one category of main.dmg, as a source text that import
// and replacement read again: a UTF-8 file with its byte order mark, the
// directive lines of the selection, then one line per entry grouped by
// category, ordered by code and by ranking within a code.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "codetable/CodeOps.h"
#include "codetable/CodeTable.h"
#include "codetable/OperationCallbacks.h"
#include "platform/MappedFile.h"

// The selector of a word list export (association and English tables).
constexpr int kExportWordList = -1;

struct ExportJob {
    DecodeCodeFunction decodeCode = nullptr;  // null: DecodeCodeText
    OperationCallbacks* callbacks = nullptr;  // may be null
    // The page row: kExportWordList, 0 for the whole input code table, or one
    // category (1 to 4, 16 to 31).
    int selector = 0;
    // The software settings' flag words and names of the categories (index 0:
    // the whole input code table); bit 0 of a flag word permits changing it.
    std::array<uint32_t, kCategoryCount> categoryFlags{};
    std::array<std::u16string, kCategoryCount> categoryNames;
};

// Before `b` in the export: category ascending, code ascending, pinned and
// then larger order first, then the lower file offset. No two entries of one
// table are equal.
bool CompareForExport(const TableEntry& a, const TableEntry& b);

// Appends the UTF-8 line of one entry, ending in CR LF, to `out`: the word
// with its line breaks, TABs and backslashes escaped (and a "/" before a
// leading "//", which readers take for a comment otherwise), a TAB, the code,
// then "#删", "#固", the category marker (whole-table export only) and "#序"
// with the order. A word list's line is its text; its empty text and tables
// of other kinds append nothing. Nothing is cut, however long the word or
// code.
void WriteExportLine(const ExportJob& job, const CodeTable& table, const TableEntry& entry, std::string& out);

// The directive lines that open the export of the job's selection.
std::u16string ExportDirectives(const ExportJob& job);

// Writes the selected entries of `table` to the file at `path`, replacing
// it. The number of entries selected (0: the caller deletes the file), or −1
// when the file cannot be created or written, nothing kept worth keeping.
int64_t ExportTable(MappedFile* table, const ExportJob& job, const char16_t* path);
