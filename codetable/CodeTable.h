// The .dmg code table as mapped: a fixed header, the prefix table, the entry
// index and the entry records. The input method reads and writes the same
// files, so the layout is fixed to the byte. Every accessor checks what it
// reads against the view: an entry whose slot or lengths point outside it is
// damaged and is skipped, never read.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

#include "platform/MappedFile.h"

static_assert(std::endian::native == std::endian::little, "tables are little-endian and read in place");

constexpr uint32_t kCodeTableHeaderSize = 156;
constexpr uint32_t kPrefixTableOffset = 156;
constexpr uint32_t kPrefixTableSize = 128 * 128 * 4;
constexpr uint32_t kEntryIndexOffset = kPrefixTableOffset + kPrefixTableSize;  // 65,692
// A freshly written table leaves exactly this many free bytes after its index.
constexpr uint32_t kFreshTableGap = 4;
constexpr uint32_t kEmptyTableSize = kEntryIndexOffset + kFreshTableGap;  // 65,696
constexpr uint16_t kFormatVersion = 772;

enum TableKind : uint32_t { KindCodeTable = 1, KindWordList = 5 };

struct CodeTableHeader {
    uint32_t dataStart;   // lowest entry byte; the entry area runs to the end of the file
    uint32_t entryCount;  // valid slots of the index
    uint32_t tableKind;
    uint8_t imeGuid[16];
    uint16_t formatVersion;
    char tableName[32];  // UTF-8, zero-terminated when shorter
    uint8_t reserved62[4];
    uint8_t reserved66[32];
    uint8_t reserved98[34];
    uint32_t reserved132;
    uint8_t reserved136[20];
};
static_assert(sizeof(CodeTableHeader) == kCodeTableHeaderSize);
static_assert(offsetof(CodeTableHeader, tableKind) == 8 && offsetof(CodeTableHeader, imeGuid) == 12 &&
              offsetof(CodeTableHeader, formatVersion) == 28 && offsetof(CodeTableHeader, tableName) == 30 &&
              offsetof(CodeTableHeader, reserved62) == 62 && offsetof(CodeTableHeader, reserved66) == 66 &&
              offsetof(CodeTableHeader, reserved98) == 98 && offsetof(CodeTableHeader, reserved132) == 132 &&
              offsetof(CodeTableHeader, reserved136) == 136);

// The header of a new table of `kind`: format version set, everything else zero.
CodeTableHeader NewTableHeader(TableKind kind);

// Categories of entries (the `category` field).
constexpr uint8_t kCategorySystem = 1;
constexpr uint8_t kCategoryUser = 2;
constexpr uint8_t kCategorySecondary = 3;
constexpr uint8_t kCategoryAuxiliary = 4;
// Custom category k (1 to 16) has the value k + 15.
constexpr uint8_t kFirstCustomCategory = 16;
constexpr int kCategoryCount = 32;

struct EntryFlags {
    uint32_t value = 0;

    uint16_t order() const { return static_cast<uint16_t>(value); }
    bool headMark() const { return value >> 20 & 1; }
    uint8_t category() const { return value >> 24 & 0x3F; }
    bool pinned() const { return value >> 30 & 1; }
    bool deleted() const { return value >> 31; }

    void setOrder(uint16_t order) { value = (value & ~0xFFFFu) | order; }
    void setHeadMark(bool on) { Set(20, on); }
    void setCategory(uint8_t category) { value = (value & ~(0x3Fu << 24)) | (uint32_t{category} & 0x3F) << 24; }
    void setPinned(bool on) { Set(30, on); }
    void setDeleted(bool on) { Set(31, on); }

private:
    void Set(int bit, bool on) { value = on ? value | 1u << bit : value & ~(1u << bit); }
};

inline uint32_t LoadU32(const uint8_t* at) {
    uint32_t value;
    std::memcpy(&value, at, 4);
    return value;
}
inline void StoreU32(uint8_t* at, uint32_t value) { std::memcpy(at, &value, 4); }

