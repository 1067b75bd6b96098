// Arbitrary bytes opened as a code table (and as danzi.dmi): every reader,
// lookup, the sort, the prefix table, word code making and the validation
// run over it without reading or writing
// outside the view, and a table that validates stays valid through each
// editing operation.
//
// An input is a table file without its prefix table (derived data that no
// reader depends on): its first 156 bytes are the header, the rest is the
// file from the entry index on. The target puts a zero prefix table between
// them, so the mutations reach the fields that matter. Inputs shorter than a
// header are used as the whole file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "codetable/CharacterTable.h"
#include "codetable/CodeTable.h"
#include "codetable/EntryKey.h"
#include "codetable/EntryLookup.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/TableEditing.h"
#include "codetable/TableValidation.h"
#include "codetable/WordCode.h"

namespace {

// A view of exactly the table's bytes on the heap, so that the address
// sanitizer sees any access past its end.
MappedFilePtr TableFromInput(const uint8_t* data, size_t size) {
    const bool whole = size < kCodeTableHeaderSize;
    const size_t length = whole ? size : size + kPrefixTableSize;
    auto* file = new MappedFile{};
    file->size = static_cast<uint32_t>(length);
    file->view = static_cast<uint8_t*>(std::calloc(length ? length : 1, 1));
    if (whole) {
        std::memcpy(file->view, data, size);
    } else {
        std::memcpy(file->view, data, kCodeTableHeaderSize);
        std::memcpy(file->view + kEntryIndexOffset, data + kCodeTableHeaderSize, size - kCodeTableHeaderSize);
    }
    return MappedFilePtr(file);
}

void ExpectValid(MappedFile* table, const char* after) {
    const std::string problem = ValidateTable(table, nullptr, nullptr);
    if (!problem.empty()) {
        std::fprintf(stderr, "invalid after %s: %s\n", after, problem.c_str());
        std::abort();
    }
}

void ReadEverything(MappedFile* file) {
    const CodeTable table(file);
    uint32_t sum = 0;
    for (uint32_t i = 0; i < table.slotCount(); ++i) {
        if (const auto entry = table.entryAt(i)) {
            for (const uint8_t b : entry->code()) sum += b;
            for (const uint8_t b : entry->word()) sum += b;
            sum += entry->flags().category();
            // A word list's record holds no word length, so the key is built.
            const std::vector<uint8_t> key = MakeEntryKey(entry->code(), entry->word());
            if (FindEntry(file, key.data(), nullptr) > 0) sum += 1;
        }
    }
    CountEntriesByCategory(file);
    static constexpr uint8_t kKey[] = {2, 'a', 'b', 3, 0xE4, 0xB8, 0xAD};
    FindEntry(file, kKey, nullptr);
    for (const uint8_t c1 : {uint8_t{'a'}, uint8_t{'z'}, uint8_t{' '}, uint8_t{0x0A}}) {
        const uint8_t prefix[] = {c1, 'b'};
        FindPrefixRange(file, {prefix, 1}, nullptr);
        FindPrefixRange(file, {prefix, 2}, nullptr);
    }
    for (const char32_t c : {U'中', U'a', U'\U00020000'}) {
        for (const CharacterRecord& record : LookupCharacter(file, c)) sum += static_cast<uint32_t>(record.code.size());
    }
    WordCodeRule rule{};
    StoreRule(rule, std::vector<RuleItem>{0x0100, 0x0201, 0x0302, 0x1F00});
    sum += static_cast<uint32_t>(MakeWordCode(u"中a\U00020000", rule, file).size());
    volatile uint32_t sink = sum;
    (void)sink;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1 << 20) return 0;
    MappedFilePtr table = TableFromInput(data, size);
    ReadEverything(table.get());
    const bool valid = ValidateTable(table.get(), nullptr, nullptr).empty() ||
                       (BuildPrefixTable(table.get(), nullptr), ValidateTable(table.get(), nullptr, nullptr).empty());
    SortEntryIndex(table.get(), nullptr);
    BuildPrefixTable(table.get(), nullptr);
    ReadEverything(table.get());
    if (!valid) return 0;

    // A sound table stays sound through every edit. An in-memory view cannot
    // grow, so some appends are refused; those must leave it as it was.
    const CodeTable view(table.get());
    ExpectValid(table.get(), "sorting");
    static constexpr uint8_t kRecord[] = {0, 0, 0, 1, 2, 'k', 'm', 3, 0xE4, 0xB8, 0xAD};
    if (AppendEntry(table.get(), kRecord)) {
        PlaceLastEntry(table.get(), nullptr);
        BuildPrefixTable(table.get(), nullptr);
    }
    ExpectValid(table.get(), "an append");
    if (view.entryCount() > 0 && RemoveEntryAt(table.get(), view.entryCount() / 2)) {
        BuildPrefixTable(table.get(), nullptr);
        ExpectValid(table.get(), "a removal");
    }
    ClearTable(table.get());
    ExpectValid(table.get(), "a clear");
    return 0;
}
