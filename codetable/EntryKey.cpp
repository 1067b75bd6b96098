#include "codetable/EntryKey.h"

std::vector<uint8_t> MakeEntryKey(std::span<const uint8_t> code, std::span<const uint8_t> word) {
    if (code.size() > 255 || word.size() > 255) return {};
    std::vector<uint8_t> key;
    key.reserve(2 + code.size() + word.size());
    key.push_back(static_cast<uint8_t>(code.size()));
    key.insert(key.end(), code.begin(), code.end());
    key.push_back(static_cast<uint8_t>(word.size()));
    key.insert(key.end(), word.begin(), word.end());
    return key;
}
