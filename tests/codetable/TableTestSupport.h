// Small tables for the code table tests: records from texts, tables written
// to a test folder or held in memory, and the entries read back as texts.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "codetable/CodeTable.h"
#include "platform/MappedFile.h"
#include "tests/support/TempDir.h"

using Bytes = std::vector<uint8_t>;

// A code table record of UTF-8 (or raw) code and word bytes.
Bytes Record(std::string_view code, std::string_view word, uint32_t flags = 0);
// A word list record: flags, length, text.
Bytes WordListRecord(std::string_view text, uint32_t flags = 0);

// A danzi.dmi record: flags, the character's length k, the character and a
// zero byte, then the code and a zero byte at k + 6.
Bytes CharacterRecordBytes(std::string_view character, std::string_view code);
// A danzi.dmi in memory, records in the order given, the index sorted by
// character.
MappedFilePtr SortedCharacterTable(const std::vector<Bytes>& records);

// A freshly written table file in `dir`; records stay in writing order.
MappedFilePtr WriteTable(const TempDir& dir, const std::string& name, const std::vector<Bytes>& records,
                         TableKind kind = KindCodeTable);
// The same table sorted and with its prefix table built (default order).
MappedFilePtr WriteSortedTable(const TempDir& dir, const std::string& name, const std::vector<Bytes>& records);

// A record whose view is exactly `bytes` on the heap, with no file behind it,
// so a read past its end is caught by the address sanitizer.
MappedFilePtr MemoryTable(const Bytes& bytes);
// The bytes of a table written in memory in the fresh layout.
Bytes TableBytes(const std::vector<Bytes>& records, TableKind kind = KindCodeTable);

struct EntryText {
    std::string code, word;
    uint32_t flags;
    auto operator<=>(const EntryText&) const = default;
};
// The sound entries of the table in index order.
std::vector<EntryText> EntriesOf(MappedFile* table);

// `count` distinct records with codes of 1 to `maxCode` bytes drawn from
// `alphabet` and words of 1 to 4 characters, in random order.
std::vector<Bytes> RandomRecords(std::mt19937& random, int count, std::string_view alphabet, int maxCode = 4);
