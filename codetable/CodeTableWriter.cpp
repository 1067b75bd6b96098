#include "codetable/CodeTableWriter.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/Utf8Text.h"
#include "codetable/CodeText.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/ReplaceMessages.h"

namespace {

// The code as it is stored: folded when there is no encoder.
std::u16string StoredCodeText(const ReplaceJob& job, const SourceRecord& record) {
    std::u16string code(RecordCode(job, record));
    if (!job.encodeCode) FoldCodeCharacters(code);
    return code;
}

// The stored length of the code, or 0 when it has none that fits.
int32_t StoredCodeLength(const ReplaceJob& job, const std::u16string& code) {
    const ptrdiff_t length = job.encodeCode ? job.encodeCode(code.c_str(), nullptr, 0) : ToUtf8(code, nullptr, 0);
    return length >= 1 && length <= kMaxStoredFieldBytes ? static_cast<int32_t>(length) : 0;
}

int32_t StoredWordLength(std::u16string_view word) {
    const ptrdiff_t length = ToUtf8(word, nullptr, 0);
    return length >= 1 && length <= kMaxStoredFieldBytes ? static_cast<int32_t>(length) : 0;
}

CodeTableHeader BuiltTableHeader() {
    CodeTableHeader header = NewTableHeader(KindCodeTable);
    std::memcpy(header.tableName, "SYSMB", 5);
    const uint8_t mark[] = {0x59, 0x4E, 0x53, 0x4E};
    std::memcpy(header.reserved62, mark, sizeof mark);
    header.reserved132 = 100;
    return header;
}

}  // namespace

bool WriteCodeTable(ReplaceJob& job) {
    if (!job.recordsMade) return false;
    job.byteTotal = 0;
    uint64_t kept = 0;
    const uint64_t total = job.records.size();
    for (uint64_t i = 0; i < total; ++i) {
        SourceRecord& record = job.records[i];
        if (record.flags == 0) continue;
        const int32_t codeLength = StoredCodeLength(job, StoredCodeText(job, record));
        const int32_t wordLength = StoredWordLength(RecordWord(job, record));
        if (codeLength == 0 || wordLength == 0) {
            if (job.callbacks) job.callbacks->Report(MalformedEntryMessage(RecordWord(job, record), RecordCode(job, record)));
            record.flags = 0;
            continue;
        }
        job.byteTotal += 4 + 1 + codeLength + 1 + wordLength;
        ++kept;
        if (job.callbacks && (i + 1) % 4096 == 0) job.callbacks->Progress(i + 1, total);
    }
    if (job.callbacks) job.callbacks->Report(TableStatisticsMessage(job.byteTotal, job.lineCount, job.uniqueCount));

    // The index has room for every unique record; each one dropped above
    // leaves 4 more free bytes before dataStart. Without duplicates counted
    // it has room for the kept records, so it never runs into them.
    const uint64_t dataStart = kEmptyTableSize + 4 * std::max(job.uniqueCount, kept);
    const uint64_t size = dataStart + job.byteTotal;
    if (size > INT32_MAX) return false;
    MappedFilePtr file(CreateMappedFile(job.outputPath.c_str(), static_cast<uint32_t>(size)));
    if (!file) return false;
    CodeTableHeader header = BuiltTableHeader();
    header.dataStart = static_cast<uint32_t>(dataStart);
    std::memcpy(file->view, &header, sizeof header);

    const CodeTable table(file.get());
    uint32_t count = 0;
    uint32_t at = header.dataStart;
    for (const SourceRecord& record : job.records) {
        if (record.flags == 0) continue;
        uint8_t* const out = file->view + at;
        StoreU32(out, record.flags);
        const std::u16string code = StoredCodeText(job, record);
        const int32_t codeLength = StoredCodeLength(job, code);
        if (job.encodeCode) {
            // The length was measured with the same call, so a differing
            // answer means an encoder that cannot be trusted with the table.
            if (job.encodeCode(code.c_str(), out + 4, codeLength) != codeLength) {
                file.reset();
                std::error_code error;
                std::filesystem::remove(std::filesystem::path(job.outputPath), error);
                return false;
            }
        } else {
            ToUtf8(code, out + 5, codeLength);
        }
        out[4] = static_cast<uint8_t>(codeLength);
        const std::u16string_view word = RecordWord(job, record);
        const auto wordLength = static_cast<uint8_t>(ToUtf8(word, nullptr, 0));
        out[5 + codeLength] = wordLength;
        ToUtf8(word, out + 6 + codeLength, wordLength);
        table.setSlot(count++, at);
        at += 6 + codeLength + wordLength;
    }
    table.setEntryCount(count);
    SortEntryIndex(file.get(), job.compareEntry);
    BuildPrefixTable(file.get(), job.compareCode);
    return true;
}
