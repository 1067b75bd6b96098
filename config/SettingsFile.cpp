// Finding and stamping the blocks of config.dsc.
#include "config/SettingsFile.h"

#include <cstring>

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

uint32_t Load32(const uint8_t* at) { return reinterpret_cast<const Le32*>(at)->get(); }

}  // namespace

uint8_t* FindSettingsBlock(uint8_t* view, uint32_t viewSize, std::string_view name) {
    if (viewSize < 1) return nullptr;
    const uint64_t count = view[0];
    if (kBlockTableOffset + 4 * count > viewSize) return nullptr;
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t offset = Load32(view + kBlockTableOffset + 4 * i);
        if (offset + sizeof(SettingsBlockHeader) > viewSize) continue;
        const auto& header = *reinterpret_cast<const SettingsBlockHeader*>(view + offset);
        if (header.size < sizeof(SettingsBlockHeader) || offset + header.size > viewSize) continue;
        const std::string_view stored(header.name, strnlen(header.name, kBlockNameBytes));
        if (EqualIgnoringAsciiCase(stored, name)) return view + offset;
    }
    return nullptr;
}

void StampBlockHeader(SettingsBlockHeader& header, uint32_t size, uint8_t type, std::string_view name) {
    header.size = size;
    header.type = type;
    size_t n = name.size() < kBlockNameBytes - 1 ? name.size() : kBlockNameBytes - 1;
    // Never keep the first bytes of a cut character.
    if (n < name.size())
        while (n > 0 && (static_cast<uint8_t>(name[n]) & 0xC0) == 0x80) --n;
    std::memset(header.name, 0, kBlockNameBytes);
    std::memcpy(header.name, name.data(), n);
}
