// The container of config.dsc: a count byte, a table of block offsets and the
// named blocks, each starting with a SettingsBlockHeader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/LittleEndian.h"

constexpr size_t kBlockNameBytes = 31;  // at most 30 bytes and the NUL

struct SettingsBlockHeader {
    Le32 size;  // of the whole block, header included
    uint8_t type;
    char name[kBlockNameBytes];  // 8-bit text, NUL-terminated
};
static_assert(offsetof(SettingsBlockHeader, size) == 0);
static_assert(offsetof(SettingsBlockHeader, type) == 4);
static_assert(offsetof(SettingsBlockHeader, name) == 5);
static_assert(sizeof(SettingsBlockHeader) == 36 && alignof(SettingsBlockHeader) == 1);

constexpr size_t kBlockTableOffset = 4;  // after the count byte and three unused bytes

// The block of that name (ASCII case ignored), the first in offset-table order,
// or null. A file whose offset table runs past its end has no blocks; a block
// whose header or recorded size runs past the end is skipped.
uint8_t* FindSettingsBlock(uint8_t* view, uint32_t viewSize, std::string_view name);

// The typed view of one of the four blocks. The block's recorded size must
// cover the view's fields, or writing them would spill into the next block or
// past the file.
template <typename Block>
Block* FindSettingsBlockAs(uint8_t* view, uint32_t viewSize) {
    uint8_t* block = FindSettingsBlock(view, viewSize, Block::kName);
    if (!block || reinterpret_cast<const SettingsBlockHeader*>(block)->size < sizeof(Block)) return nullptr;
    return reinterpret_cast<Block*>(block);
}

// Writes size, type and name (UTF-8, cut to 30 bytes at a character boundary,
// the rest of the field zero) into the header; the block's data is untouched.
void StampBlockHeader(SettingsBlockHeader& header, uint32_t size, uint8_t type, std::string_view name);
