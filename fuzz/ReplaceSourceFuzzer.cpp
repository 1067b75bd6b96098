// Arbitrary UTF-16 text read as a replacement source: every line reading,
// duplicate removal and the written table stay in bounds, and the table is
// always valid.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "codetable/CodeTableWriter.h"
#include "codetable/ReplaceSource.h"
#include "codetable/TableValidation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    // The text is read up to its first NUL, as a loaded file is.
    text.resize(std::min(text.size(), text.find(u'\0')));

    static const std::u16string output = (std::filesystem::temp_directory_path() / "replace_source_fuzzer.dmg").u16string();
    ReplaceJob job;
    AddSourceText(job, text);
    job.outputPath = output;
    ParseSource(job);
    DeduplicateRecords(job);
    if (!WriteCodeTable(job)) std::abort();
    MappedFilePtr table(OpenMappedFile(output.c_str()));
    if (!table || !ValidateTable(table.get(), nullptr, nullptr).empty()) std::abort();
    return 0;
}
