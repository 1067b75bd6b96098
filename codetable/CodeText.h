// Helpers for the texts of codes and words as users and source files give
// them, before they become records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// U+FF0A to U+FF19 become the units 0x0A to 0x19, the single bytes their
// stored form uses; nothing else changes.
void FoldCodeCharacters(std::span<char16_t> text);

// The number of characters in the first `limit` units of `text`, a
// surrogate pair counting as one; −1 for a surrogate that is not part of a
// pair.
int32_t CountCodePoints(std::u16string_view text, size_t limit);

// The display form of a stored code (its bytes without the length byte):
// UTF-8 decoded, every unit below 0x20 turned back into U+FF00 plus the unit.
std::u16string DecodeCodeText(std::span<const uint8_t> code);
