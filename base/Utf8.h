// UTF-16 to UTF-8 as the system stores codes, words and paths. A lone
// surrogate has no UTF-8 form and becomes U+FFFD, as Windows' own conversion
// does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Appends the UTF-8 bytes of one code point.
inline void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point that starts at text[at] and the number of units it takes.
inline char32_t CodePointAt(std::u16string_view text, size_t at, size_t& units) {
    const char32_t c = text[at];
    units = 1;
    if (c >= 0xD800 && c <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF) {
        units = 2;
        return 0x10000 + ((c - 0xD800) << 10) + (text[at + 1] - 0xDC00);
    }
    return c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c;
}

inline std::string Utf8Of(std::u16string_view text) {
    std::string out;
    size_t units = 0;
    for (size_t at = 0; at < text.size(); at += units) AppendUtf8(CodePointAt(text, at, units), out);
    return out;
}
