#include "base/Guid.h"

#include "base/HexText.h"

namespace {

// Where each byte of the binary form sits in the text: the first three groups
// are numbers stored little-endian, the last two plain bytes.
constexpr int kByteAt[16] = {7, 5, 3, 1, 12, 10, 17, 15, 20, 22, 25, 27, 29, 31, 33, 35};
constexpr int kTextLength = 38;

}  // namespace

std::optional<GuidBytes> ParseGuidText(std::u16string_view text) {
    if (text.size() != kTextLength || text[0] != u'{' || text[37] != u'}') return std::nullopt;
    for (int dash : {9, 14, 19, 24})
        if (text[dash] != u'-') return std::nullopt;
    GuidBytes guid{};
    for (int i = 0; i < 16; ++i) {
        const int high = HexValue(text[kByteAt[i]]);
        const int low = HexValue(text[kByteAt[i] + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        guid[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return guid;
}

std::u16string FormatGuidText(const GuidBytes& guid) {
    std::u16string text(u"{00000000-0000-0000-0000-000000000000}");
    for (int i = 0; i < 16; ++i) {
        text[kByteAt[i]] = kHexDigits[guid[i] >> 4];
        text[kByteAt[i] + 1] = kHexDigits[guid[i] & 15];
    }
    return text;
}
