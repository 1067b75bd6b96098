// Making the code of a word from the word code rules and the codes of its
// characters in danzi.dmi.
#pragma once

#include <string>
#include <string_view>

#include "config/DmeConfigData.h"
#include "platform/MappedFile.h"

// The longest code a rule makes, in UTF-16 units.
constexpr size_t kMaxWordCodeUnits = 127;

// For each item of `rule` up to its 0 item: the character at the item's
// position (1 = first, a surrogate pair counting as one; a position beyond
// the end means the last character, position 0 skips the item), the code of
// its record with the lowest offset in `characters` (at most 64 units), and
// of that code the item's letter (1 = first; 0 = the whole code). Items
// whose character or letter is missing add nothing; what does not fit in 127
// units is cut. Empty for an empty rule or when no character is found.
std::u16string MakeWordCode(std::u16string_view word, const WordCodeRule& rule, MappedFile* characters);
