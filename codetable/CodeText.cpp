#include "codetable/CodeText.h"

#include "base/Utf8.h"

void FoldCodeCharacters(std::span<char16_t> text) {
    for (char16_t& c : text)
        if (c >= 0xFF0A && c <= 0xFF19) c = static_cast<char16_t>(c - 0xFF00);
}

int32_t CountCodePoints(std::u16string_view text, size_t limit) {
    int32_t count = 0;
    for (size_t i = 0; i < text.size() && i < limit; ++count) {
        const char16_t c = text[i];
        if (c < 0xD800 || c > 0xDFFF) {
            ++i;
            continue;
        }
        // Only a high surrogate followed by a low one is a character.
        if (c > 0xDBFF || i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return -1;
        i += 2;
    }
    return count;
}

std::u16string DecodeCodeText(std::span<const uint8_t> code) {
    std::u16string text = Utf16Of(std::string_view(reinterpret_cast<const char*>(code.data()), code.size()));
    for (char16_t& c : text)
        if (c < 0x20) c = static_cast<char16_t>(0xFF00 + c);
    return text;
}
