// UTF-8 forms of the UTF-16 texts: how the settings text is written, and how a
// file of unknown encoding is recognised as UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Converts `text` up to its end or its first NUL into `buffer` of `capacity`
// bytes and returns the number of bytes the whole text needs: 1 for units below
// 0x80, 2 below 0x800, 3 for the other units, 4 for a surrogate pair. A
// character is stored only if it fits whole, and nothing after the first that
// does not; a NUL follows when there is room. A surrogate without its partner
// ends the conversion with -1. `buffer` may be null when `capacity` is 0.
ptrdiff_t ToUtf8(std::u16string_view text, uint8_t* buffer, size_t capacity);

// True when the bytes are well-made UTF-8 sequences (a lead byte expects as
// many continuation bytes as it has 1 bits after its top bit) and at least one
// byte is 0x80 or above.
bool IsUtf8Text(const uint8_t* bytes, size_t count);

// The text with every surrogate that lacks its partner replaced by U+FFFD, so
// that it has a UTF-8 form.
std::u16string WithLoneSurrogatesReplaced(std::u16string_view text);
