#include "codetable/WordListImport.h"

#include <array>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "base/Utf8Text.h"
#include "codetable/CodeTable.h"
#include "codetable/EntryOrder.h"
#include "codetable/SourceText.h"
#include "codetable/TableEditing.h"

namespace {

constexpr size_t kMaxTextBytes = 250;
constexpr uint16_t kFirstOrder = 32767;

// The longest start of `text` of whole characters whose UTF-8 fits 250
// bytes; a lone surrogate ends it, since it has no UTF-8 form.
std::u16string_view StoredPart(std::u16string_view text, size_t& bytes) {
    bytes = 0;
    size_t units = 0;
    while (units < text.size()) {
        const size_t step = IsHighSurrogate(text[units]) && units + 1 < text.size() && IsLowSurrogate(text[units + 1]) ? 2 : 1;
        const ptrdiff_t length = ToUtf8(text.substr(units, step), nullptr, 0);
        if (length < 0 || bytes + length > kMaxTextBytes) break;
        bytes += static_cast<size_t>(length);
        units += step;
    }
    return text.substr(0, units);
}

}  // namespace

std::optional<bool> BuildWordListTable(const char16_t* sourcePath, const char16_t* scratchPath,
                                       OperationCallbacks* callbacks) {
    std::u16string text;
    if (ReadSourceText(sourcePath, text) != kTextFileRead) return std::nullopt;
    std::vector<std::u16string_view> kept;
    std::set<std::u16string_view> seen;
    uint64_t byteTotal = 0;
    bool hashFlag = false;
    ForEachSourceLine(text, [&](size_t start, size_t length) {
        std::u16string_view line = std::u16string_view(text).substr(start, length);
        if (line.starts_with(u"///")) line.remove_prefix(1);
        else if (line.starts_with(u"//")) return;
        size_t bytes = 0;
        const std::u16string_view stored = StoredPart(line, bytes);
        if (!stored.empty() && seen.insert(stored).second) {
            kept.push_back(stored);
            byteTotal += bytes + 5;
        }
        if (seen.size() == 1) hashFlag = line.find(u'#') != std::u16string_view::npos;
        if (callbacks) callbacks->Progress(start + length, text.size());
    });
    if (kept.empty()) return std::nullopt;

    const uint64_t dataStart = kEmptyTableSize + 4 * uint64_t{kept.size()};
    if (dataStart + byteTotal > INT32_MAX) return std::nullopt;
    MappedFilePtr file(CreateMappedFile(scratchPath, static_cast<uint32_t>(dataStart + byteTotal)));
    if (!file) return std::nullopt;
    CodeTableHeader header = NewTableHeader(KindWordList);
    std::memcpy(header.tableName, "lxmb", 4);
    header.reserved62[0] = 0x59;
    header.reserved62[1] = 0x4E;
    header.dataStart = static_cast<uint32_t>(dataStart);
    std::memcpy(file->view, &header, sizeof header);

    const CodeTable table(file.get());
    std::vector<uint16_t> counters(65536, kFirstOrder);
    uint32_t at = header.dataStart;
    for (uint32_t i = 0; i < kept.size(); ++i) {
        uint16_t& counter = counters[kept[i][0]];
        StoreU32(file->view + at, counter);
        if (counter > 1) --counter;
        const auto length = static_cast<uint8_t>(ToUtf8(kept[i], nullptr, 0));
        file->view[at + 4] = length;
        ToUtf8(kept[i], file->view + at + 5, length);
        table.setSlot(i, at);
        at += 5 + length;
        if (callbacks && ((i + 1) % 4096 == 0 || i + 1 == kept.size())) callbacks->Progress(i + 1, kept.size());
    }
    table.setEntryCount(static_cast<uint32_t>(kept.size()));
    SortEntryIndex(file.get(), nullptr);
    return hashFlag;
}

bool CopyTableOver(const char16_t* scratchPath, const char16_t* tablePath) {
    const MappedFilePtr scratch(OpenMappedFile(scratchPath));
    const MappedFilePtr table(OpenMappedFile(tablePath));
    // A table that is only a copy in memory would never see the new list.
    if (!scratch || !table || !IsMappedToFile(*table)) return false;
    if (table->size < scratch->size && !GrowTableFile(table.get(), scratch->size)) return false;
    std::memcpy(table->view, scratch->view, scratch->size);
    return true;
}

std::optional<bool> WordListImport(const char16_t* tablePath, const char16_t* sourcePath,
                                   const char16_t* scratchPath, OperationCallbacks* callbacks) {
    const std::optional<bool> hashFlag = BuildWordListTable(sourcePath, scratchPath, callbacks);
    if (!hashFlag || !CopyTableOver(scratchPath, tablePath)) return std::nullopt;
    return hashFlag;
}
