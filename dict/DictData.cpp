#include "dict/DictData.h"

#include <algorithm>
#include <cstring>

#include "base/LittleEndian.h"
#include "base/Utf8Text.h"

namespace {

constexpr uint32_t kFormatVersionAt = 28;
constexpr uint16_t kFormatVersion = 772;

uint32_t ReadLe32(const uint8_t* at) { return reinterpret_cast<const Le32*>(at)->get(); }

// The records the offset array can hold inside the view.
uint32_t RecordCount(const MappedFile& file) {
    if (file.size < kDictOffsetsAt) return 0;
    const uint32_t count = ReadLe32(file.view + kDictCountAt);
    return std::min(count, (file.size - kDictOffsetsAt) / 4);
}

// Record i, or one without a headword when its bytes run past the view.
DictRecord RecordAt(const MappedFile& file, uint32_t i) {
    const uint32_t offset = ReadLe32(file.view + kDictOffsetsAt + 4 * i);
    DictRecord record;
    if (offset > file.size || file.size - offset < 6) return record;
    const uint8_t* start = file.view + offset;
    const uint32_t total = ReadLe32(start);
    const uint32_t k = start[4];
    if (file.size - offset - 6 < k) return record;
    record.start = start;
    record.headword = {reinterpret_cast<const char*>(start + 5), k};
    const uint64_t textLength = total > k ? total - k : 0;
    const uint64_t room = file.size - offset - 6 - k;
    record.explanation = {reinterpret_cast<const char*>(start + 6 + k), static_cast<size_t>(std::min(textLength, room))};
    return record;
}

int CompareBytes(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    const int c = common ? std::memcmp(a.data(), b.data(), common) : 0;
    if (c != 0) return c;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool Begins(std::string_view headword, std::string_view key) {
    return headword.size() >= key.size() && headword.substr(0, key.size()) == key;
}

std::string_view KeyOf(std::u16string_view text, char (&key)[kDictKeyBytes]) {
    if (ToUtf8Key(text, key) == 0) return {};
    return key;
}

// The position of a record whose headword is exactly `key`, or -1.
int64_t FindExactPosition(const MappedFile& file, std::string_view key) {
    int64_t lo = 0;
    int64_t hi = static_cast<int64_t>(RecordCount(file)) - 1;
    while (lo <= hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        const DictRecord record = RecordAt(file, static_cast<uint32_t>(mid));
        const int c = CompareBytes(record.headword, key);
        if (c == 0 && record.start) return mid;
        if (c > 0) {
            hi = mid - 1;
        } else {
            lo = mid + 1;
        }
    }
    return -1;
}

bool ByAddress(const DictRecord& a, const DictRecord& b) { return a.start < b.start; }

// Sorts a list into file order; a list read in index order from a file that
// keeps its records in that order is already sorted.
void SortByAddress(std::vector<DictRecord>& records) {
    if (!std::is_sorted(records.begin(), records.end(), ByAddress))
        std::sort(records.begin(), records.end(), ByAddress);
}

// The run of records around `mid` that satisfy `qualifies`, in file order.
template <typename Qualifies>
std::unique_ptr<DictResultList> CollectAround(const MappedFile& file, int64_t mid, Qualifies qualifies) {
    int64_t first = mid;
    while (first > 0) {
        const DictRecord record = RecordAt(file, static_cast<uint32_t>(first - 1));
        if (!record.start || !qualifies(record)) break;
        --first;
    }
    const int64_t count = RecordCount(file);
    auto list = std::make_unique<DictResultList>();
    list->records.reserve(8);
    for (int64_t i = first; i < count; ++i) {
        const DictRecord record = RecordAt(file, static_cast<uint32_t>(i));
        if (i > mid && (!record.start || !qualifies(record))) break;
        list->records.push_back(record);
    }
    SortByAddress(list->records);
    return list;
}

std::u16string DecodeUtf8Bytes(std::string_view bytes) {
    std::u16string out;
    size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<uint8_t>(bytes[at]);
        if (lead == 0) break;
        size_t length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC0 && lead < 0xE0) {
            length = 2;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            c = lead & 0x07;
        } else {
            break;
        }
        if (bytes.size() - at < length) break;
        bool whole = true;
        for (size_t i = 1; i < length; ++i) {
            const auto next = static_cast<uint8_t>(bytes[at + i]);
            whole = whole && (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        if (!whole) break;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        at += length;
    }
    return out;
}

}  // namespace

size_t ToUtf8Key(std::u16string_view text, char (&key)[kDictKeyBytes]) {
    key[0] = 0;
    if (text.empty()) return 0;
    // The last byte is kept for the NUL that a key of 249 bytes needs.
    const ptrdiff_t needed = ToUtf8(text, reinterpret_cast<uint8_t*>(key), kDictKeyBytes - 1);
    key[kDictKeyBytes - 1] = 0;
    if (needed <= 0) {
        key[0] = 0;
        return 0;
    }
    return static_cast<size_t>(needed);
}

std::unique_ptr<DictResultList> FindExactEntries(const MappedFile* file, std::u16string_view text) {
    char buffer[kDictKeyBytes];
    const std::string_view key = KeyOf(text, buffer);
    if (!file || key.empty()) return nullptr;
    const int64_t mid = FindExactPosition(*file, key);
    if (mid < 0) return nullptr;
    return CollectAround(*file, mid, [&](const DictRecord& record) { return record.headword == key; });
}

std::unique_ptr<DictResultList> FindRelatedEntries(const MappedFile* file, std::u16string_view text) {
    char buffer[kDictKeyBytes];
    const std::string_view key = KeyOf(text, buffer);
    if (!file || key.empty()) return nullptr;
    const int64_t mid = FindExactPosition(*file, key);
    if (mid < 0) return nullptr;
    return CollectAround(*file, mid, [&](const DictRecord& record) { return Begins(record.headword, key); });
}

std::unique_ptr<DictResultList> FindContainingEntries(const MappedFile* file, std::u16string_view text) {
    char buffer[kDictKeyBytes];
    const std::string_view key = KeyOf(text, buffer);
    if (!file || key.empty()) return nullptr;
    auto list = std::make_unique<DictResultList>();
    list->records.reserve(128);
    const uint32_t count = RecordCount(*file);
    for (uint32_t i = 0; i < count; ++i) {
        const DictRecord record = RecordAt(*file, i);
        if (record.start && record.headword.find(key) != std::string_view::npos) list->records.push_back(record);
    }
    SortByAddress(list->records);
    return list;
}

bool CompareForDisplay(const DictRecord& a, const DictRecord& b) {
    if (a.headword.size() != b.headword.size()) return a.headword.size() < b.headword.size();
    return CompareBytes(a.headword, b.headword) < 0;
}

std::u16string DecodeRecordText(const DictRecord& record) { return DecodeUtf8Bytes(record.explanation); }

std::u16string DecodeRecordHeadword(const DictRecord& record) { return DecodeUtf8Bytes(record.headword); }

std::vector<uint8_t> BuildDictFile(const std::vector<DictSourceEntry>& entries) {
    std::vector<const DictSourceEntry*> kept;
    for (const auto& entry : entries)
        if (!entry.headword.empty() && entry.headword.size() <= 255) kept.push_back(&entry);
    std::stable_sort(kept.begin(), kept.end(), [](const DictSourceEntry* a, const DictSourceEntry* b) {
        return CompareBytes(a->headword, b->headword) < 0;
    });

    const auto count = static_cast<uint32_t>(kept.size());
    // Records start after the offset array and a four-byte free gap.
    const uint32_t dataStart = kDictOffsetsAt + 4 * count + 4;
    std::vector<uint8_t> file(dataStart, 0);
    auto put32 = [&](uint32_t at, uint32_t value) { reinterpret_cast<Le32*>(file.data() + at)->set(value); };
    put32(0, dataStart);
    put32(kDictCountAt, count);
    reinterpret_cast<Le16*>(file.data() + kFormatVersionAt)->set(kFormatVersion);
    for (uint32_t i = 0; i < count; ++i) {
        const DictSourceEntry& entry = *kept[i];
        put32(kDictOffsetsAt + 4 * i, static_cast<uint32_t>(file.size()));
        const auto k = static_cast<uint32_t>(entry.headword.size());
        const auto total = static_cast<uint32_t>(k + entry.explanation.size());
        const size_t at = file.size();
        file.resize(at + 6 + total);
        reinterpret_cast<Le32*>(file.data() + at)->set(total);
        file[at + 4] = static_cast<uint8_t>(k);
        std::memcpy(file.data() + at + 5, entry.headword.data(), k);
        file[at + 5 + k] = 0;
        std::memcpy(file.data() + at + 6 + k, entry.explanation.data(), entry.explanation.size());
    }
    return file;
}
