// dict.dms, the mini dictionary: headword and explanation records in the
// container of the code tables, found through an offset array sorted by the
// headword bytes. The lookups work on the mapped view and return records.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MappedFile.h"

// Where the container keeps the record count and the sorted offset array.
constexpr uint32_t kDictCountAt = 4;
constexpr uint32_t kDictOffsetsAt = 65692;
constexpr size_t kDictKeyBytes = 250;

// One record of the view, checked to lie inside it: L (headword and
// explanation bytes), k headword bytes, the headword, a NUL, the explanation.
struct DictRecord {
    const uint8_t* start = nullptr;
    std::string_view headword;
    std::string_view explanation;  // as far as the file holds it
};

// Records in file order (the lookups sort by address).
struct DictResultList {
    std::vector<DictRecord> records;
};

// The query as NUL-terminated UTF-8 in `key`, cut before the first character
// that would pass 249 bytes. Returns the bytes the whole text needs, or 0 for
// an empty text or one with an unpaired surrogate, which no lookup accepts.
size_t ToUtf8Key(std::u16string_view text, char (&key)[kDictKeyBytes]);

// Null when the file is missing or nothing matches. `FindRelatedEntries` needs
// an exact match too, and then holds every headword that begins with the text.
std::unique_ptr<DictResultList> FindExactEntries(const MappedFile* file, std::u16string_view text);
std::unique_ptr<DictResultList> FindRelatedEntries(const MappedFile* file, std::u16string_view text);
// Every headword that holds the text anywhere; an empty list when none does.
std::unique_ptr<DictResultList> FindContainingEntries(const MappedFile* file, std::u16string_view text);

// The order of the window's lists: shorter headwords first, then headword bytes.
bool CompareForDisplay(const DictRecord& a, const DictRecord& b);

// UTF-8 to UTF-16, stopping at the end, at a NUL or at a byte that cannot
// start a sequence (or a sequence cut short).
std::u16string DecodeRecordText(const DictRecord& record);
std::u16string DecodeRecordHeadword(const DictRecord& record);

// Records of a dictionary as the builder takes them.
struct DictSourceEntry {
    std::string headword;     // UTF-8, 1 to 255 bytes
    std::string explanation;  // UTF-8
};

// A complete dict.dms: the container header, a zero prefix table, the offset
// array sorted by headword bytes (equal headwords in source order) and the
// records. Entries with an empty or over-long headword are left out.
std::vector<uint8_t> BuildDictFile(const std::vector<DictSourceEntry>& entries);
