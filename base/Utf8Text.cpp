// UTF-16 to UTF-8, and the UTF-8 test of text files.
#include "base/Utf8Text.h"

namespace {

// The UTF-8 bytes of one code point; returns their number.
int EncodeCodePoint(char32_t c, uint8_t (&out)[4]) {
    if (c < 0x80) {
        out[0] = static_cast<uint8_t>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<uint8_t>(0xC0 | (c >> 6));
        out[1] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<uint8_t>(0xE0 | (c >> 12));
        out[1] = static_cast<uint8_t>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<uint8_t>(0xF0 | (c >> 18));
    out[1] = static_cast<uint8_t>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<uint8_t>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<uint8_t>(0x80 | (c & 0x3F));
    return 4;
}

}  // namespace

ptrdiff_t ToUtf8(std::u16string_view text, uint8_t* buffer, size_t capacity) {
    ptrdiff_t needed = 0;
    size_t stored = 0;
    bool full = false;
    for (size_t i = 0; i < text.size() && text[i] != 0; ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            return -1;
        }
        uint8_t bytes[4];
        const int n = EncodeCodePoint(c, bytes);
        needed += n;
        if (!full && stored + n <= capacity) {
            for (int k = 0; k < n; ++k) buffer[stored++] = bytes[k];
        } else {
            full = true;
        }
    }
    if (stored < capacity) buffer[stored] = 0;
    return needed;
}

bool IsUtf8Text(const uint8_t* bytes, size_t count) {
    bool high = false;
    int expected = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t b = bytes[i];
        if (b >= 0x80) high = true;
        if (b >= 0x80 && b <= 0xBF) {
            if (expected == 0) return false;
            --expected;
            continue;
        }
        if (expected != 0) return false;
        for (uint8_t bit = 0x40; b >= 0xC0 && (b & bit); bit >>= 1) ++expected;
    }
    return expected == 0 && high;
}

std::u16string WithLoneSurrogatesReplaced(std::u16string_view text) {
    std::u16string sound(text);
    for (size_t i = 0; i < sound.size(); ++i) {
        if (IsHighSurrogate(sound[i]) && i + 1 < sound.size() && IsLowSurrogate(sound[i + 1]))
            ++i;
        else if (IsHighSurrogate(sound[i]) || IsLowSurrogate(sound[i]))
            sound[i] = 0xFFFD;
    }
    return sound;
}