// One record lying wholly inside the view. A code table's record is the
// flags, the code length n, n code bytes, the word length m and m word bytes;
// a word list's is the flags, a length and the text, with no word field.
struct TableEntry {
    uint8_t* record;
    uint32_t offset;
    uint32_t size;
    bool hasWord;

    EntryFlags flags() const { return {LoadU32(record)}; }
    void setFlags(EntryFlags flags) const { StoreU32(record, flags.value); }
    // The record key: code length, code, word length, word. A word list's
    // record ends after its text, so a search key for it is made with
    // MakeEntryKey.
    const uint8_t* key() const { return record + 4; }
    // The field at offset 4: the code, or a word list's text.
    std::span<const uint8_t> code() const { return {record + 5, record[4]}; }
    // The code length byte and the code, as the comparisons take it.
    const uint8_t* codeField() const { return record + 4; }
    // The word length byte and the word; null in a word list.
    const uint8_t* wordField() const { return hasWord ? record + 5 + record[4] : nullptr; }
    std::span<const uint8_t> word() const {
        return hasWord ? std::span<const uint8_t>(wordField() + 1, *wordField()) : std::span<const uint8_t>();
    }
};

// A view of one table; it reads the record's view afresh at every call, so it
// stays right after a resize. Holds no ownership; the file may be null.
class CodeTable {
public:
    explicit CodeTable(MappedFile* file) : file_(file) {}

    MappedFile* file() const { return file_; }
    // A view long enough for the header and the prefix table.
    bool hasView() const { return file_ && file_->view && file_->size >= kEntryIndexOffset; }
    uint32_t size() const { return file_->size; }
    uint8_t* view() const { return file_->view; }

    CodeTableHeader header() const;
    uint32_t dataStart() const { return LoadU32(view()); }
    uint32_t entryCount() const { return LoadU32(view() + 4); }
    uint32_t tableKind() const { return LoadU32(view() + 8); }
    bool isWordList() const { return tableKind() == KindWordList; }
    void setDataStart(uint32_t offset) const { StoreU32(view(), offset); }
    void setEntryCount(uint32_t count) const { StoreU32(view() + 4, count); }

    // The index slots that can be read: entryCount, cut to the slots that end
    // before both dataStart and the end of the view. 0 without a view.
    uint32_t slotCount() const;
    // Whether writers may change the table: a view, and an index of
    // entryCount slots that ends at or before dataStart, which is inside it.
    bool hasSoundLayout() const;
    uint32_t indexEnd() const { return kEntryIndexOffset + 4 * slotCount(); }

    uint8_t* slots() const { return view() + kEntryIndexOffset; }
    uint32_t slot(uint32_t position) const { return LoadU32(slots() + 4 * size_t{position}); }
    void setSlot(uint32_t position, uint32_t offset) const { StoreU32(slots() + 4 * size_t{position}, offset); }

    // The record at index position `position` (below slotCount), or none when
    // it is damaged: its offset lies inside the header, the prefix table or
    // the index, or its lengths run past the end of the view.
    std::optional<TableEntry> entryAt(uint32_t position) const { return entryAtOffset(slot(position)); }
    std::optional<TableEntry> entryAtOffset(uint32_t offset) const;

    // Cell [c1][c2] of the prefix table.
    uint32_t prefixCell(uint8_t c1, uint8_t c2) const;

private:
    MappedFile* file_;
};

// How many entries of each category (byte 3 of the record, low 6 bits) the
// table holds, deleted ones included; damaged entries are not counted.
std::array<uint32_t, kCategoryCount> CountEntriesByCategory(MappedFile* table);

// temp.dmg keeps its records in 512 fixed slots of 260 bytes after an index of
// 512 slots and 4 free bytes.
constexpr uint32_t kTempSlotCount = 512;
constexpr uint32_t kTempSlotSize = 260;
constexpr uint32_t kTempSlotsOffset = kEntryIndexOffset + 4 * kTempSlotCount + 4;  // 67,744
constexpr uint32_t TempSlotOffset(uint32_t slot) { return kTempSlotsOffset + kTempSlotSize * slot; }
