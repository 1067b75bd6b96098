// Building a record from the texts a user or a source file gives: a code text
// that may end in markers, and a word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codetable/CodeOps.h"

// The longest code or word, in UTF-16 units and in stored bytes.
constexpr size_t kMaxEntryTextUnits = 250;
constexpr int32_t kMaxEntryFieldBytes = 250;

// Cuts the markers from the end of `code` and returns the flags they give.
// Searched in this order, each in the text left by the earlier cuts, and each
// found one ends the text at its "#": "#序" and a decimal number (the order,
// low 16 bits), "#类" and a number N (custom category N, N held to 1..16),
// "#用", "#次", "#辅" (categories 2, 3, 4; a later one replaces an earlier
// one), "#固" (pinned), "#删" (deleted). So they are all read when written in
// the order "#删", "#固", a category, "#序". With escapes honoured, a marker
// right after a "#" is text: "ab##固" is the code "ab##固".
enum class MarkerEscapes { Ignored, Honoured };
uint32_t CutCodeMarkers(std::u16string& code, MarkerEscapes escapes = MarkerEscapes::Ignored);

// The position of the first `marker` in `code` that counts as one, or npos.
size_t FindCodeMarker(std::u16string_view code, std::u16string_view marker, MarkerEscapes escapes);

// A new record (flags, code, word) for a code text with its markers and a
// word, or an empty vector. The markers are cut from `code`; without
// `encode` it is also folded (FoldCodeCharacters) and stored as UTF-8. No
// record when either text is empty or longer than 250 units, when its stored
// form is empty or longer than 250 bytes, or when `encode` answers the two
// calls with different lengths.
std::vector<uint8_t> BuildEntry(std::u16string& code, std::u16string_view word, EncodeCodeFunction encode);
