// Little-endian numbers and UTF-16 texts inside the mapped data files.
//
// Each number is kept as its bytes, so a record made of them has alignment 1
// and no padding: it can be laid over any address of a mapped view, and every
// access is a byte access, which may alias any storage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

template <typename T>
class LittleEndian {
    static_assert(std::is_unsigned_v<T>);

public:
    T get() const {
        T value = 0;
        for (size_t i = sizeof(T); i-- > 0;) value = static_cast<T>(value << 8 | bytes_[i]);
        return value;
    }
    void set(T value) {
        for (size_t i = 0; i < sizeof(T); ++i) bytes_[i] = static_cast<uint8_t>(value >> 8 * i);
    }
    operator T() const { return get(); }
    LittleEndian& operator=(T value) {
        set(value);
        return *this;
    }

    // The bits of `mask` become those of `value`; all other bits stay.
    void setBits(T mask, T value) { set(static_cast<T>((get() & ~mask) | (value & mask))); }
    void setFlag(T bit, bool on) { setBits(bit, on ? bit : T{0}); }

private:
    uint8_t bytes_[sizeof(T)];
};

using Le16 = LittleEndian<uint16_t>;
using Le32 = LittleEndian<uint32_t>;
using Le64 = LittleEndian<uint64_t>;

static_assert(sizeof(Le64) == 8 && alignof(Le64) == 1 && std::is_trivially_copyable_v<Le64>);

// The text of a NUL-terminated UTF-16 field of `capacity` units; an
// unterminated field ends at its capacity, so a read never leaves the field.
inline std::u16string TextOf(const Le16* units, size_t capacity) {
    std::u16string text;
    for (size_t i = 0; i < capacity && units[i] != 0; ++i) text.push_back(static_cast<char16_t>(units[i].get()));
    return text;
}

template <size_t N>
std::u16string TextOf(const Le16 (&units)[N]) {
    return TextOf(units, N);
}

// Writes `text` cut to capacity - 1 units and a NUL; the units after the NUL
// keep their values.
inline void CopyCut(Le16* units, size_t capacity, std::u16string_view text) {
    const size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    for (size_t i = 0; i < n; ++i) units[i] = text[i];
    units[n] = 0;
}

template <size_t N>
void CopyCut(Le16 (&units)[N], std::u16string_view text) {
    CopyCut(units, N, text);
}
