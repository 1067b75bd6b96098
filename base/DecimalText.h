// Decimal numbers inside UTF-16 texts.
#pragma once

#include <string>

inline std::u16string DecimalText(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}
