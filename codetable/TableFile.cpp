#include "codetable/TableFile.h"

#include <cstring>

MappedFilePtr CreateTableFile(const char16_t* path, const CodeTableHeader& header,
                              std::span<const std::vector<uint8_t>> records) {
    const uint64_t dataStart = kEmptyTableSize + 4 * uint64_t{records.size()};
    uint64_t size = dataStart;
    for (const auto& record : records) size += record.size();
    if (size > INT32_MAX) return nullptr;
    MappedFilePtr file(CreateMappedFile(path, static_cast<uint32_t>(size)));
    if (!file) return nullptr;

    CodeTableHeader fresh = header;
    fresh.dataStart = static_cast<uint32_t>(dataStart);
    fresh.entryCount = static_cast<uint32_t>(records.size());
    std::memcpy(file->view, &fresh, sizeof fresh);
    const CodeTable table(file.get());
    uint32_t at = fresh.dataStart;
    for (uint32_t i = 0; i < fresh.entryCount; ++i) {
        table.setSlot(i, at);
        if (!records[i].empty()) std::memcpy(file->view + at, records[i].data(), records[i].size());
        at += static_cast<uint32_t>(records[i].size());
    }
    return file;
}
