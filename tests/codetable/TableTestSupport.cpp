#include "tests/codetable/TableTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/TableFile.h"

Bytes Record(std::string_view code, std::string_view word, uint32_t flags) {
    Bytes record(4);
    StoreU32(record.data(), flags);
    record.push_back(static_cast<uint8_t>(code.size()));
    record.insert(record.end(), code.begin(), code.end());
    record.push_back(static_cast<uint8_t>(word.size()));
    record.insert(record.end(), word.begin(), word.end());
    return record;
}

Bytes WordListRecord(std::string_view text, uint32_t flags) {
    Bytes record(4);
    StoreU32(record.data(), flags);
    record.push_back(static_cast<uint8_t>(text.size()));
    record.insert(record.end(), text.begin(), text.end());
    return record;
}

Bytes CharacterRecordBytes(std::string_view character, std::string_view code) {
    Bytes record(4, 0);
    record.push_back(static_cast<uint8_t>(character.size()));
    record.insert(record.end(), character.begin(), character.end());
    record.push_back(0);
    record.insert(record.end(), code.begin(), code.end());
    record.push_back(0);
    return record;
}

MappedFilePtr SortedCharacterTable(const std::vector<Bytes>& records) {
    MappedFilePtr file = MemoryTable(TableBytes(records));
    const CodeTable table(file.get());
    std::vector<uint32_t> slots;
    for (uint32_t i = 0; i < table.slotCount(); ++i) slots.push_back(table.slot(i));
    auto character = [&](uint32_t offset) { return std::string(reinterpret_cast<const char*>(file->view + offset + 5)); };
    std::stable_sort(slots.begin(), slots.end(), [&](uint32_t a, uint32_t b) { return character(a) < character(b); });
    for (uint32_t i = 0; i < slots.size(); ++i) table.setSlot(i, slots[i]);
    return file;
}

MappedFilePtr WriteTable(const TempDir& dir, const std::string& name, const std::vector<Bytes>& records,
                         TableKind kind) {
    return CreateTableFile(dir.File(name).c_str(), NewTableHeader(kind), records);
}

MappedFilePtr WriteSortedTable(const TempDir& dir, const std::string& name, const std::vector<Bytes>& records) {
    MappedFilePtr table = WriteTable(dir, name, records);
    SortEntryIndex(table.get(), nullptr);
    BuildPrefixTable(table.get(), nullptr);
    return table;
}

MappedFilePtr MemoryTable(const Bytes& bytes) {
    auto* file = new MappedFile{};
    file->view = static_cast<uint8_t*>(std::malloc(bytes.size()));
    std::memcpy(file->view, bytes.data(), bytes.size());
    file->size = static_cast<uint32_t>(bytes.size());
    return MappedFilePtr(file);
}

Bytes TableBytes(const std::vector<Bytes>& records, TableKind kind) {
    const CodeTableHeader header = NewTableHeader(kind);
    const auto* headerBytes = reinterpret_cast<const uint8_t*>(&header);
    Bytes bytes(headerBytes, headerBytes + sizeof header);
    bytes.resize(kEmptyTableSize + 4 * records.size());
    StoreU32(bytes.data(), static_cast<uint32_t>(bytes.size()));
    StoreU32(bytes.data() + 4, static_cast<uint32_t>(records.size()));
    for (size_t i = 0; i < records.size(); ++i) {
        StoreU32(bytes.data() + kEntryIndexOffset + 4 * i, static_cast<uint32_t>(bytes.size()));
        bytes.insert(bytes.end(), records[i].begin(), records[i].end());
    }
    return bytes;
}

std::vector<EntryText> EntriesOf(MappedFile* file) {
    const CodeTable table(file);
    std::vector<EntryText> entries;
    for (uint32_t i = 0; i < table.slotCount(); ++i) {
        if (const auto entry = table.entryAt(i)) {
            const auto code = entry->code();
            const auto word = entry->word();
            entries.push_back({std::string(code.begin(), code.end()), std::string(word.begin(), word.end()),
                               entry->flags().value});
        }
    }
    return entries;
}

std::vector<Bytes> RandomRecords(std::mt19937& random, int count, std::string_view alphabet, int maxCode) {
    static constexpr std::string_view kWordCharacters[] = {"中", "国", "人", "工", "的", "一", "地", "在"};
    std::set<std::pair<std::string, std::string>> seen;
    std::vector<Bytes> records;
    while (static_cast<int>(records.size()) < count) {
        std::string code, word;
        const int codeLength = 1 + static_cast<int>(random() % maxCode);
        for (int i = 0; i < codeLength; ++i) code += alphabet[random() % alphabet.size()];
        const int wordLength = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < wordLength; ++i) word += kWordCharacters[random() % std::size(kWordCharacters)];
        if (seen.emplace(code, word).second) records.push_back(Record(code, word, static_cast<uint32_t>(random())));
    }
    return records;
}
