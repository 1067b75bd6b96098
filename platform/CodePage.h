// The system's ANSI code page (GBK on a Chinese Windows): how a text file saved
// in none of the Unicode encodings is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The bytes as UTF-16; bytes that form no character of the code page become a
// replacement character. False when no conversion can be made at all.
bool AnsiToUtf16(const uint8_t* bytes, size_t count, std::u16string& text);
