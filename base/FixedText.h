// Texts in the fixed-size UTF-16 buffers of the system's records: a longer
// text is cut so that it fits with its terminator.
#pragma once

#include <cstddef>
#include <string_view>

// Copies `text` into `buffer` of `capacity` units (capacity > 0), cut to
// capacity - 1 units and NUL-terminated.
inline void CopyCut(char16_t* buffer, size_t capacity, std::u16string_view text) {
    const size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    text.copy(buffer, n);
    buffer[n] = 0;
}

template <size_t N>
void CopyCut(char16_t (&buffer)[N], std::u16string_view text) {
    CopyCut(buffer, N, text);
}

// The text of a NUL-terminated buffer of `capacity` units; an unterminated
// buffer ends at its capacity.
inline std::u16string_view TextOf(const char16_t* buffer, size_t capacity) {
    size_t n = 0;
    while (n < capacity && buffer[n] != 0) ++n;
    return {buffer, n};
}

template <size_t N>
std::u16string_view TextOf(const char16_t (&buffer)[N]) {
    return TextOf(buffer, N);
}
