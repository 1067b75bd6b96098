// Hexadecimal digits of the texts the system reads and writes (GUIDs, colours).
#pragma once

inline constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

// The value of one hex digit of either case, or -1.
inline int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}
