// Decimal numbers inside UTF-16 texts.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

inline std::u16string DecimalText(int64_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

// The number at the start of `text` as the C runtime reads it: blanks, a
// sign, digits; none gives 0, and it saturates instead of overflowing.
inline int32_t LeadingNumber(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    int64_t n = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        n = n * 10 + (text[i] - u'0');
        if (n > std::numeric_limits<int32_t>::max()) {
            return negative ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
        }
    }
    return static_cast<int32_t>(negative ? -n : n);
}
