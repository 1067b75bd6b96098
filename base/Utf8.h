// UTF-16 to UTF-8 as the system stores codes, words and paths, and back. A
// lone surrogate has no UTF-8 form and a malformed UTF-8 sequence no UTF-16
// one: each becomes U+FFFD, as Windows' own conversions do.
#pragma once

#include <cstddef>
#include <cstdint>
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

// The UTF-16 form of `text`, each byte of a malformed sequence giving U+FFFD.
inline std::u16string Utf16Of(std::string_view text) {
    std::u16string out;
    for (size_t at = 0; at < text.size();) {
        const auto lead = static_cast<uint8_t>(text[at]);
        const int trail = lead < 0x80 ? 0 : lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2
                                                                 : lead >= 0xF0 && lead <= 0xF4 ? 3 : -1;
        char32_t c = trail == 0 ? lead : trail == 1 ? lead & 0x1F : trail == 2 ? lead & 0x0F : lead & 0x07;
        bool sound = trail >= 0 && at + trail < text.size();
        for (int i = 1; sound && i <= trail; ++i) {
            const auto next = static_cast<uint8_t>(text[at + i]);
            sound = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are malformed too.
        static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (sound && trail > 0) sound = c >= kLeast[trail] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        if (!sound) {
            out += u'\uFFFD';
            ++at;
            continue;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        at += 1 + trail;
    }
    return out;
}
