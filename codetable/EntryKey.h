// Record keys and their default order. A key is the record from its byte 4:
// code length, code bytes, word length, word bytes. Codes order bytewise as
// unsigned values, a shorter string before a longer one it begins; entries
// order by code, then by word.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

// Two length-prefixed byte strings: −1, 0 or +1.
inline int32_t CompareCodeBytes(const uint8_t* a, const uint8_t* b) {
    const int r = std::memcmp(a + 1, b + 1, a[0] < b[0] ? a[0] : b[0]);
    if (r != 0) return r < 0 ? -1 : 1;
    return a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0;
}

// Two record keys: the codes, then the words.
inline int32_t CompareEntryKeys(const uint8_t* a, const uint8_t* b) {
    const int32_t r = CompareCodeBytes(a, b);
    return r != 0 ? r : CompareCodeBytes(a + 1 + a[0], b + 1 + b[0]);
}

// The key of a code and a word (empty for a search by code); empty when either
// is longer than 255 bytes.
std::vector<uint8_t> MakeEntryKey(std::span<const uint8_t> code, std::span<const uint8_t> word);
