#include "codetable/CharacterTable.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/Utf8.h"
#include "codetable/CodeTable.h"
#include "codetable/IndexSearch.h"

namespace {

// The zero-terminated text at `offset`, or none when its zero byte is not in
// the view.
std::optional<std::string_view> TextAt(const MappedFile& file, uint64_t offset) {
    if (offset >= file.size) return std::nullopt;
    const auto* start = reinterpret_cast<const char*>(file.view + offset);
    const void* zero = std::memchr(start, 0, file.size - offset);
    if (!zero) return std::nullopt;
    return std::string_view(start, static_cast<const char*>(zero) - start);
}

// strcmp's order: bytes as unsigned values, a shorter text first.
int Compare(std::string_view a, std::string_view b) {
    const int r = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (r != 0) return r;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

uint32_t CharacterTable::slotCount() const {
    if (!file_ || !file_->view || file_->size < kEntryIndexOffset) return 0;
    return std::min(LoadU32(file_->view + 4), (file_->size - kEntryIndexOffset) / 4);
}

std::optional<CharacterRecord> CharacterTable::recordAt(uint32_t position) const {
    const uint32_t offset = LoadU32(file_->view + kEntryIndexOffset + 4 * size_t{position});
    if (uint64_t{offset} + 5 > file_->size) return std::nullopt;
    const auto character = TextAt(*file_, uint64_t{offset} + 5);
    const auto code = character ? TextAt(*file_, uint64_t{offset} + 6 + file_->view[offset + 4]) : std::nullopt;
    if (!code) return std::nullopt;
    return CharacterRecord{offset, *character, *code};
}

std::vector<CharacterRecord> LookupCharacter(MappedFile* file, char32_t c) {
    const CharacterTable table(file);
    std::string key;
    AppendUtf8(c, key);
    const int32_t hit = SearchPositions(
        0, int64_t{table.slotCount()} - 1, [&](uint32_t position) { return table.recordAt(position); },
        [&](const CharacterRecord& record) { return Compare(record.character, key); });
    std::vector<CharacterRecord> found;
    if (hit <= 0) return found;
    // The record found and its neighbours of the same character, up to the
    // first that differs in each direction.
    auto collect = [&](int64_t position) {
        const auto record = table.recordAt(static_cast<uint32_t>(position));
        if (!record || record->character != key) return false;
        found.push_back(*record);
        return true;
    };
    int64_t below = hit - 1;
    while (below >= 0 && collect(below)) --below;
    int64_t above = hit;
    while (above < table.slotCount() && collect(above)) ++above;
    std::sort(found.begin(), found.end(),
              [](const CharacterRecord& a, const CharacterRecord& b) { return a.offset < b.offset; });
    return found;
}
