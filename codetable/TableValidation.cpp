#include "codetable/TableValidation.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>
#include <vector>

#include "codetable/CodeTable.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char buffer[160];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

std::string CheckLayout(const CodeTable& table) {
    if (!table.file() || !table.file()->view) return "there is no table";
    const uint32_t size = table.size();
    if (size < kEmptyTableSize) return Format("the file is %u bytes, shorter than an empty table (65696 bytes)", size);
    if (table.dataStart() > size)
        return Format("dataStart %u lies beyond the end of the file at %u", table.dataStart(), size);
    const uint64_t indexEnd = kEntryIndexOffset + 4 * uint64_t{table.entryCount()};
    if (indexEnd + kFreshTableGap > table.dataStart())
        return Format("the index of %u entries ends at %llu, less than 4 bytes before dataStart %u",
                      table.entryCount(), static_cast<unsigned long long>(indexEnd), table.dataStart());
    return {};
}

std::string CheckEntries(const CodeTable& table, CompareKeysFunction compareEntry) {
    const uint32_t n = table.entryCount();
    std::optional<TableEntry> previous;
    for (uint32_t i = 0; i < n; ++i) {
        const uint32_t offset = table.slot(i);
        if (offset < table.dataStart() || offset >= table.size())
            return Format("entry %u: offset %u lies outside the entry area [%u, %u)", i, offset, table.dataStart(),
                          table.size());
        const std::optional<TableEntry> entry = table.entryAtOffset(offset);
        if (!entry) return Format("entry %u at %u: the record runs past the end of the file", i, offset);
        if (entry->code().empty()) return Format("entry %u at %u: the code is empty", i, offset);
        if (entry->hasWord && entry->word().empty()) return Format("entry %u at %u: the word is empty", i, offset);
        if (previous && CompareEntries(*previous, *entry, compareEntry) > 0)
            return Format("entries %u and %u are out of order", i - 1, i);
        previous = entry;
    }
    return {};
}

std::string CheckArea(const CodeTable& table) {
    const uint32_t n = table.entryCount();
    std::vector<std::pair<uint32_t, uint32_t>> records;  // offset, size
    records.reserve(n);
    for (uint32_t i = 0; i < n; ++i) records.emplace_back(table.slot(i), table.entryAt(i)->size);
    std::sort(records.begin(), records.end());
    uint32_t at = table.dataStart();
    uint32_t previous = 0;
    for (const auto& [offset, size] : records) {
        if (offset < at && offset == previous) return Format("two slots point at the record at %u", offset);
        if (offset < at) return Format("the records at %u and %u overlap", previous, offset);
        if (offset > at) return Format("bytes %u to %u belong to no entry", at, offset);
        previous = offset;
        at = offset + size;
    }
    if (!table.isWordList() && at != table.size())
        return Format("bytes %u to %u belong to no entry", at, table.size());
    return {};
}

std::string CheckPrefixTable(MappedFile* file, CompareKeysFunction compareCode) {
    const CodeTable table(file);
    const std::vector<uint32_t> cells = ComputePrefixTable(file, compareCode);
    for (int cell = 0; cell < kPrefixCells; ++cell) {
        const uint8_t c1 = static_cast<uint8_t>(cell / 128), c2 = static_cast<uint8_t>(cell % 128);
        if (table.prefixCell(c1, c2) != cells[cell])
            return Format("prefix cell [%u][%u] holds %u, a rebuild gives %u", c1, c2, table.prefixCell(c1, c2),
                          cells[cell]);
    }
    return {};
}

}  // namespace

std::string ValidateTable(MappedFile* file, CompareKeysFunction compareEntry, CompareKeysFunction compareCode) {
    const CodeTable table(file);
    std::string problem = CheckLayout(table);
    if (problem.empty()) problem = CheckEntries(table, compareEntry);
    if (problem.empty()) problem = CheckArea(table);
    if (problem.empty() && !table.isWordList()) problem = CheckPrefixTable(file, compareCode);
    return problem;
}
